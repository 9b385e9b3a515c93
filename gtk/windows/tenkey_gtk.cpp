// Faces, timers and the drag end of the ten-key pad.
#include "gtk/windows/tenkey_gtk.h"

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winplace.h"
#include "gtk/platform/timers.h"
#include "gtk/control/window_controller.h"
#include "gtk/control/ink.h"
#include "gtk/windows/winhandle.h"
#include "gtk/platform/commit_x.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/widgets.h"
#include "keyboards/tenkey.h"
#include "pad/inkdata.h"
#include "pad/pending.h"

namespace {

gboolean RedrawTimer(gpointer) {
  TimerFinished(kTimerTenKey);
  Tenk_Click(kTenkRedraw);
  return FALSE;
}

class GtkTenkey : public TenkeyPorts {
 public:
  void DrawFace(int slot, int mode, const std::string& face) override {
    if (slot > 0 && slot < kTenkSlots && Wid.Tenk_wid[slot])
      button_basedisp(mode, Wid.Tenk_wid[slot], face.c_str());
  }
  void RestartRedrawTimer() override {
    TimerStart(kTimerTenKey, kTenkRedrawMs, RedrawTimer, nullptr);
  }
  void RecognizeNow() override {
    // Slot 0 also holds the delayed pen grab: only written characters are recognised.
    if (App.Timer_id[kTimerRecog] == 0 || Pad.Ink_data.chars == 0) return;
    TimerRemove(kTimerRecog);
    TimRecogEx(nullptr);
  }
  void RestartPasteTimer() override {
    TimerStart(kTimerPaste, kTenkPasteMs, TimOverpEx, nullptr);
  }
  void Close() override { Imode_chng(3); }
  void Beep() override { gdk_beep(); }
};

}  // namespace

void InstallTenkeyPorts() {
  static GtkTenkey ports;
  SetTenkeyPorts(&ports);
}

void Tenk_DragEnd(GtkWidget* window, GdkEventButton* event) {
  int x = Ap_table.tenk_x, y = Ap_table.tenk_y;
  if (Win_Upex(window, event)) {
    // tenk_x, tenk_y hold where the pad last put the window.
    if (Mov_data.x != x || Mov_data.y != y) Mov_data.tenkey_follows = 0;
    x = Mov_data.x;
    y = Mov_data.y;
  } else if (gtk_widget_get_window(window)) {
    gdk_window_get_origin(gtk_widget_get_window(window), &x, &y);
  }
  GtkAllocation a;
  gtk_widget_get_allocation(window, &a);
  WinPosition(a.width, a.height, &x, &y);
  Ap_table.tenk_x = x;
  Ap_table.tenk_y = y;
}
