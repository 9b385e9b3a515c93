// GDK ends the program on an X error that comes outside a trap of its own. An error
// caused by another client's window or property is no reason to lose the user's
// pending text, so a trap that is never ended keeps every error recoverable, and
// errors outside this program's own traps are reported on standard error.
#include "gtk/platform/xerrors.h"

#include <X11/Xlib.h>
#include <gdk/gdk.h>

#include <cstdio>

#include "app/trace.h"

namespace {

XErrorHandler toolkitHandler = nullptr;
int trapDepth = 0;

int OnXError(Display* display, XErrorEvent* error) {
  if (trapDepth == 0) {
    char text[160] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "sorenix: X error ignored: %s (request %d.%d, resource 0x%lx)\n", text,
                 error->request_code, error->minor_code, error->resourceid);
    Trace("XERROR code=%d request=%d", error->error_code, error->request_code);
  }
  // The toolkit records the error for the trap that is open.
  return toolkitHandler ? toolkitHandler(display, error) : 0;
}

}  // namespace

XErrorTrap::XErrorTrap() {
  ++trapDepth;
  gdk_error_trap_push();
}

XErrorTrap::~XErrorTrap() { End(); }

int XErrorTrap::End() {
  if (!open_) return 0;
  open_ = false;
  gdk_flush();
  --trapDepth;
  return gdk_error_trap_pop();
}

void InstallXErrorHandling() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  gdk_error_trap_push();  // never ended: the base that keeps errors recoverable
  toolkitHandler = XSetErrorHandler(OnXError);
}
