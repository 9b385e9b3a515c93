// Timer slots.
#include "gtk/platform/timers.h"

#include "app/appstate.h"

void TimerStart(int slot, guint ms, GSourceFunc handler, gpointer data) {
  TimerRemove(slot);
  App.Timer_id[slot] = g_timeout_add(ms, handler, data);
}

void TimerRemove(int slot) {
  const guint id = App.Timer_id[slot];
  App.Timer_id[slot] = 0;
  if (id != 0 && g_main_context_find_source_by_id(nullptr, id)) g_source_remove(id);
}

void TimerFinished(int slot) { App.Timer_id[slot] = 0; }
