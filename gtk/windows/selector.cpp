// The selector lists on screen: opening one below the current input window's entry
// with the pointer grabbed for it, marking the row under the pointer, applying the
// choice and closing.
#include "gtk/windows/selector.h"

#include <cstring>
#include <string>

#include "app/appstate.h"
#include "app/assign.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "gtk/app/timers.h"
#include "gtk/control/commands.h"
#include "gtk/control/winhandle.h"
#include "gtk/platform/commit_x.h"
#include "gtk/windows/layout_aux.h"
#include "gtk/windows/widgets.h"
#include "keyboards/kbdstate.h"
#include "keyboards/selector_logic.h"
#include "keyboards/soft.h"
#include "textconv.h"
#include "ui/main_faces.h"

namespace {

constexpr int kPasteMs = 1000;

// Shown flags of the two list windows.
bool listShown[2];
int rowHeight = 1;  // CombH: the height of one row of the open list

int ListIndex(int which) { return which == 0 ? 0 : 1; }
GtkWidget* ListWindow(int which) { return Wid.Comb_wid[which == 0 ? kCombSelectWindow : kCombAkeysWindow]; }
GtkWidget* ListView(int which) { return Wid.Comb_wid[which == 0 ? kCombSelectList : kCombAkeysList]; }

// The entries of the input window that is up: the pad's, or keyboard k's.
GtkWidget* CurrentEntry(bool assignment) {
  const int k = SoftKeyboardIndex(Ap_table.imode);
  const int slot = k < 0 ? (assignment ? kCombMainAkeys : kCombMainImod) : 2 * k + 6 + (assignment ? 1 : 0);
  return Wid.Comb_wid[slot];
}

void SetEntry(GtkWidget* entry, const char* utf8) {
  if (!entry) return;
  gtk_entry_set_text(GTK_ENTRY(entry), utf8);
  gtk_editable_set_position(GTK_EDITABLE(entry), 0);
}

void Open(int which, GtkWidget* entry) {
  GtkWidget* window = ListWindow(which);
  if (!window || !entry || !gtk_widget_get_window(entry)) return;
  listShown[ListIndex(which)] = true;
  App.Rais_paus = 0;
  FreeGrabEx(0);

  int ex, ey;
  gdk_window_get_origin(gtk_widget_get_window(entry), &ex, &ey);
  GtkAllocation a;
  gtk_widget_get_allocation(entry, &a);
  if (!gtk_widget_get_has_window(entry)) {
    ex += a.x;
    ey += a.y;
  }
  GtkRequisition req;
  gtk_widget_size_request(window, &req);
  int x, y;
  CombListPlace(ex, ey, a.width, a.height, req.width, req.height, App.screen_w, App.screen_h, &x, &y);
  MoveWindowTo(window, x, y);
  gtk_widget_show(window);
  gdk_window_raise(gtk_widget_get_window(window));
  GdkCursor* arrow = gdk_cursor_new(GDK_LEFT_PTR);
  const GdkGrabStatus status = gdk_pointer_grab(
      gtk_widget_get_window(window), FALSE,
      static_cast<GdkEventMask>(GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_BUTTON_MOTION_MASK),
      nullptr, arrow, GDK_CURRENT_TIME);
  gdk_cursor_unref(arrow);
  Trace("LIST open which=%d x=%d y=%d width=%d height=%d grab=%d", which, x, y, req.width,
        req.height, static_cast<int>(status));
}

void Close(int which) {
  const int i = ListIndex(which);
  if (!listShown[i]) return;
  listShown[i] = false;
  if (ListWindow(which)) gtk_widget_hide(ListWindow(which));
  App.Rais_paus = 1;
  FreeGrabEx(1);
  Trace("LIST closed which=%d", which);
}

void CloseAll() {
  gdk_pointer_ungrab(GDK_CURRENT_TIME);
  Close(0);
  Close(2);
}

void MarkInput(int row) {
  Kbd.comb_sel = CombEntryOfRow(row, App.Boot_soft);
  SetEntry(CurrentEntry(false), Msg(Comb_txt[Kbd.comb_sel]));
  ListMarkRow(ListView(0), CombRowOfEntry(Kbd.comb_sel, App.Boot_soft));
}

void MarkAssignment(int entry) {
  if (entry < 0 || entry >= kAkeyEntries || Akey_txt[entry][0] == '\0') return;
  Kbd.akey_sel = entry;
  std::string utf8;
  if (!EucToUtf8(std::string(Akey_txt[entry], strnlen(Akey_txt[entry], kAkeyEntrySize)), &utf8))
    utf8.clear();
  SetEntry(CurrentEntry(true), utf8.c_str());
  ListMarkRow(ListView(2), entry);
}

void ApplyInput() {
  const int mode = CombApplyMode(Kbd.comb_sel, Ap_table.imode);
  Trace("LIST chose entry=%d mode=%d", Kbd.comb_sel, mode);
  if (mode != 0) Imode_chng(mode);
  if (listShown[0]) {
    gdk_pointer_ungrab(GDK_CURRENT_TIME);
    Close(0);
  }
}

void ApplyAssignmentList() {
  if (Kbd.akey_sel < 0) return;
  const AssignAction action = ApplyAssignment(Akey_txt[Kbd.akey_sel]);
  if (action == AssignAction::kCollected) TimerStart(kTimerPaste, kPasteMs, TimOverpEx, nullptr);
  Trace("LIST assignment=%d action=%d", Kbd.akey_sel, static_cast<int>(action));
  gdk_pointer_ungrab(GDK_CURRENT_TIME);
  Close(2);
}

// The row under y in a list of `rows` rows; false when the list has none.
bool Row(int which, double y, int* row) {
  GtkWidget* window = ListWindow(which);
  const int rows = which == 0 ? CombInputRows(App.Boot_soft) : AssignmentCount(Akey_txt);
  if (!window || rows == 0) return false;
  GtkAllocation a;
  gtk_widget_get_allocation(window, &a);
  rowHeight = a.height / rows > 0 ? a.height / rows : 1;
  *row = static_cast<int>(y) / rowHeight;
  return true;
}

bool Inside(GtkWidget* window, double x, double y) {
  GtkAllocation a;
  gtk_widget_get_allocation(window, &a);
  return x >= 0 && y >= 0 && x < a.width && y < a.height;
}

}  // namespace

