// Widgets the two user-dictionary windows share: their pop-up, the one-character
// entries, the ink areas, and where a widget stands on the screen.
#pragma once

#include <gtk/gtk.h>

constexpr int kUdicKeyWidth = 60;
constexpr int kUdicKeyHeight = 25;

// A modal pop-up in the windows' style.
GtkWidget* UdicPopup(const char* title);
// A one-character entry the user cannot type into.
GtkWidget* UdicCharEntry(GtkWidget* top, const char* name, int width);
// A white drawing area (*area) in a frame with an optional label (catalogue literal).
GtkWidget* UdicInkArea(GtkWidget* top, const char* frameName, const char* label, const char* areaName, int width,
                       int height, GtkWidget** area);
// Root-coordinate centre of a widget.
void WidgetCentre(GtkWidget* widget, int* x, int* y);
// A key of either window whose press and release only change its look (faces are
// catalogue literals); its click calls `onClick` with `value`.
GtkWidget* UdicKey(GtkWidget* top, const char* name, const char* face, const char* pressed, GCallback onClick,
                   int value);
