// The help viewer: a menu of fifteen topics (Help) and the window showing one (HelpDsp).
#pragma once

#include <gtk/gtk.h>

constexpr int kHelpClose = 88;    // close key of the menu
constexpr int kHelpReturn = 101;  // return key of a topic

// The help key of the main window: the menu, or a message when there is no help file.
void Help_Open();
// Topic keys 1-15, kHelpClose, kHelpReturn.
void Help_Click(int code);

// Help: the fifteen topic keys (1-15) and the close key (88).
GtkWidget* create_Help();
// HelpDsp: the title label and the text (Help_wid 0 and 1) and the return key (101).
GtkWidget* create_HelpDsp();
