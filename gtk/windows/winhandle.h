// Window handling: dragging by the title strip, keeping windows raised, shrinking the
// main window to a strip, and the pen-input pointer grab that drags and boxes release.
#pragma once

#include <gtk/gtk.h>

#include "gtk/platform/pengrab.h"

// Whether the press starts a drag of `window` (and starts it); has_icon_key is 1 for
// the main window, whose strip begins with the shrink key.
int Win_Down(GtkWidget* window, GdkEventButton* event, int has_icon_key);
// The window being dragged, or null. Events of a quick drag may still come to the
// window that held the pointer before (the pen grab's main window), so they are
// handed to the dragged window whatever window they came to.
GtkWidget* DraggedWindow();
// Follows the pointer while dragging: moves the dragged window.
void Win_Move(GtkWidget* window, GdkEventMotion* event);
// Ends a drag of `window` (1) or does nothing (0); the new position is in Mov_data.x,
// Mov_data.y.
int Win_Upex(GtkWidget* window, GdkEventButton* event);

// Raises `window` when top_ex and Rais_paus are set (on visibility changes).
void Win_Tops(GtkWidget* window);
// Periodic raise (timer slot 3): raises the window while Rais_paus is set; repeats.
gboolean Win_Tops2(gpointer window);
// Removes the periodic raise and starts it again only if top_ex is set and the window
// at (x, y) lies outside 0 <= x <= maxX, 0 <= y <= maxY.
void RaiseTimerCheck(GtkWidget* window, int x, int y, int maxX, int maxY);

// Shrinks `window` to strip_width x 20 at (2, screen height - 22) or restores it.
void Win_Icon(GtkWidget* window, int strip_width);

// Places a window: gtk_window_move and, when it is mapped, at once.
void MoveWindowTo(GtkWidget* window, int x, int y);

// The root point relative to `widget`; true when it lies on the mapped widget.
bool PointOnWidget(GtkWidget* widget, int rootX, int rootY, int* x, int* y);
