// Keyboard windows coming and going.
#include "gtk/control/switch.h"

#include <algorithm>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/app/engines.h"
#include "gtk/app/exit.h"
#include "gtk/app/timers.h"
#include "gtk/control/commands.h"
#include "gtk/control/winhandle.h"
#include "gtk/platform/commit_x.h"
#include "gtk/platform/keysend_x.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/layout_keyboards.h"
#include "gtk/windows/selector.h"
#include "gtk/windows/widgets.h"
#include "keyboards/kana.h"
#include "keyboards/kbdstate.h"
#include "keyboards/soft.h"
#include "ui/main_faces.h"

namespace {

constexpr int kLargeAboveMain = 185;  // a large keyboard's top above the main window's
constexpr int kCollapseFull = 113;
constexpr int kCollapseKana = 78;
constexpr int kRaisePeriodMs = 500;

bool Small(int k) { return k == 2 || k == 4; }
GtkWidget* Window(int k) { return k >= 0 && k < kKeyboards ? Wid.Soft_wid.window[k] : nullptr; }
GtkWidget* TenKeyToggle(int k) { return k >= 0 && k < kKeyboards ? Wid.Soft_wid.tenKey[k] : nullptr; }

const char* LatchFace(int k, int j) {
  if (j == kLatchCaps) return Soft_cap[k];
  const int side = j % 2;
  return j < 2 ? Soft_sft[2 * k + side] : j < 4 ? Soft_ctl[2 * k + side] : Soft_alt[2 * k + side];
}

class GtkSoft : public SoftPorts {
 public:
  void LatchReleased(int k, int j) override {
    GtkWidget* toggle = k >= 0 && k <= 2 && j >= 0 && j < kLatchKeys ? Wid.Soft_wid.latch[k][j] : nullptr;
    if (!toggle) return;
    button_basedisp(kFaceReleased, toggle, LatchFace(k, j));
    // The toggle follows the latch already released: its "toggled" changes nothing.
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(toggle), FALSE);
  }
  void ModeChange(int mode) override { Imode_chng(mode); }
  void Collapse(int k) override { Win_Icon(Window(k), k >= 3 ? kCollapseKana : kCollapseFull); }
};

void InstallPorts() {
  static GtkSoft ports;
  static bool installed = false;
  if (installed) return;
  installed = true;
  SetSoftPorts(&ports);
  InstallCommitPorts();
  InstallXTestKeys();
}

void SetEntry(int slot, const char* text) {
  GtkWidget* entry = Wid.Comb_wid[slot];
  if (!entry) return;
  if (text) gtk_entry_set_text(GTK_ENTRY(entry), Msg(text));
  gtk_editable_set_position(GTK_EDITABLE(entry), 0);
}

// Places keyboard k, shows it and the ten-key pad's place beside it; imode = k + 3.
void Place(int k, const char* typeText) {
  App.Soft_old[k < 3 ? 0 : 1] = static_cast<int16_t>(k);
  Ap_table.imode = static_cast<int16_t>(k + 3);
  GtkWidget* window = Window(k);
  int x, y;
  if (Small(k)) {
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

void TenKeyOffIfOn() {
  if (App.wind_dsp[kShownTenKey]) Imode_chng(3);
}

// The pad goes: no grab, no fixed frame, no main window, no engines.
void HidePad() {
  FreeGrabEx(0);
  if (App.wind_dsp[kShownFrame] && Wid.Fram_wid[0]) {
    App.wind_dsp[kShownFrame] = 0;
    gtk_widget_hide(Wid.Fram_wid[0]);
  }
  App.wind_dsp[kShownMain] = 0;
  if (Wid.Main_wid[0]) gtk_widget_hide(Wid.Main_wid[0]);
  Pad_EndEngines();
  Comb_Select(-1);
}

void SwitchTo(int mode) {
  Mov_data.tenkey_follows = 1;
  if (mode == 9 || mode == 10 || mode == 12) Kbd.K50button = 0;
  int k;
  const char* typeText = nullptr;
  if (mode <= 10) {
    k = mode - 6;
    if (mode <= 8) {
      SftClosed();
      TenKeyOffIfOn();
    } else {
      TenKeyOffIfOn();
      SftClosed();
    }
  } else {
    k = mode == 11 ? App.Soft_old[0] : App.Soft_old[1];
    k = mode == 11 ? std::clamp(k, 0, 2) : std::clamp(k, 3, 4);
    typeText = mode == 11 ? Comb_txt[1] : Comb_txt[2];
    TenKeyOffIfOn();
    if (Ap_table.imode < 3)
      HidePad();
    else
      SftClosed();
  }
  Place(k, typeText);
}

void TenKeyToggle() {
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

}  // namespace

void KeyboardModeChange(int mode) {
  InstallPorts();
  switch (mode) {
    case 4:
      SftReleaseLatches(SoftKeyboardIndex(Ap_table.imode));
      Delt_event();
      break;
    case 5: TenKeyToggle(); break;
    default:
      if (mode >= 6 && mode <= 12) SwitchTo(mode);
      break;
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
  InstallPorts();
  SftReleaseLatches(k);
  App.wind_dsp[kShownKeyboard0 + k] = 0;
  GtkWidget* window = Window(k);
  if (window) {
    Win_Icon(window, 0);  // restores a collapsed keyboard
    gtk_widget_hide(window);
  }
  Comb_Select(-1);
}

void ShowFirstKeyboard() {
  InstallPorts();
  const int k = SoftKeyboardIndex(Ap_table.imode);
  const bool tenkey = Ap_table.imode >= 8;
  Place(k, nullptr);
  GtkWidget* window = Window(k);
  const int maxX = App.screen_w - (Small(k) ? 404 : 772);
  const int maxY = App.screen_h - (Small(k) ? kSmallKeyboardHeight : kLargeKeyboardHeight);
  int x = Small(k) ? Ap_table.small_x : Ap_table.win_x;
  int y = Small(k) ? Ap_table.small_y : std::max(0, Ap_table.win_y - kLargeAboveMain);
  if (window && Ap_table.top_ex && OutsideRaiseArea(x, y, maxX, maxY))
    TimerStart(kTimerRaise, kRaisePeriodMs, Win_Tops2, window);
  if (tenkey && TenKeyToggle(k)) {
    // Setting the toggle brings up the ten-key pad and adds 5 again.
    button_basedisp(kFaceRedraw, TenKeyToggle(k), Soft_s10[2 * k + 1]);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(TenKeyToggle(k)), TRUE);
  }
}

void SoftDragEnd(GtkWidget* window, GdkEventButton* event) {
  const int k = SoftKeyboardIndex(Ap_table.imode);
  if (!Win_Upex(window, event)) return;
  if (gtk_widget_get_window(window)) gdk_window_raise(gtk_widget_get_window(window));
  TimerRemove(kTimerRaise);
  const bool small = Small(k);
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
