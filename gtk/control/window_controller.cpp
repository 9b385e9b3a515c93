// Input-mode and pen-mode switching: which input window is up, where the pad, its
// fixed frame, the ten-key pad and the keyboards stand, and the pen grab that goes
// with each pen mode.
#include "gtk/control/window_controller.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/control/editing_gtk.h"
#include "gtk/control/ink.h"
#include "gtk/control/keyboard_windows.h"
#include "gtk/lifecycle/engines.h"
#include "gtk/lifecycle/exit.h"
#include "gtk/platform/commit_x.h"
#include "gtk/platform/keysend_x.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/main_key_faces.h"
#include "gtk/windows/selector_lists.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "keyboards/kbdstate.h"
#include "keyboards/soft.h"
#include "pad/display.h"
#include "pad/inkdata.h"
#include "pad/keyfaces.h"
#include "pad/modes.h"
#include "pad/pending.h"
#include "ui/main_faces.h"

namespace {

constexpr int kGrabDelayMs = 500;
constexpr int kFrameCloseWidth = 20;
constexpr int kCollapseFull = 113;
constexpr int kCollapseKana = 78;

GtkWidget* MainKey(int k) { return Wid.Main_wid[k]; }

// The keyboards' effects on the windows: a released latch's face, a window command of
// a keyboard key, the collapse key.
class GtkSoft : public SoftPorts {
 public:
  void LatchReleased(int k, int j) override { ShowLatchReleased(k, j); }
  void ModeChange(int mode) override { Imode_chng(mode); }
  void Collapse(int k) override {
    Win_Icon(k >= 0 && k < kKeyboards ? Wid.Soft_wid.window[k] : nullptr, k >= 3 ? kCollapseKana : kCollapseFull);
  }
};

// The X side of the pad and the keyboards, installed when the first of them comes up.
void InstallPorts() {
  static GtkSoft soft;
  static bool installed = false;
  if (installed) return;
  installed = true;
  SetSoftPorts(&soft);
  InstallPadDisplay();
  InstallCommitPorts();
  InstallXTestKeys();
  InstallEditPorts();
}

// Ten-key window on or off beside the pad (the window itself comes with the ten-key pad).
void PadTenKeyToggle() {
  App.wind_dsp[kShownTenKey] = !App.wind_dsp[kShownTenKey];
  GtkWidget* tenkey = Wid.Tenk_wid[0];
  if (App.wind_dsp[kShownTenKey]) {
    Ap_table.imode = 2;
    if (tenkey) {
      MoveWindowTo(tenkey, Ap_table.tenk_x, Ap_table.tenk_y);
      gtk_widget_show(tenkey);
    }
    button_basedisp(kFaceRedraw, MainKey(kKeyTenKey), MsgEuc("58;2:22:数/記"));
  } else {
    Ap_table.imode = 1;
    if (tenkey) gtk_widget_hide(tenkey);
    button_basedisp(kFaceRedraw, MainKey(kKeyTenKey), MsgEuc("57;2:22:数/記"));
  }
}

// Switches the ten-key window off through its toggle key, whose "toggled" comes back
// here as mode 1 (or 5 on a keyboard).
void TenKeyOff() {
  if (Ap_table.imode >= 3) {
    KeyboardTenKeyOff();
  } else if (MainKey(kKeyTenKey)) {
    button_basedisp(kFaceReleased, MainKey(kKeyTenKey), MsgEuc("57;2:22:数/記"));
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(MainKey(kKeyTenKey)), FALSE);
  }
}

void TenKeyOffIfOn() {
  if (App.wind_dsp[kShownTenKey]) TenKeyOff();
}

// The main window's rectangle on the screen (its real size, also before it is mapped).
WinRect MainWindowRect() {
  GtkWidget* main = Wid.Main_wid[0];
  GtkRequisition size{0, 0};
  if (main && gtk_widget_get_mapped(main)) {
    GtkAllocation a;
    gtk_widget_get_allocation(main, &a);
    size = GtkRequisition{a.width, a.height};
  } else if (main) {
    gtk_widget_size_request(main, &size);
  }
  return WinRect{Ap_table.win_x, Ap_table.win_y, size.width, size.height};
}

// The fixed-frame window at its stored place, moved wholly onto the screen and clear
// of the main window, whose keys would otherwise hide its lower boxes.
void PlaceFrame() {
  GtkWidget* frame = Wid.Fram_wid[0];
  if (!frame) return;
  const FrameSize fs = FixedFrameSize(FittingFrameSize(Ap_table.lframe_size, App.screen_w));
  int x = Ap_table.lframe_x, y = Ap_table.lframe_y;
  PlaceClearOf(fs.width, fs.height, App.screen_w, App.screen_h, MainWindowRect(), &x, &y);
  MoveWindowTo(frame, x, y);
  Trace("FRAMEPLACE x=%d y=%d width=%d height=%d", x, y, fs.width, fs.height);
}

void ShowFrame() {
  GtkWidget* frame = Wid.Fram_wid[0];
  if (!frame) return;
  Fsize_chng(Ap_table.lframe_size);
  App.wind_dsp[kShownFrame] = 1;
  gtk_widget_show(frame);
  if (App.wind_dsp[kShownTenKey] && Wid.Tenk_wid[0] && gtk_widget_get_window(Wid.Tenk_wid[0]))
    gdk_window_raise(gtk_widget_get_window(Wid.Tenk_wid[0]));
}

