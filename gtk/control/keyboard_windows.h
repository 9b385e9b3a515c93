// The keyboard windows on screen: placing and showing one, hiding it with its latches
// released, its ten-key toggle, a latch's released face, and the end of its drag.
#pragma once

#include <gtk/gtk.h>

// Places keyboard k (0-4), shows it and moves the ten-key pad beside it; imode = k + 3.
// typeText, when given, goes into its selector entry.
void PlaceKeyboard(int k, const char* typeText);

// Ten-key pad on or off beside the current keyboard (imode +5 / -5).
void KeyboardTenKeyToggle();

// Switches the ten-key pad off through the current keyboard's toggle.
void KeyboardTenKeyOff();

// Releases the current keyboard's latches, hides it and closes the selector list.
void SftClosed();

// Latch key j of keyboard k shows its released face, its toggle up.
void ShowLatchReleased(int k, int j);

// A press-drag-release on a keyboard window ended.
void SoftDragEnd(GtkWidget* window, GdkEventButton* event);

// Whether keyboard k is one of the two small ones.
bool SmallKeyboard(int k);

// Start-up with imode 3-12: shows that keyboard, raised periodically where needed, and
// sets its ten-key toggle for 8-12 (which brings up the ten-key pad).
void ShowKeyboardAtStart();
