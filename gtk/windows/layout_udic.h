// The user-dictionary windows: the registration dialog Udic and the browser UdicDsp.
#pragma once

#include <gtk/gtk.h>

// Builds the registration dialog (not shown); fills Udic_wid 0-11.
GtkWidget* create_Udic();
// Builds the browser (not shown); fills Udic_wid 12-28.
GtkWidget* create_UdicDsp();

// Root-coordinate centre of a widget, and "x,y,w,h" of its place on the screen.
void WidgetCentre(GtkWidget* widget, int* x, int* y);

gboolean on_Udic_MouseDown(GtkWidget* window, GdkEventButton* event, gpointer data);
gboolean on_Udic_MouseMove(GtkWidget* window, GdkEventMotion* event, gpointer data);
gboolean on_Udic_MouseUp_event(GtkWidget* window, GdkEventButton* event, gpointer data);
void on_Udic_clicked(GtkButton* button, gpointer value);
gboolean on_Udic_button_event(GtkWidget* button, GdkEventButton* event, gpointer value);
// Redraws the ink of the area in Udic_wid slot `slot`.
gboolean on_Udic_expose(GtkWidget* area, GdkEventExpose* event, gpointer slot);
gboolean on_UdicDsp_button_press_event(GtkWidget* window, GdkEventButton* event, gpointer data);
