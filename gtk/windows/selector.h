// The keyboard selector and the assignment list (the two drop-downs of every input
// window): one entry point, Comb_Select, and the pointer handlers of the list windows.
#pragma once

#include <gtk/gtk.h>

// -1 close the lists; 0-2 open the input list; 4 open the assignment list; 5 and 6
// apply them; 10-12 and 20-29 mark an entry.
void Comb_Select(int value);
// Press and motion in a list window (which = 0 Select, 2 Akeys).
void Comb_Down(GdkEventButton* event, int which);
void Comb_Move(GdkEventMotion* event, int which);
