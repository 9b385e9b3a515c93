// Focus query with XGetInputFocus and the clipboard through Text151: its text is
// selected, which also makes it the primary selection, and copied to the clipboard.
#include "pad/commit_x.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "app/appstate.h"
#include "app/timers.h"
#include "pad/commit.h"
#include "pad/keyfaces.h"
#include "pad/platform.h"
#include "textconv.h"
#include "ui/widgets.h"

namespace {

Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

class XFocus : public FocusProbe {
 public:
  unsigned long FocusWindowId() override {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(XDisplay(), &focus, &revert);
    return focus;
  }
  unsigned long RootWindowId() override { return DefaultRootWindow(XDisplay()); }
};

class EntryClipboard : public PasteBoard {
 public:
  bool Put(const std::string& euc) override {
    GtkWidget* entry = Main_wid[kSlotPasteEntry];
    if (!entry) return false;
    std::string utf8;
    if (!EucToUtf8(euc, &utf8)) {
      std::fprintf(stderr, "sorenix: the pending text does not convert to UTF-8\n");
      return false;
    }
    gtk_entry_set_text(GTK_ENTRY(entry), utf8.c_str());
    gtk_editable_select_region(GTK_EDITABLE(entry), 0, -1);
    gtk_editable_copy_clipboard(GTK_EDITABLE(entry));
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
