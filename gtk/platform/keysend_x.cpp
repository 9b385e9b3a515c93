// XTEST key injection.
#include "gtk/platform/keysend_x.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>

#include <cstdio>

#include "keyboards/keysend.h"

namespace {

class XTestKeys : public KeySender {
 public:
  void Event(uint32_t keysym, bool press) override {
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    const KeyCode code = XKeysymToKeycode(display, keysym);
    if (code == 0) {
      // A keyboard map without this key: nothing to send.
      std::fprintf(stderr, "sorenix: no key for keysym 0x%lx\n", static_cast<unsigned long>(keysym));
      return;
    }
    XTestFakeKeyEvent(display, code, press ? True : False, CurrentTime);
  }
  bool HasKey(uint32_t keysym) override {
    return XKeysymToKeycode(GDK_DISPLAY_XDISPLAY(gdk_display_get_default()), keysym) != 0;
  }
  int ShiftLevel(uint32_t keysym) override {
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    const KeyCode code = XKeysymToKeycode(display, keysym);
    if (code == 0) return -1;
    for (int level = 0; level < 2; ++level)
      if (XkbKeycodeToKeysym(display, code, 0, level) == keysym) return level;
    return -1;
  }
  void Flush() override { XFlush(GDK_DISPLAY_XDISPLAY(gdk_display_get_default())); }
};

}  // namespace

void InstallXTestKeys() {
  static XTestKeys keys;
  SetKeySender(&keys);
}
