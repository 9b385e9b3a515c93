// The GTK side of the ten-key pad: its faces on the keys of Tenk_wid, its timers, and
// the end of a drag of its window.
#pragma once

#include <gtk/gtk.h>

// Installs the pad's TenkeyPorts.
void InstallTenkeyPorts();

// A drag of the ten-key window ends: when it moved, the window stops following its
// owner; its position is kept in tenk_x, tenk_y, on the screen.
void Tenk_DragEnd(GtkWidget* window, GdkEventButton* event);
