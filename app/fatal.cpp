// The fatal message: standard error, then the message box, then exit(1).
#include "app/fatal.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/msgbox.h"
#include "app/trace.h"
#include "ui/layout_aux.h"
#include "ui/resources.h"
#include "ui/widgets.h"

void FatalExit(const char* message) {
  gdk_beep();
  gdk_flush();
  std::fputs(message, stderr);
  std::string text(message);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  Trace("FATAL %s", text.c_str());
  // The box's key faces need the drawing resources: before those exist (memory
  // short at the very start) standard error is all there is.
  if (gdk_display_get_default() && Butn_gc[kGcNormalText]) {
    if (!Mbox_wid[kMboxWindow]) create_Mboxs();  // failures before the windows are built
    MessageBox(text.c_str(), 0);
  }
  std::exit(1);
}
