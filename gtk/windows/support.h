// Interface-builder support: widgets named on their top-level window, pictures from
// the pixmap directories.
#pragma once

#include <gtk/gtk.h>

// Stores `widget` on `toplevel` under `name` (so lookup_widget finds it).
void HookupObject(GtkWidget* toplevel, GtkWidget* widget, const char* name);

// `widget` stored on `toplevel` under `name` and shown: each step of a builder.
GtkWidget* AddNamed(GtkWidget* toplevel, GtkWidget* widget, const char* name);

// A dialog's window: a popup titled `title`, centred, modal, of fixed size.
GtkWidget* ModalPopupWindow(const char* title);

// The widget stored under `name` on the top-level of `widget` (through the attach
// widget of a menu); logs "Widget not found: %s" and returns nullptr when there is none.
GtkWidget* lookup_widget(GtkWidget* widget, const char* name);

// Puts a copy of `directory` at the front of the pixmap search list.
void add_pixmap_directory(const char* directory);

// An image widget from an XPM file found in the listed directories or "../pixmaps";
// a 1x1 transparent image when it cannot be found or loaded.
GtkWidget* create_pixmap(GtkWidget* widget, const char* filename);
