// Pointer events of the main window and the fixed-frame window: window dragging by the
// title strip now; pen strokes, grabbed key presses and the pending-text cursor later.
#pragma once

#include <gtk/gtk.h>

// The saved screen under the ink (pen input), made when the pad is first shown.
extern GdkPixmap* Clea_pmap;

// is_main is 1 for the main window, 0 for the fixed-frame window.
void Mouse_Down(GdkEventButton* event, int is_main);
void Mouse_Move(GdkEventMotion* event, int is_main);
void Mouse_Upex(GdkEventButton* event, int is_main);
