// The four shared timer slots Timer_id: arming, removing, and one-shot handlers
// clearing their own slot (removing a finished timer again would be an error).
#pragma once

#include <glib.h>

// Arms slot `slot` with a timer of `ms` milliseconds, replacing one that is armed.
void TimerStart(int slot, guint ms, GSourceFunc handler, gpointer data);
// Removes the timer of the slot if it is still armed; the slot is 0 afterwards.
void TimerRemove(int slot);
// Called by a one-shot handler that is about to return FALSE.
void TimerFinished(int slot);
