// The selections during a paste. Each selection the pad takes is offered through its own
// callbacks, so it knows when the target fetched the text and when another program took
// the selection over (then that program's text stays and nothing is put back).
#include "gtk/platform/selection_keeper_x.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include "app/trace.h"
#include "gtk/platform/xerrors.h"

namespace {

constexpr gint64 kOwnerAnswerUs = 500 * 1000;  // an owner slower than this keeps nothing
constexpr guint kRestoreAfterFetchMs = 300;     // the target may ask more than once
constexpr guint kRestoreUnfetchedMs = 2000;     // a target that never asks

struct Selection {
  Selection(GdkAtom a, const char* n) : atom(a), name(n) {}
  GdkAtom atom;
  const char* name;
  bool ours = false;      // offered by the pad, until another owner takes it
  bool pasting = false;   // what the pad offers is the text to paste, not the kept one
  bool kept = false;      // the user's text was read before the pad took the selection
  std::string keptText;   // UTF-8
  std::string offered;    // UTF-8
};

Selection g_selections[] = {{GDK_SELECTION_CLIPBOARD, "clipboard"}, {GDK_SELECTION_PRIMARY, "primary"}};
guint g_restoreTimer = 0;

void ArmRestore(guint ms);

// Reads the text another program offers in `selection` (UTF8_STRING, else STRING),
// waiting for its answer at most kOwnerAnswerUs. False with no owner, a window of this
// program as the owner, no text, or a transfer in pieces (INCR: very large text is not kept).
bool ReadForeignText(GdkAtom selection, std::string* text) {
  Display* dpy = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
  const Atom sel = gdk_x11_atom_to_xatom(selection);
  const Window owner = XGetSelectionOwner(dpy, sel);
  if (owner == None) return false;
  // GDK also knows other programs' windows (foreign ones), under ids the X server reuses.
  GdkWindow* known = gdk_window_lookup(owner);
  if (known && gdk_window_get_window_type(known) != GDK_WINDOW_FOREIGN) return false;
  // A window of its own, unknown to GDK, receives the answers while the pad waits here.
  static const Window requestor = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
  const Atom property = XInternAtom(dpy, "SORENIX_KEPT_SELECTION", False);
  const Atom incr = XInternAtom(dpy, "INCR", False);
  const Atom targets[] = {XInternAtom(dpy, "UTF8_STRING", False), XA_STRING};
  for (const Atom target : targets) {
    XConvertSelection(dpy, sel, target, property, requestor, CurrentTime);
    XFlush(dpy);
    XEvent event;
    bool answered = false;
    for (const gint64 until = g_get_monotonic_time() + kOwnerAnswerUs; g_get_monotonic_time() < until;) {
      if (XCheckTypedWindowEvent(dpy, requestor, SelectionNotify, &event)) {
        answered = true;
        break;
      }
      g_usleep(2000);
    }
    if (!answered) return false;
    if (event.xselection.property == None) continue;  // not in this form
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    XErrorTrap trap;
    const int status = XGetWindowProperty(dpy, requestor, property, 0, 1L << 22, True, AnyPropertyType, &type,
                                          &format, &items, &after, &data);
    trap.End();
    bool ok = status == Success && type != incr && format == 8 && data != nullptr;
    if (ok && target == XA_STRING) {
      gchar* utf8 = g_convert(reinterpret_cast<const gchar*>(data), static_cast<gssize>(items), "UTF-8",
                              "ISO-8859-1", nullptr, nullptr, nullptr);
      ok = utf8 != nullptr;
      if (ok) text->assign(utf8);
      g_free(utf8);
    } else if (ok) {
      text->assign(reinterpret_cast<const char*>(data), items);
      ok = g_utf8_validate(text->data(), static_cast<gssize>(text->size()), nullptr);
    }
    if (data) XFree(data);
    return ok;
  }
  return false;
}

void GetText(GtkClipboard*, GtkSelectionData* data, guint, gpointer user) {
  Selection* s = static_cast<Selection*>(user);
  gtk_selection_data_set_text(data, s->offered.c_str(), static_cast<gint>(s->offered.size()));
  if (s->pasting) {
    Trace("CLIPBOARD fetched %s", s->name);
    ArmRestore(kRestoreAfterFetchMs);
  }
}

void Cleared(GtkClipboard*, gpointer user) { static_cast<Selection*>(user)->ours = false; }

void Offer(Selection* s, const std::string& text, bool pasting) {
  GtkTargetList* list = gtk_target_list_new(nullptr, 0);
  gtk_target_list_add_text_targets(list, 0);
  gint count = 0;
  GtkTargetEntry* targets = gtk_target_table_new_from_list(list, &count);
  s->offered = text;
  s->ours = gtk_clipboard_set_with_data(gtk_clipboard_get(s->atom), targets, static_cast<guint>(count), GetText,
                                        Cleared, s);
  s->pasting = pasting;
  gtk_target_table_free(targets, count);
  gtk_target_list_unref(list);
}

// Puts the kept text back where the pad still holds the pasted one; a selection that
// another program took meanwhile keeps that program's text.
gboolean Restore(gpointer) {
  g_restoreTimer = 0;
  for (Selection& s : g_selections) {
    if (!s.ours || !s.pasting) continue;
    if (s.kept) {
      Offer(&s, s.keptText, false);
    } else {
      gtk_clipboard_clear(gtk_clipboard_get(s.atom));
      s.ours = false;
    }
  }
  Trace("CLIPBOARD restored clipboard=%s primary=%s", g_selections[0].kept ? "kept" : "empty",
        g_selections[1].kept ? "kept" : "empty");
  return FALSE;
}

void ArmRestore(guint ms) {
  if (g_restoreTimer) g_source_remove(g_restoreTimer);
  g_restoreTimer = g_timeout_add(ms, Restore, nullptr);
}

}  // namespace

void OfferPasteText(const std::string& utf8) {
  for (Selection& s : g_selections) {
    // While the pad holds a selection, the user's text is the one kept before.
    if (!s.ours) s.kept = ReadForeignText(s.atom, &s.keptText);
    Offer(&s, utf8, true);
  }
  ArmRestore(kRestoreUnfetchedMs);
}
