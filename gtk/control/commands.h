// The main window's dispatcher and the switching of input windows and pen modes.
#pragma once

// Key k clicked (1..41), pressed (100 + k) or released (200 + k).
void Main_Click(int code);

// 1 ten-key window on/off, 2 show the handwriting pad, 3 ten-key window off, 4..12
// the keyboards (gtk/control/switch.h). Ends by saving the settings.
void Imode_chng(int mode);

// Pen mode: below 0 the next one (mouse, pen, fixed frame), else that mode.
void Pmode_chng(int mode);

// Size 1..3 of the fixed-frame window.
void Fsize_chng(int size);

// The shown fixed-frame window moved wholly onto the screen and clear of the main
// window (after either of them was dragged).
void PlaceFixedFrame();
