// The selector's choices: marking the row under the pointer, applying the chosen
// input window or assignment.
#include "gtk/windows/selector.h"

#include <cstring>
#include <string>

#include "app/appstate.h"
#include "app/assign.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "gtk/platform/timers.h"
#include "gtk/control/window_controller.h"
#include "gtk/platform/commit_x.h"
#include "gtk/windows/layout_aux.h"
#include "gtk/windows/selector_lists.h"
#include "gtk/windows/widgets.h"
#include "keyboards/kbdstate.h"
#include "keyboards/selector_logic.h"
#include "keyboards/soft.h"
#include "textconv.h"
#include "ui/main_faces.h"

namespace {

constexpr int kPasteMs = 1000;

int rowHeight = 1;  // CombH: the height of one row of the open list

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
  if (SelectorListShown(0)) {
    gdk_pointer_ungrab(GDK_CURRENT_TIME);
    CloseSelectorList(0);
  }
}

void ApplyAssignmentList() {
  if (Kbd.akey_sel < 0) return;
  const AssignAction action = ApplyAssignment(Akey_txt[Kbd.akey_sel]);
  if (action == AssignAction::kCollected) TimerStart(kTimerPaste, kPasteMs, TimOverpEx, nullptr);
  Trace("LIST assignment=%d action=%d", Kbd.akey_sel, static_cast<int>(action));
  gdk_pointer_ungrab(GDK_CURRENT_TIME);
  CloseSelectorList(2);
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
    CloseSelectorLists();
  } else if (value >= 0 && value <= 2) {
    Kbd.comb_sel = value;
    OpenSelectorList(0, CurrentEntry(false));
    ListMarkRow(ListView(0), CombRowOfEntry(Kbd.comb_sel, App.Boot_soft));
  } else if (value == 4) {
    Kbd.akey_sel = -1;
    ListMarkRow(ListView(2), -1);
    OpenSelectorList(2, CurrentEntry(true));
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
