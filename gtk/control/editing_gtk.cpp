// The toolkit side of character editing: the symbol keys' timers, and the kanji box
// Kbox, whose entry hands the selected kana to the X input method and receives the
// converted text.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/control/editing_gtk.h"
#include "gtk/control/ink.h"
#include "gtk/platform/commit_x.h"
#include "gtk/platform/timers.h"
#include "gtk/platform/xerrors.h"
#include "gtk/windows/layout_aux.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "pad/commit.h"
#include "pad/editing.h"
#include "pad/inkdata.h"
#include "pad/keysend.h"
#include "pad/pending.h"
#include "textconv.h"

namespace {

constexpr guint kPasteDelayMs = 1000;
constexpr guint kInputMethodAttachMs = 1000;  // the input method attaches to a new entry
constexpr int kBoxOffsetX = 33;
constexpr int kBoxAbove = -83;
constexpr int kBoxBelow = 93;
constexpr uint32_t kKeysymSpace = 0x20;

Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

class GtkEditPorts : public EditPorts {
 public:
  void Message(const std::string& utf8) override { MessageBox(utf8.c_str(), kMboxBeep); }
};

void StartPasteTimer() { TimerStart(kTimerPaste, kPasteDelayMs, TimOverpEx, nullptr); }

// --- Is there an input method? --------------------------------------------------------

// The "@im=" name of the locale's modifiers ("" when none is named).
std::string ModifierImName() {
  XSetLocaleModifiers("");
  const char* mods = XSetLocaleModifiers(nullptr);
  const char* at = mods ? std::strstr(mods, "@im=") : nullptr;
  if (!at) return "";
  std::string name(at + 4);
  return name.substr(0, name.find('@'));
}

// Whether an XIM server answers for this locale: it owns the selection it registered
// on the root window, and Xlib opens it. (XOpenIM alone is not enough: without a
// server Xlib opens its own compose-only method.)
bool InputMethodServerAnswers() {
  Display* dpy = XDisplay();
  if (!XSupportsLocale()) return false;
  const std::string wanted = ModifierImName();
  if (wanted == "none" || wanted == "local") return false;
  const Atom servers = XInternAtom(dpy, "XIM_SERVERS", True);
  if (servers == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(dpy, DefaultRootWindow(dpy), servers, 0, 1024, False, XA_ATOM, &type,
                         &format, &count, &after, &data) != Success)
    return false;
  // Any client may write the property: only a list of 32-bit atoms is read.
  std::vector<Atom> atoms;
  if (data && type == XA_ATOM && format == 32) {
    const Atom* listed = reinterpret_cast<const Atom*>(data);
    atoms.assign(listed, listed + count);
  }
  if (data) XFree(data);
  // A listed atom may not exist: its name and owner are then simply not found.
  XErrorTrap trap;
  bool found = false;
  for (size_t i = 0; i < atoms.size() && !found; ++i) {
    char* name = XGetAtomName(dpy, atoms[i]);
    const bool named = name && (wanted.empty() || std::string(name) == "@server=" + wanted);
    if (name) XFree(name);
    found = named && XGetSelectionOwner(dpy, atoms[i]) != None;
  }
  if (trap.End() != 0) Trace("XIM_SERVERS lists atoms that do not exist");
  if (!found) return false;
  XIM im = XOpenIM(dpy, nullptr, nullptr, nullptr);
  if (!im) return false;
  // Xlib's own method edits nothing before the commit; a conversion server shows what
  // it converts (the server may not serve this locale, and Xlib then falls back).
  XIMStyles* styles = nullptr;
  bool edits = false;
  if (!XGetIMValues(im, XNQueryInputStyle, &styles, nullptr) && styles) {
    for (unsigned i = 0; i < styles->count_styles; ++i)
      edits = edits || (styles->supported_styles[i] &
                        (XIMPreeditCallbacks | XIMPreeditPosition | XIMPreeditArea));
    XFree(styles);
  }
  XCloseIM(im);
  return edits;
}

// The box's entry takes the X input method even where GTK would not choose it by
// default (locales other than Japanese, Chinese, Korean and Thai); a module the user
// named in GTK_IM_MODULE stays.
void PreferXimForEntries() {
  const char* named = g_getenv("GTK_IM_MODULE");
  if (named && *named) return;
  g_object_set(gtk_settings_get_default(), "gtk-im-module", "xim", nullptr);
}

// --- The kanji box --------------------------------------------------------------------

struct KboxState {
  bool open = false;
  guint typeTimer = 0;
  unsigned long returnFocus = 0;  // the application that had the focus
  std::string kana;               // the selected text, EUC-JP
};
KboxState kbox;

gboolean DestroyBox(gpointer box) {
  gtk_widget_destroy(static_cast<GtkWidget*>(box));
  return FALSE;
}

void FocusWindowSafely(Window window) {
  XErrorTrap trap;  // the application may have gone meanwhile
  XSetInputFocus(XDisplay(), window, RevertToParent, CurrentTime);
}

gboolean OnBoxDeleted(GtkWidget*, GdkEvent*, gpointer) {
  KboxsClose();
  return TRUE;
}

gboolean OnBoxMapped(GtkWidget* box, GdkEvent*, gpointer) {
  FocusWindowSafely(GDK_WINDOW_XID(gtk_widget_get_window(box)));
  return FALSE;
}

// Once the input method has attached: switch it on, type the kana, start converting.
gboolean TypeSelectedKana(gpointer) {
  kbox.typeTimer = 0;
  if (!kbox.open) return FALSE;
  if (Wid.Kbox_wid[1]) gtk_widget_grab_focus(Wid.Kbox_wid[1]);
  SendModifiedKey(kKeysymShiftL, kKeysymSpace);
  for (uint32_t keysym : RomajiKeysyms(kbox.kana)) KeyTap(keysym);
  KeyTap(kKeysymSpace);
  KeyTap(kKeysymSpace);
  KeyFlush();
  Trace("KBOX typed");
  return FALSE;
}

// Where the box goes: beside the main window's left end, above it, or below it when
// the main window is near the top of the screen.
void PlaceBox(GtkWidget* box) {
  int x = 0, y = 0;
  if (Wid.Main_wid[0] && gtk_widget_get_window(Wid.Main_wid[0]))
    gdk_window_get_root_origin(gtk_widget_get_window(Wid.Main_wid[0]), &x, &y);
  x += kBoxOffsetX;
  y += y < -kBoxAbove ? kBoxBelow : kBoxAbove;
  GtkRequisition size;
  gtk_widget_size_request(box, &size);
  WinPosition(size.width, size.height, &x, &y);
  gtk_window_move(GTK_WINDOW(box), x, y);
  Trace("KBOX open x=%d y=%d width=%d height=%d", x, y, size.width, size.height);
}

// The entry's text in EUC-JP, character by character: what does not convert is left out.
std::string EntryTextEuc(GtkWidget* entry) {
  const std::string utf8 = gtk_entry_get_text(GTK_ENTRY(entry));
  std::string euc;
  if (Utf8ToEuc(utf8, &euc)) return euc;
  euc.clear();
  for (size_t i = 0; i < utf8.size();) {
    const size_t n = std::max<size_t>(Utf8CharLength(utf8, i), 1);
    std::string one;
    if (Utf8ToEuc(utf8.substr(i, n), &one)) euc += one;
    i += n;
  }
  return euc;
}

}  // namespace

