// The fatal message: standard error, then the message box, then exit(1).
#include "gtk/lifecycle/fatal.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/trace.h"
#include "gtk/windows/layout_aux.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"

void FatalExit(const char* message) {
  gdk_beep();
  gdk_flush();
  std::fputs(message, stderr);
  std::string text(message);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  Trace("FATAL %s", text.c_str());
  // The box's key faces need the drawing resources: before those exist (memory
  // short at the very start) standard error is all there is.
  if (gdk_display_get_default() && Res.Butn_gc[kGcNormalText]) {
    if (!Wid.Mbox_wid[kMboxWindow]) create_Mboxs();  // failures before the windows are built
    MessageBox(text.c_str(), 0);
  }
  std::exit(1);
}
