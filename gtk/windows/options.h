// The options dialog: ink colour and width, recognition pause, variable-frame margin
// and post-processing, chosen on the working copy Opt_chng; OK saves them.
#pragma once

#include <gtk/gtk.h>

// Opens the dialog with the working copy filled from the settings (the caller has
// paused raising and released the pen grab).
void OptionDsp();
// Every control of the dialog: colour 0-5, width 11/13/15, keys 21-24 (with 100+ and
// 200+ for the press and release of 21, 22, 24), OK 30, Cancel 31.
void Optn_Click(int code);
// The working copy and the controls back to the settings.
void Optn_Cancel();
// Draws the colour and width samples from the saved settings.
void Optn_Expos();

// Builds the dialog (not shown) with the faces (EUC-JP) of the pause, margin and
// post-processing keys; fills Optn_wid. Every control reports its number to Optn_Click.
GtkWidget* create_Option(const char* pause_face, const char* margin_face, const char* seni_face);
