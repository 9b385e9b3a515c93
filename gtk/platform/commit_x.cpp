// Focus query with XGetInputFocus and the top-level window behind it, and the
// clipboard through Text151: its text goes to the clipboard and the primary selection,
// which get back what they held once the target has fetched it.
#include "gtk/platform/commit_x.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "app/appstate.h"
#include "gtk/platform/selection_keeper_x.h"
#include "gtk/platform/timers.h"
#include "gtk/platform/xerrors.h"
#include "gtk/windows/widgets.h"
#include "pad/commit.h"
#include "pad/keyfaces.h"
#include "pad/platform.h"
#include "textconv.h"

namespace {

Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

// The window the window manager names as its own (_NET_SUPPORTING_WM_CHECK on the root).
unsigned long SupportingWmWindow(Display* dpy, Window root) {
  const Atom check = XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return 0;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  unsigned long window = 0;
  if (XGetWindowProperty(dpy, root, check, 0, 1, False, XA_WINDOW, &type, &format, &items, &after,
                         &data) == Success &&
      type == XA_WINDOW && format == 32 && items == 1 && data)
    window = *reinterpret_cast<unsigned long*>(data);
  if (data) XFree(data);
  return window;
}

// The ancestor of `window` whose parent is the root; 0 when the window is gone.
Window TopLevelOf(Display* dpy, Window window, Window root) {
  for (int depth = 0; depth < 64 && window != 0; ++depth) {
    Window rootReturn = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, window, &rootReturn, &parent, &children, &count)) return 0;
    if (children) XFree(children);
    if (parent == root) return window;
    window = parent;
  }
  return 0;
}

class XFocus : public FocusProbe {
 public:
  FocusFacts Query() override {
    Display* dpy = XDisplay();
    FocusFacts f;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(dpy, &focus, &revert);
    f.window = focus;
    f.root = DefaultRootWindow(dpy);
    f.screenWidth = DisplayWidth(dpy, DefaultScreen(dpy));
    f.screenHeight = DisplayHeight(dpy, DefaultScreen(dpy));
    if (focus == None || focus == PointerRoot || focus == f.root) return f;
    // The focus window may vanish while it is looked at: X errors are expected here.
    XErrorTrap trap;
    f.wmSupporting = SupportingWmWindow(dpy, f.root);
    f.topLevel = TopLevelOf(dpy, focus, f.root);
    XWindowAttributes a;
    if (f.topLevel != 0 && XGetWindowAttributes(dpy, f.topLevel, &a)) {
      f.viewable = a.map_state == IsViewable;
      f.overrideRedirect = a.override_redirect;
      f.x = a.x;
      f.y = a.y;
      f.width = a.width;
      f.height = a.height;
    } else {
      f.topLevel = 0;
    }
    if (trap.End() != 0) f.topLevel = 0;
    return f;
  }
};

class EntryClipboard : public PasteBoard {
 public:
  bool Put(const std::string& euc) override {
    GtkWidget* entry = Wid.Main_wid[kSlotPasteEntry];
    if (!entry) return false;
    std::string utf8;
    if (!EucToUtf8(euc, &utf8)) {
      std::fprintf(stderr, "sorenix: the pending text does not convert to UTF-8\n");
      return false;
    }
    gtk_entry_set_text(GTK_ENTRY(entry), utf8.c_str());
    // Shift+Insert pastes the primary selection in terminals: it holds the text too.
    OfferPasteText(utf8);
    return true;
  }
};

}  // namespace

void InstallCommitPorts() {
  static XFocus focus;
  static EntryClipboard clipboard;
  SetFocusProbe(&focus);
  SetPasteBoard(&clipboard);
}

gboolean TimOverpEx(gpointer) {
  TimerRemove(kTimerPaste);
  CommitOverText();
  return FALSE;
}
