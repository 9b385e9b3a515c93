// The pen-input pointer grab: one place decides whether the pad holds it.
#pragma once

#include <glib.h>

// Releases (0) or takes (1) the pen-input pointer grab; returns 0. Taking it happens
// only when PenGrabWanted() says so.
int FreeGrabEx(int grab);
// The same as a one-shot handler of timer slot 0; data is the grab value.
gboolean FreeGrabTimer(gpointer grab);
// The pad is up in pen input and nothing else needs the pointer: no window is being
// dragged and no dialog, message box or selector list is up (each of them clears
// Rais_paus while it is up).
bool PenGrabWanted();
