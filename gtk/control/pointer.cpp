// Pointer routing of the pad. In pen input the main window holds a pointer grab
// without owner events, so every press, motion and release on the screen comes here
// and the pad finds the key under the pointer itself: window drags, key presses, the
// pending-text cursor, or ink.
#include "gtk/control/pointer.h"

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winplace.h"
#include "gtk/control/commands.h"
#include "gtk/control/ink.h"
#include "gtk/control/window_controller.h"
#include "gtk/windows/selector.h"
#include "gtk/windows/tenkey_gtk.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "keyboards/tenkey.h"
#include "pad/display.h"
#include "pad/inkdata.h"
#include "pad/keyfaces.h"
#include "pad/pending.h"

namespace {

constexpr int kPendingTop = 20;      // the pending text lies below the title strip
constexpr int kPendingBottom = 52;
constexpr int kPendingLeft = 37;
constexpr int kPendingRight = 237;
constexpr int kKeySelector = 44;
constexpr int kKeyAssign = 45;

GtkWidget* MainWindow() { return Wid.Main_wid[0]; }
GtkWidget* FrameWindow() { return Wid.Fram_wid[0]; }
GtkWidget* TenKeyWindow() { return Wid.Tenk_wid[0]; }

bool OnPendingText(int x, int y, int top) {
  return y > top && y < kPendingBottom && x >= kPendingLeft && x < kPendingRight &&
         gtk_widget_get_mapped(Wid.Main_wid[kSlotPendingArea]);
}

// The main window after its drag: the ten-key window follows, the window comes to the
// top, and the periodic raise runs only where raising on visibility is not enough.
void AfterMainDrag() {
  GtkWidget* main = MainWindow();
  if (Mov_data.tenkey_follows) {
    Tenk_Move(kOwnerMain, Ap_table.win_x, Ap_table.win_y);
    if (TenKeyWindow()) MoveWindowTo(TenKeyWindow(), Ap_table.tenk_x, Ap_table.tenk_y);
  }
  PlaceFixedFrame();
  if (gtk_widget_get_window(main)) gdk_window_raise(gtk_widget_get_window(main));
  RaiseTimerCheck(main, Ap_table.win_x, Ap_table.win_y, App.screen_w - 772, App.screen_h - 93);
}

// The end of a drag that started on a press of the main window or the fixed-frame
// window; under the pen grab that includes the ten-key window's.
void EndDrag(GtkWidget* dragged, GdkEventButton* event) {
  if (dragged == TenKeyWindow()) {
    Tenk_DragEnd(dragged, event);
    return;
  }
  if (!Win_Upex(dragged, event)) return;
  if (dragged == MainWindow()) {
    Ap_table.win_x = Mov_data.x;
    Ap_table.win_y = Mov_data.y;
    ApTableEx(1);
    AfterMainDrag();
  } else if (dragged == FrameWindow()) {
    Ap_table.lframe_x = Mov_data.x;
    Ap_table.lframe_y = Mov_data.y;
    ApTableEx(1);
    PlaceFixedFrame();
  }
}

// The key of the main window under a root point, 0 when there is none.
int MainKeyAt(int rootX, int rootY) {
  for (int k = 1; k < kMainSlots; ++k) {
    if (k == kSlotPasteEntry || k == kSlotPendingArea) continue;
    int kx, ky;
    if (PointOnWidget(Wid.Main_wid[k], rootX, rootY, &kx, &ky)) return k;
  }
  return 0;
}

// Pen-down on the main window while nothing is written: the pending text or a key.
// True when the press ends there.
bool MainPress(int rootX, int rootY) {
  int x, y;
  if (!PointOnWidget(MainWindow(), rootX, rootY, &x, &y)) return false;
  if (OnPendingText(x, y, -1)) {
    PendingPlaceCursor(PendingIndexAt(x));
    return true;
  }
  if (const int k = MainKeyAt(rootX, rootY)) {
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Main_wid[k], &a);
    PadInk.Mus_data.key = static_cast<int16_t>(k);
    PadInk.Mus_data.key_rect = Rect16{0, 0, static_cast<uint16_t>(a.width), static_cast<uint16_t>(a.height)};
    if (k <= kKeyClose) Main_Click(kPressOffset + k);
  }
  return true;
}

bool OnTenKeyWindow(int rootX, int rootY) {
  int x, y;
  return App.wind_dsp[kShownTenKey] && PointOnWidget(TenKeyWindow(), rootX, rootY, &x, &y);
}

