// The window controller: the one place that switches input mode and pen mode and
// shows, hides and places the pad, the fixed frame, the ten-key pad and the
// keyboards. Key handlers call it; it calls only the windows and services below it.
#pragma once

// 1 ten-key window on/off, 2 show the handwriting pad, 3 ten-key window off, 4 close
// the program from a keyboard, 5 a keyboard's ten-key toggle, 6-10 keyboard mode - 6,
// 11 the last full keyboard, 12 the last kana keyboard. Ends by saving the settings.
void Imode_chng(int mode);

// Pen mode: below 0 the next one (mouse, pen, fixed frame), else that mode.
void Pmode_chng(int mode);

// Size 1..3 of the fixed-frame window.
void Fsize_chng(int size);

// The shown fixed-frame window moved wholly onto the screen and clear of the main
// window (after either of them was dragged).
void PlaceFixedFrame();

// Start-up with imode 3-12: shows that keyboard (and its ten-key pad for 8-12).
void ShowFirstKeyboard();
