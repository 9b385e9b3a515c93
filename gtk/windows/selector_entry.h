// The read-only entry of a selector (the input type or a key assignment), shared by
// the main window and the keyboards.
#pragma once

#include <gtk/gtk.h>

// A new read-only entry of the given size that never takes the focus. Its text takes
// the largest font, from the 12-pixel entry font down to 7 pixels, that shows it
// whole; the font is chosen again whenever the text changes.
GtkWidget* NewSelectorEntry(int width, int height);
