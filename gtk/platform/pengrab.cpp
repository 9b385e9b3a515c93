// The pen-input pointer grab. Whether the grab is wanted follows from the program's
// own state, never from gdk_pointer_is_grabbed(): GDK keeps reporting a grab for a
// while after it was released (until the next event from the server shows the end),
// and it also reports the grabs of drags and lists, so asking it right after a drag
// or a list ends would leave pen input off.
#include "gtk/platform/pengrab.h"

#include <gtk/gtk.h>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/widgets.h"

namespace {

// Another client (a window manager busy with its own grab) may hold the pointer for a
// moment: the grab is tried again for a while.
constexpr guint kRetryMs = 100;
constexpr int kRetries = 30;

bool held = false;  // the pen grab is in force, as far as the pad asked for it
guint retryTimer = 0;
int retriesLeft = 0;

GdkWindow* MainGdkWindow() {
  GtkWidget* main = Wid.Main_wid[0];
  return main && gtk_widget_get_mapped(main) ? gtk_widget_get_window(main) : nullptr;
}

void StopRetrying() {
  if (retryTimer) g_source_remove(retryTimer);
  retryTimer = 0;
}

bool Take();

gboolean RetryTimer(gpointer) {
  retryTimer = 0;
  if (--retriesLeft > 0 && !Take() && PenGrabWanted())
    retryTimer = g_timeout_add(kRetryMs, RetryTimer, nullptr);
  return FALSE;
}

// Grabs whenever the grab is wanted, also when it may be held already: a second grab
// of this client replaces the first, so there is nothing to lose.
bool Take() {
  if (!PenGrabWanted()) return true;
  GdkCursor* pencil = gdk_cursor_new(GDK_PENCIL);
  const GdkGrabStatus status = gdk_pointer_grab(
      MainGdkWindow(), FALSE,
      static_cast<GdkEventMask>(GDK_BUTTON_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                GDK_BUTTON_RELEASE_MASK),
      nullptr, pencil, GDK_CURRENT_TIME);
  gdk_cursor_unref(pencil);
  held = status == GDK_GRAB_SUCCESS;
  Trace("GRAB on status=%d", static_cast<int>(status));
  return held;
}

}  // namespace

bool PenGrabWanted() {
  return App.wind_dsp[kShownMain] && Ap_table.pmode == 1 && MainGdkWindow() && !Mov_data.dragging &&
         App.Rais_paus;
}

int FreeGrabEx(int grab) {
  // A grab change cancels a pending recognition; the next pen-up arms it again.
  TimerRemove(kTimerRecog);
  StopRetrying();
  if (grab == 0) {
    if (held) {
      gdk_pointer_ungrab(GDK_CURRENT_TIME);
      Trace("GRAB off");
    }
    held = false;
  } else if (!Take() && PenGrabWanted()) {
    retriesLeft = kRetries;
    retryTimer = g_timeout_add(kRetryMs, RetryTimer, nullptr);
  }
  return 0;
}

gboolean FreeGrabTimer(gpointer grab) {
  TimerFinished(kTimerRecog);
  FreeGrabEx(GPOINTER_TO_INT(grab));
  return FALSE;
}