void Comb_Select(int value) {
  if (value == -1) {
    CloseAll();
  } else if (value >= 0 && value <= 2) {
    Kbd.comb_sel = value;
    Open(0, CurrentEntry(false));
    ListMarkRow(ListView(0), CombRowOfEntry(Kbd.comb_sel, App.Boot_soft));
  } else if (value == 4) {
    Kbd.akey_sel = -1;
    ListMarkRow(ListView(2), -1);
    Open(2, CurrentEntry(true));
  } else if (value == 5) {
    ApplyInput();
  } else if (value == 6) {
    ApplyAssignmentList();
  } else if (value >= 10 && value <= 12) {
    MarkInput(value - 10);
  } else if (value >= 20 && value <= 29) {
    MarkAssignment(value - 20);
  }
}

void Comb_Down(GdkEventButton* event, int which) {
  GtkWidget* window = ListWindow(which);
  int row = 0;
  if (!window || !Inside(window, event->x, event->y) || !Row(which, event->y, &row)) {
    Comb_Select(-1);
    return;
  }
  Comb_Select((which == 0 ? 10 : 20) + row);
}

void Comb_Move(GdkEventMotion* event, int which) {
  GtkWidget* window = ListWindow(which);
  if (!window || !Inside(window, event->x, event->y)) return;
  const int rows = which == 0 ? CombInputRows(App.Boot_soft) : AssignmentCount(Akey_txt);
  if (rows == 0) return;
  Comb_Select((which == 0 ? 10 : 20) + static_cast<int>(event->y) / rowHeight);
}
