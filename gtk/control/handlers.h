// Signal handlers of the main window and its auxiliary windows; each only forwards to
// the logic and returns FALSE where a result is expected, so normal handling goes on.
#pragma once

#include <gtk/gtk.h>

void on_Main_clicked(GtkButton* button, gpointer code);
gboolean on_Main_button_event(GtkWidget* widget, GdkEventButton* event, gpointer code);
gboolean on_Main_expose_event(GtkWidget* widget, GdkEventExpose* event, gpointer data);
gboolean on_MouseDown(GtkWidget* widget, GdkEventButton* event, gpointer is_main);
gboolean on_MouseMove(GtkWidget* widget, GdkEventMotion* event, gpointer is_main);
gboolean on_MouseUp(GtkWidget* widget, GdkEventButton* event, gpointer is_main);
gboolean on_RaiseWindow(GtkWidget* widget, GdkEventVisibility* event, gpointer data);

gboolean on_Combo_button(GtkWidget* widget, GdkEventButton* event, gpointer value);
gboolean on_ComboDown(GtkWidget* widget, GdkEventButton* event, gpointer which);
gboolean on_ComboMove(GtkWidget* widget, GdkEventMotion* event, gpointer which);
gboolean on_ComboUp(GtkWidget* widget, GdkEventButton* event, gpointer which);

void on_Kbox_changed(GtkEditable* editable, gpointer data);
void on_Kbox_clicked(GtkButton* button, gpointer value);
