// The auxiliary windows built beside the main window: the message box, the kanji
// entry box and the two drop-down lists of the selectors.
#pragma once

#include <gtk/gtk.h>

// Message: the label Mbox and the keys Mok (answer 1) and Mcancel (2); fills Mbox_wid.
GtkWidget* create_Mboxs();
// Kbox: the entry Ktxt, a cancel key (0) and Kok (1); fills Kbox_wid.
GtkWidget* create_Kboxs();
// Select: the list of Comb_txt, without "手書KB" when boot_soft is non-zero; Comb_wid 0, 1.
GtkWidget* create_Select(int boot_soft);
// Akeys: the list of the key-assignment texts up to the first empty one; Comb_wid 2, 3.
GtkWidget* create_Akeys();

// Marks row `row` of a selector list (none when row < 0).
void ListMarkRow(GtkWidget* list, int row);
