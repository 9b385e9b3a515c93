// The options dialog: ink colour and width, recognition pause, variable-frame margin
// and post-processing, chosen on the working copy Opt_chng; OK saves them.
#pragma once

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
