// Switching between the handwriting pad and the keyboards: showing a keyboard in its
// place, closing it with its latches released, its ten-key toggle, and the end of a
// drag of a keyboard window.
#pragma once

#include <gtk/gtk.h>

// Imode_chng for the keyboards: 4 close the program from a keyboard, 5 its ten-key
// toggle, 6-10 switch to keyboard mode - 6, 11 the last full keyboard, 12 the last
// kana keyboard.
void KeyboardModeChange(int mode);

// Switches the ten-key pad off through the current keyboard's toggle.
void KeyboardTenKeyOff();

// Releases the current keyboard's latches, hides it and closes the selector list.
void SftClosed();

// Start-up with imode 3-12: shows that keyboard (and its ten-key pad for 8-12).
void ShowFirstKeyboard();

// A press-drag-release on a keyboard window ended.
void SoftDragEnd(GtkWidget* window, GdkEventButton* event);
