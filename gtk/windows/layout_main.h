// The main window: title strip, pending text and candidate keys, command and digit
// keys, arrows, enter/BS/ten-key/settings keys, pen-mode key and the two selectors.
#pragma once

#include <gtk/gtk.h>

// Builds the window (not shown) from the three settings faces (EUC-JP, used as they
// are): width, character type and pen mode. Fills Main_wid 1-45 and Comb_wid 4, 5.
GtkWidget* create_Main(const char* hdoub_face, const char* halcm_face, const char* hpmod_face);
