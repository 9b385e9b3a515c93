// The ten-key pad TenKey: a title strip with its close key, a 4x4 grid of symbol
// keys, the mode and Enter keys and the page keys.
#pragma once

#include <gtk/gtk.h>

// Builds the window (not shown) and fills Tenk_wid 1-22; start-up stores the window
// in slot 0.
GtkWidget* create_TenKey();

void on_Tenkey_clicked(GtkButton* button, gpointer value);
gboolean on_Tkey_button_event(GtkWidget* widget, GdkEventButton* event, gpointer value);
gboolean on_Tenk_press_event(GtkWidget* widget, GdkEventButton* event, gpointer data);
gboolean on_Tenk_notify_event(GtkWidget* widget, GdkEventMotion* event, gpointer data);
gboolean on_Tenk_release_event(GtkWidget* widget, GdkEventButton* event, gpointer data);