void HideFrame() {
  if (!App.wind_dsp[kShownFrame]) return;
  App.wind_dsp[kShownFrame] = 0;
  if (Wid.Fram_wid[0]) gtk_widget_hide(Wid.Fram_wid[0]);
}

void SetEntry(int slot, const char* utf8) {
  GtkWidget* entry = Wid.Comb_wid[slot];
  if (!entry) return;
  gtk_entry_set_text(GTK_ENTRY(entry), utf8);
  gtk_editable_set_position(GTK_EDITABLE(entry), 0);
}

void ShowPad() {
  Mov_data.tenkey_follows = 1;
  TenKeyOffIfOn();
  if (Ap_table.imode > 2) {
    SftClosed();
    Ap_table.imode = 1;
    BuffCleaEx();
  }
  Pad_StartEngines();

  GtkWidget* main = Wid.Main_wid[0];
  const WinRect placed = MainWindowRect();
  WinPosition(placed.width, placed.height, &Ap_table.win_x, &Ap_table.win_y);
  MoveWindowTo(main, Ap_table.win_x, Ap_table.win_y);
  App.wind_dsp[kShownMain] = 1;
  gtk_widget_show(main);
  if (Ap_table.pmode == 1) {
    PadInk.Mus_data.state = kPadPenIdle;
    InkDiscardSequence();
    TimerStart(kTimerRecog, kGrabDelayMs, FreeGrabTimer, GINT_TO_POINTER(1));
    MainKeyFace(kKeyPenMode, false);
  } else if (Ap_table.pmode == 2) {
    Pmode_chng(2);
  } else {
    PadInk.Mus_data.state = kPadOff;
  }
  Pad_MakeScreenSave();

  SetEntry(kCombMainImod, Msg(Comb_txt[0]));
  SetEntry(kCombMainAkeys, Msg("割当"));
  Tenk_Move(kOwnerMain, Ap_table.win_x, Ap_table.win_y);
  if (Wid.Tenk_wid[0]) MoveWindowTo(Wid.Tenk_wid[0], Ap_table.tenk_x, Ap_table.tenk_y);
}

// The pad goes: no grab, no fixed frame, no main window, no engines.
void HidePad() {
  FreeGrabEx(0);
  HideFrame();
  App.wind_dsp[kShownMain] = 0;
  if (Wid.Main_wid[0]) gtk_widget_hide(Wid.Main_wid[0]);
  Pad_EndEngines();
  CloseSelectorLists();
}

// Modes 6-12: keyboard mode - 6, or the last full (11) or kana (12) keyboard.
void ShowKeyboard(int mode) {
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
    k = mode == 11 ? std::clamp(static_cast<int>(App.Soft_old[0]), 0, 2)
                   : std::clamp(static_cast<int>(App.Soft_old[1]), 3, 4);
    typeText = mode == 11 ? Comb_txt[1] : Comb_txt[2];
    TenKeyOffIfOn();
    if (Ap_table.imode < 3)
      HidePad();
    else
      SftClosed();
  }
  PlaceKeyboard(k, typeText);
}

}  // namespace

void Imode_chng(int mode) {
  InstallPorts();
  switch (mode) {
    case 1: PadTenKeyToggle(); break;
    case 2: ShowPad(); break;
    case 3: TenKeyOff(); break;
    case 4:
      SftReleaseLatches(SoftKeyboardIndex(Ap_table.imode));
      Delt_event();
      break;
    case 5: KeyboardTenKeyToggle(); break;
    default:
      if (mode >= 6 && mode <= 12) ShowKeyboard(mode);
      break;
  }
  ApTableEx(1);
}

void ShowFirstKeyboard() {
  InstallPorts();
  ShowKeyboardAtStart();
}

void Pmode_chng(int mode) {
  InkDiscard();  // ink of the old mode goes with it
  Ap_table.pmode = static_cast<int16_t>(mode < 0 ? NextPenMode(Ap_table.pmode) : mode % 3);
  MainKeyFace(kKeyPenMode, false);
  ApTableEx(1);
  switch (Ap_table.pmode) {
    case 0:
      FreeGrabEx(0);
      PadInk.Mus_data.state = kPadOff;
      HideFrame();
      break;
    case 1:
      HideFrame();
      FreeGrabEx(1);
      PadInk.Mus_data.state = kPadPenIdle;
      break;
    default:
      FreeGrabEx(0);
      PadInk.Mus_data.state = kPadFrameIdle;
      PadInk.Mus_data.box = 0;
      ShowFrame();
      break;
  }
  Trace("PMODE %d", Ap_table.pmode);
}

void Fsize_chng(int size) {
  Ap_table.lframe_size = static_cast<int16_t>(size < 1 ? 1 : size > 3 ? 3 : size);
  const FrameSize fs = FixedFrameSize(FittingFrameSize(Ap_table.lframe_size, App.screen_w));
  GtkWidget* frame = Wid.Fram_wid[0];
  if (!frame) return;
  if (Wid.Fram_wid[6]) gtk_widget_set_size_request(Wid.Fram_wid[6], -1, fs.rowHeight);
  if (auto* strip = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(frame), "drag-strip")))
    gtk_widget_set_size_request(strip, fs.width - kFrameCloseWidth, -1);
  gtk_widget_set_size_request(frame, fs.width, fs.height);
  gtk_window_resize(GTK_WINDOW(frame), fs.width, fs.height);
  PlaceFrame();
}

void PlaceFixedFrame() {
  if (App.wind_dsp[kShownFrame]) PlaceFrame();
}