void InstallEditPorts() {
  static GtkEditPorts ports;
  SetEditPorts(&ports);
}

void KigoClick(int k) {
  // Ink waiting for the recognition pause goes into the line first.
  if (App.Timer_id[kTimerRecog] && Pad.Ink_data.chars > 0) {
    TimerRemove(kTimerRecog);
    TimRecogEx(nullptr);
  }
  TimerRemove(kTimerPaste);
  if (KigoInsert(k)) StartPasteTimer();
}

void KanjiConvert() {
  if (kbox.open) return;
  const size_t from = EucCharOffset(Pad.Tbuff, Pad.Rang.start);
  const std::string selected(Pad.Tbuff + from, EucCharOffset(Pad.Tbuff, Pad.Rang.end) - from);
  if (Pad.Rang.start >= Pad.Rang.end) {
    gdk_beep();
    return;
  }
  if (!InputMethodServerAnswers()) {
    MessageBox(Msg("日本語変換を起動して下さい"), kMboxBeep);
    return;
  }
  // Without kana the input method would get only the spaces, and commit a space.
  if (RomajiKeysyms(selected).empty()) {
    gdk_beep();
    return;
  }
  PreferXimForEntries();
  FreeGrabEx(0);
  kbox.returnFocus = FocusWindow() ? App.Focus_win : 0;
  kbox.kana = selected;

  // The box is built anew for each conversion, so no state of the last one remains.
  GtkWidget* box = Wid.Kbox_wid[0] ? Wid.Kbox_wid[0] : create_Kboxs();
  if (Res.WinStyle[0]) gtk_widget_set_style(box, Res.WinStyle[0]);
  g_signal_connect(box, "map-event", G_CALLBACK(OnBoxMapped), nullptr);
  g_signal_connect(box, "delete-event", G_CALLBACK(OnBoxDeleted), nullptr);
  gtk_widget_realize(box);
  PlaceBox(box);
  kbox.open = true;
  App.Rais_paus = 0;  // the pad must not be raised over the box
  gtk_widget_show(box);
  gtk_widget_grab_focus(Wid.Kbox_wid[1]);
  Trace("KBOX xid=0x%lx", static_cast<unsigned long>(GDK_WINDOW_XID(gtk_widget_get_window(box))));
  kbox.typeTimer = g_timeout_add(kInputMethodAttachMs, TypeSelectedKana, nullptr);
}

void KboxsClick(int value) {
  if (!kbox.open) return;
  if (value == 0) {
    KboxsClose();
    return;
  }
  // The key took the focus when clicked; Return belongs to the entry.
  if (Wid.Kbox_wid[1]) gtk_widget_grab_focus(Wid.Kbox_wid[1]);
  SendKey(kKeysymReturn);
}

void KboxsChang() {
  if (!kbox.open || !Wid.Kbox_wid[1]) return;
  const std::string euc = EntryTextEuc(Wid.Kbox_wid[1]);
  const bool out = KanjiInsert(euc);
  Trace("KBOX committed");
  KboxsClose();
  if (out) StartPasteTimer();  // after the focus is back with the application
}

void KboxsClose() {
  if (!kbox.open) return;
  kbox.open = false;
  if (kbox.typeTimer) g_source_remove(kbox.typeTimer);
  kbox.typeTimer = 0;
  if (kbox.returnFocus) FocusWindowSafely(kbox.returnFocus);
  App.Rais_paus = 1;
  FreeGrabEx(1);
  GtkWidget* box = Wid.Kbox_wid[0];
  Wid.Kbox_wid[0] = Wid.Kbox_wid[1] = nullptr;
  if (box) {
    gtk_widget_hide(box);
    // Destroyed once the entry's signal that may have brought us here is over.
    g_idle_add(DestroyBox, box);
  }
  Trace("KBOX closed");
}
