// Builders of the options dialog Option and the two help windows Help and HelpDsp, and
// their signal handlers, which only forward to the dialogs' logic.
#pragma once

#include <gtk/gtk.h>

// Option, with the faces (EUC-JP) of the pause, margin and post-processing keys; fills
// Optn_wid. Every control reports its number to Optn_Click.
GtkWidget* create_Option(const char* pause_face, const char* margin_face, const char* seni_face);
// Help: the fifteen topic keys (1-15) and the close key (88).
GtkWidget* create_Help();
// HelpDsp: the title label and the text (Help_wid 0 and 1) and the return key (101).
GtkWidget* create_HelpDsp();

void on_Option_toggled(GtkToggleButton* button, gpointer code);
void on_Option_clicked(GtkButton* button, gpointer code);
gboolean on_Optn_button_event(GtkWidget* widget, GdkEventButton* event, gpointer code);
gboolean on_Option_expose_event(GtkWidget* widget, GdkEventExpose* event, gpointer data);
void on_Help_clicked(GtkButton* button, gpointer code);
