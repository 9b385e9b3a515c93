// Keyboard windows coming and going.
#include "gtk/control/keyboard_windows.h"

#include <algorithm>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/layout_keyboards.h"
#include "gtk/windows/selector_lists.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "keyboards/soft.h"

namespace {

constexpr int kLargeAboveMain = 185;  // a large keyboard's top above the main window's

GtkWidget* Window(int k) { return k >= 0 && k < kKeyboards ? Wid.Soft_wid.window[k] : nullptr; }
GtkWidget* TenKeyToggle(int k) { return k >= 0 && k < kKeyboards ? Wid.Soft_wid.tenKey[k] : nullptr; }

const char* LatchFace(int k, int j) {
  if (j == kLatchCaps) return Soft_cap[k];
  const int side = j % 2;
  return j < 2 ? Soft_sft[2 * k + side] : j < 4 ? Soft_ctl[2 * k + side] : Soft_alt[2 * k + side];
}

void SetEntry(int slot, const char* text) {
  GtkWidget* entry = Wid.Comb_wid[slot];
  if (!entry) return;
  if (text) gtk_entry_set_text(GTK_ENTRY(entry), Msg(text));
  gtk_editable_set_position(GTK_EDITABLE(entry), 0);
}

}  // namespace

bool SmallKeyboard(int k) { return k == 2 || k == 4; }

void PlaceKeyboard(int k, const char* typeText) {
  App.Soft_old[k < 3 ? 0 : 1] = static_cast<int16_t>(k);
  Ap_table.imode = static_cast<int16_t>(k + 3);
  GtkWidget* window = Window(k);
  int x, y;
  if (SmallKeyboard(k)) {
    WinPosition(kSmallKeyboardWidth, kSmallKeyboardHeight, &Ap_table.small_x, &Ap_table.small_y);
    x = Ap_table.small_x;
    y = Ap_table.small_y;
    Tenk_Move(kOwnerSmallKeyboard, x, y);
  } else {
    WinPosition(kMainPlaceWidth, kMainPlaceHeight, &Ap_table.win_x, &Ap_table.win_y);
    x = Ap_table.win_x;
    y = std::max(0, Ap_table.win_y - kLargeAboveMain);
    Tenk_Move(kOwnerLargeKeyboard, x, y);
  }
  if (window) {
    MoveWindowTo(window, x, y);
    App.wind_dsp[kShownKeyboard0 + k] = 1;
    gtk_widget_show(window);
  }
  if (Wid.Tenk_wid[0]) MoveWindowTo(Wid.Tenk_wid[0], Ap_table.tenk_x, Ap_table.tenk_y);
  SetEntry(2 * k + 6, typeText);
  SetEntry(2 * k + 7, "割当");
  Trace("KEYBOARD shown=%d x=%d y=%d", k, x, y);
}

void KeyboardTenKeyToggle() {
  const int k = SoftKeyboardIndex(Ap_table.imode);
  if (k < 0) return;
  App.wind_dsp[kShownTenKey] = !App.wind_dsp[kShownTenKey];
  GtkWidget* tenkey = Wid.Tenk_wid[0];
  GtkWidget* toggle = TenKeyToggle(k);
  if (App.wind_dsp[kShownTenKey]) {
    Ap_table.imode = static_cast<int16_t>(Ap_table.imode + 5);
    if (tenkey) {
      MoveWindowTo(tenkey, Ap_table.tenk_x, Ap_table.tenk_y);
      gtk_widget_show(tenkey);
    }
    if (toggle) button_basedisp(kFaceRedraw, toggle, Soft_s10[2 * k + 1]);
  } else {
    Ap_table.imode = static_cast<int16_t>(Ap_table.imode - 5);
    if (tenkey) gtk_widget_hide(tenkey);
    if (toggle) button_basedisp(kFaceRedraw, toggle, Soft_s10[2 * k]);
  }
}

void KeyboardTenKeyOff() {
  const int k = SoftKeyboardIndex(Ap_table.imode);
  GtkWidget* toggle = k >= 0 ? TenKeyToggle(k) : nullptr;
  if (!toggle) return;
  button_basedisp(kFaceRedraw, toggle, Soft_s10[2 * k]);
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(toggle), FALSE);
}

void SftClosed() {
  const int k = SoftKeyboardIndex(Ap_table.imode);
  if (k < 0) return;
  SftReleaseLatches(k);
  App.wind_dsp[kShownKeyboard0 + k] = 0;
  GtkWidget* window = Window(k);
  if (window) {
    Win_Icon(window, 0);  // restores a collapsed keyboard
    gtk_widget_hide(window);
  }
  CloseSelectorLists();
}

void ShowLatchReleased(int k, int j) {
  GtkWidget* toggle = k >= 0 && k <= 2 && j >= 0 && j < kLatchKeys ? Wid.Soft_wid.latch[k][j] : nullptr;
  if (!toggle) return;
  button_basedisp(kFaceReleased, toggle, LatchFace(k, j));
  // The toggle follows the latch already released: its "toggled" changes nothing.
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(toggle), FALSE);
}

void SoftDragEnd(GtkWidget* window, GdkEventButton* event) {
  const int k = SoftKeyboardIndex(Ap_table.imode);
  if (!Win_Upex(window, event)) return;
  if (gtk_widget_get_window(window)) gdk_window_raise(gtk_widget_get_window(window));
  TimerRemove(kTimerRaise);
  const bool small = SmallKeyboard(k);
  const int x = Mov_data.x, y = Mov_data.y;
  if (Mov_data.tenkey_follows && Wid.Tenk_wid[0]) {
    Tenk_Move(small ? kOwnerSmallKeyboard : kOwnerLargeKeyboard, x, y);
    MoveWindowTo(Wid.Tenk_wid[0], Ap_table.tenk_x, Ap_table.tenk_y);
  }
  if (small) {
    Ap_table.small_x = x;
    Ap_table.small_y = y;
    RaiseTimerCheck(window, x, y, App.screen_w - 404, App.screen_h - kSmallKeyboardHeight);
  } else {
    Ap_table.win_x = x;
    Ap_table.win_y = y;
    RaiseTimerCheck(window, x, y, App.screen_w - 772, App.screen_h - kLargeKeyboardHeight);
    Ap_table.win_y += kLargeAboveMain;  // the main window sits below a large keyboard's top
  }
  ApTableEx(1);
}

void ShowKeyboardAtStart() {
  constexpr int kRaisePeriodMs = 500;
  const int k = SoftKeyboardIndex(Ap_table.imode);
  const bool tenkey = Ap_table.imode >= 8;
  const bool small = SmallKeyboard(k);
  PlaceKeyboard(k, nullptr);
  GtkWidget* window = Window(k);
  const int maxX = App.screen_w - (small ? 404 : 772);
  const int maxY = App.screen_h - (small ? kSmallKeyboardHeight : kLargeKeyboardHeight);
  int x = small ? Ap_table.small_x : Ap_table.win_x;
  int y = small ? Ap_table.small_y : std::max(0, Ap_table.win_y - kLargeAboveMain);
  if (window && Ap_table.top_ex && OutsideRaiseArea(x, y, maxX, maxY))
    TimerStart(kTimerRaise, kRaisePeriodMs, Win_Tops2, window);
  if (tenkey && TenKeyToggle(k)) {
    // Setting the toggle brings up the ten-key pad and adds 5 again.
    button_basedisp(kFaceRedraw, TenKeyToggle(k), Soft_s10[2 * k + 1]);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(TenKeyToggle(k)), TRUE);
  }
}
