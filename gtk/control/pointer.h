// Pointer events of the main window and the fixed-frame window: window drags, key
// presses while the pointer is grabbed, the pending-text cursor, and pen strokes.
#pragma once

#include <gtk/gtk.h>

// is_main is 1 for the main window, 0 for the fixed-frame window.
void Mouse_Down(GdkEventButton* event, int is_main);
void Mouse_Move(GdkEventMotion* event, int is_main);
void Mouse_Upex(GdkEventButton* event, int is_main);
