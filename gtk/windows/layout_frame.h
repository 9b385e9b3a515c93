// The fixed-frame window Frame: a title strip with its close key, the frame-size
// radio buttons and a row of five writing boxes.
#pragma once

#include <gtk/gtk.h>

// Builds the window (not shown) with the radio button of `size` (1..3) active; fills
// Fram_wid 1-5 (the boxes) and 6 (their row). Start-up stores the window in slot 0.
GtkWidget* create_Frame(int size);

// The close key: leaves fixed-frame input by advancing the pen mode.
void on_Frame_clicked(GtkButton* button, gpointer data);
// A size button toggled: only the one switched on changes the size.
void on_Fsize_toggle(GtkToggleButton* button, gpointer size);
