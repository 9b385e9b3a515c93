// The help viewer: a menu of fifteen topics (Help) and the window showing one (HelpDsp).
#pragma once

constexpr int kHelpClose = 88;    // close key of the menu
constexpr int kHelpReturn = 101;  // return key of a topic

// The help key of the main window: the menu, or a message when there is no help file.
void Help_Open();
// Topic keys 1-15, kHelpClose, kHelpReturn.
void Help_Click(int code);
