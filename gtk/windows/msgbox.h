// The modal message box: a text, OK (and Cancel), answered in a nested main loop.
#pragma once

#include <gtk/gtk.h>

// Style bits.
constexpr int kMboxWithCancel = 0x01;  // show Cancel as well as OK
constexpr int kMboxBeep = 0x10;        // beep when it opens
constexpr int kMboxStayReleased = 0x20;  // leave grab released and raising paused after

// Shows `text` (UTF-8) and waits for a key; true when the user chose OK. While a box is
// open a second one is not stacked: its text goes to standard error and it answers false.
bool MessageBox(const char* text, int style);

// "clicked" of Mok (1) and Mcancel (2): stores the answer and ends the box's loop.
void on_Mbox_clicked(GtkButton* button, gpointer answer);