// Pen-down on the ten-key window under the grab: its key i is recorded as -i and
// shows its pressed face. True when the press lies on the window.
bool TenKeyPress(int rootX, int rootY) {
  int x, y;
  if (!OnTenKeyWindow(rootX, rootY)) return false;
  for (int i = 1; i < kTenkSlots; ++i) {
    if (!PointOnWidget(Wid.Tenk_wid[i], rootX, rootY, &x, &y)) continue;
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Tenk_wid[i], &a);
    PadInk.Mus_data.key = static_cast<int16_t>(-i);
    PadInk.Mus_data.key_rect = Rect16{0, 0, static_cast<uint16_t>(a.width), static_cast<uint16_t>(a.height)};
    Tenk_Click(kPressOffset + i);
    break;
  }
  return true;
}

// Pen-up of a key pressed under the grab: its released face, and its action when the
// pointer is still on it.
void MainKeyRelease(int rootX, int rootY) {
  const int k = PadInk.Mus_data.key;
  PadInk.Mus_data.key = 0;
  int x, y;
  if (k < 0) {
    Tenk_Click(kReleaseOffset - k);
    if (PointOnWidget(Wid.Tenk_wid[-k], rootX, rootY, &x, &y)) Tenk_Click(-k);
    return;
  }
  const bool inside = PointOnWidget(Wid.Main_wid[k], rootX, rootY, &x, &y);
  if (k == kKeySelector || k == kKeyAssign) {
    if (inside) Comb_Select(k == kKeySelector ? 0 : 4);
    return;
  }
  Main_Click(kReleaseOffset + k);
  if (!inside) return;
  if (k == kKeyTenKey)
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(Wid.Main_wid[k]), !App.wind_dsp[kShownTenKey]);
  else
    Main_Click(k);
}

}  // namespace

void Mouse_Down(GdkEventButton* event, int is_main) {
  const int rootX = static_cast<int>(event->x_root);
  const int rootY = static_cast<int>(event->y_root);
  PadInk.Mus_data.key = 0;
  // A key is a key, also while characters are being written: never ink.
  if (InkWriting() && is_main && PadInk.Mus_data.state == kPadPenIdle && event->button == 1 &&
      (MainKeyAt(rootX, rootY) != 0 || OnTenKeyWindow(rootX, rootY)))
    RecogniseWritingNow();
  if (!InkWriting()) {
    if (App.wind_dsp[kShownMain] && Win_Down(MainWindow(), event, 1)) return;
    if (App.wind_dsp[kShownTenKey] && Win_Down(TenKeyWindow(), event, 0)) return;
    if (App.wind_dsp[kShownFrame] && Win_Down(FrameWindow(), event, 0)) return;
    if (is_main && (MainPress(rootX, rootY) || TenKeyPress(rootX, rootY))) return;
  }
  if (!(PadInk.Mus_data.state & kPadReady) || event->button != 1) return;
  InkStrokeDown(rootX, rootY, !is_main);
}

void Mouse_Move(GdkEventMotion* event, int is_main) {
  if (DraggedWindow()) {
    Win_Move(DraggedWindow(), event);
    return;
  }
  const int rootX = static_cast<int>(event->x_root);
  const int rootY = static_cast<int>(event->y_root);
  int x, y;
  if (is_main && PadInk.Mus_data.key == 0 && !InkWriting() && PointOnWidget(MainWindow(), rootX, rootY, &x, &y) &&
      OnPendingText(x, y, kPendingTop))
    PendingDragTo(PendingIndexAt(x));
  InkStrokeTo(rootX, rootY);
}

void Mouse_Upex(GdkEventButton* event, int is_main) {
  if (GtkWidget* dragged = DraggedWindow()) {
    EndDrag(dragged, event);
    return;
  }
  const int rootX = static_cast<int>(event->x_root);
  const int rootY = static_cast<int>(event->y_root);
  if (is_main && !InkWriting()) {
    if (PadInk.Mus_data.key != 0) {
      MainKeyRelease(rootX, rootY);
      return;
    }
    int x, y;
    if (PointOnWidget(MainWindow(), rootX, rootY, &x, &y) && OnPendingText(x, y, -1)) {
      PendingDragTo(PendingIndexAt(x));
      ResultDisp(10);
      return;
    }
  }
  if (!(PadInk.Mus_data.state & kPadStroking) || event->button != 1) return;
  InkStrokeUp(rootX, rootY);
}
