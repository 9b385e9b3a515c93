// Program exit.
#include "gtk/lifecycle/exit.h"

#include <glib-unix.h>
#include <gtk/gtk.h>

#include <csignal>

#include "app/appstate.h"
#include "app/exit_request.h"
#include "app/pidfile.h"
#include "app/settings.h"
#include "app/trace.h"
#include "gtk/lifecycle/engines.h"
#include "gtk/windows/resources.h"

namespace {

gboolean OnTerminationSignal(gpointer) {
  Delt_event();
  return G_SOURCE_CONTINUE;
}

}  // namespace

void Delt_event() {
  if (ExitRequested()) return;
  MarkExitRequested();
  if (App.wind_dsp[kShownMain]) Pad_EndEngines();
  if (Res.Clea_pmap) {
    g_object_unref(Res.Clea_pmap);
    Res.Clea_pmap = nullptr;
  }
  ApTableEx(1);
  RemovePidFile();
  Trace("EXIT");
  if (gtk_main_level() > 0) gtk_main_quit();
}

void CatchTermination() {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) g_unix_signal_add(sig, OnTerminationSignal, nullptr);
}
