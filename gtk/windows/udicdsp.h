// The browser of taught samples, opened from the user-dictionary dialog.
#pragma once

#include <gtk/gtk.h>

// Reads the learning file and shows the browser's first page in place of the dialog.
void LeaDicStrt();
void LeaDicDisp();
void LeaInkDisp();
void LeaDicDelt();
void Udic_Selct(GdkEventButton* event);
// The browser's keys 101-105 and the redraw of cell 1-8.
void Udic_BrowserKey(int value);
void Udic_RedrawCell(int cell);

// The window (fills Udic_wid 12-28), built once and not shown.
GtkWidget* create_UdicDsp();
