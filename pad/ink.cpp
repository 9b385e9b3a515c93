// Pointer handling of the pad. Only the window drag is here so far: the press is
// offered to the drag handling of each shown window, and the end of a drag stores and
// saves the new position.
#include "pad/ink.h"

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winhandle.h"
#include "app/winplace.h"
#include "ui/widgets.h"

GdkPixmap* Clea_pmap = nullptr;

namespace {

GtkWidget* MainWindow() { return Main_wid[0]; }
GtkWidget* FrameWindow() { return Fram_wid[0]; }
GtkWidget* TenKeyWindow() { return Tenk_wid[0]; }

// The main window after its drag: the ten-key window follows, the window comes to the
// top, and the periodic raise runs only where raising on visibility is not enough.
void AfterMainDrag() {
  GtkWidget* main = MainWindow();
  if (Mov_data.tenkey_follows) {
    Tenk_Move(kOwnerMain, Ap_table.win_x, Ap_table.win_y);
    if (TenKeyWindow()) MoveWindowTo(TenKeyWindow(), Ap_table.tenk_x, Ap_table.tenk_y);
  }
  if (gtk_widget_get_window(main)) gdk_window_raise(gtk_widget_get_window(main));
  RaiseTimerCheck(main, Ap_table.win_x, Ap_table.win_y, screen_w - 772, screen_h - 93);
}

}  // namespace

void Mouse_Down(GdkEventButton* event, int /*is_main*/) {
  if (wind_dsp[kShownMain] && Win_Down(MainWindow(), event, 1)) return;
  if (wind_dsp[kShownTenKey] && Win_Down(TenKeyWindow(), event, 0)) return;
  if (wind_dsp[kShownFrame] && Win_Down(FrameWindow(), event, 0)) return;
}

void Mouse_Move(GdkEventMotion* event, int is_main) {
  if (Mov_data.dragging) Win_Move(is_main ? MainWindow() : FrameWindow(), event);
}

void Mouse_Upex(GdkEventButton* event, int is_main) {
  if (!Mov_data.dragging) return;
  Win_Upex(is_main ? MainWindow() : FrameWindow(), event);
  if (is_main) {
    Ap_table.win_x = Mov_data.x;
    Ap_table.win_y = Mov_data.y;
    ApTableEx(1);
    AfterMainDrag();
  } else {
    Ap_table.lframe_x = Mov_data.x;
    Ap_table.lframe_y = Mov_data.y;
    ApTableEx(1);
  }
}
