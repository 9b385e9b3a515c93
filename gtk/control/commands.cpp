// Main_Click, Imode_chng, Pmode_chng and Fsize_chng: the key faces of every key, the
// pad's commands, the ten-key toggle, shrink and exit, and the pen modes.
#include "gtk/control/commands.h"

#include <gtk/gtk.h>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/app/engines.h"
#include "gtk/app/exit.h"
#include "gtk/app/timers.h"
#include "gtk/control/editing_gtk.h"
#include "gtk/control/ink.h"
#include "gtk/control/switch.h"
#include "gtk/control/winhandle.h"
#include "gtk/platform/commit_x.h"
#include "gtk/platform/keysend_x.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/help.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/options.h"
#include "gtk/windows/widgets.h"
#include "pad/commit.h"
#include "pad/display.h"
#include "pad/editing.h"
#include "pad/inkdata.h"
#include "pad/keyfaces.h"
#include "pad/keysend.h"
#include "pad/modes.h"
#include "pad/pending.h"
#include "ui/main_faces.h"

namespace {

constexpr int kShrinkStripWidth = 43;
constexpr int kGrabDelayMs = 500;
constexpr int kFrameCloseWidth = 20;

GtkWidget* Key(int k) { return Wid.Main_wid[k]; }

const char* SettingsFace(int k) {
  switch (k) {
    case kKeyWidth: return MsgEuc(dob_mode[Ap_table.dbl_mode - 1]);
    case kKeyCharType: return MsgEuc(alm_mode[Ap_table.alc_mode]);
    case kKeyPenMode: return MsgEuc(pen_mode[Ap_table.pmode]);
    default: return nullptr;
  }
}

bool ToggleActive(int k) {
  return Key(k) && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(Key(k)));
}

// The face of key k on press or release.
void DrawKeyFace(int k, bool pressed) {
  if (k < 1 || k > kKeyShrink || !Key(k)) return;
  const int mode = pressed ? kFacePressed : kFaceReleased;
  if (const char* face = SettingsFace(k)) {
    button_basedisp(mode, Key(k),
                    pressed ? InternText(MainKeyPressedVariant(k, face)) : face);
    return;
  }
  if (k >= kKeyCandidateFirst && k <= kKeyCandidateLast) {
    const int key = k - kKeyCandidateFirst + 1;
    ResultDisp(pressed ? -key : key);
    return;
  }
  if (k == kKeyEnter) {
    const int n = Pad.Ink_data.pending > 0 ? 2 : 1;
    EnterDisp(pressed ? n : -n);
    return;
  }
  if (k == kKeyTenKey) {
    // The toggle keeps its pressed face while the ten-key window is on.
    if (pressed || !ToggleActive(k))
      button_basedisp(kFaceRedraw, Key(k), MsgEuc(MainKeyFixedFace(k, pressed).c_str()));
    return;
  }
  const std::string face = MainKeyFixedFace(k, pressed);
  if (!face.empty()) button_basedisp(mode, Key(k), MsgEuc(face.c_str()));
}

void Options() {
  App.Rais_paus = 0;
  FreeGrabEx(0);
  OptionDsp();
}

void WidthKey() {
  Ap_table.dbl_mode = static_cast<int16_t>(NextWidthMode(Ap_table.dbl_mode));
  Pad_SetEngineOptions();
  DrawKeyFace(kKeyWidth, false);
}

void CharTypeKey() {
  Ap_table.alc_mode = static_cast<int16_t>(NextCharType(Ap_table.alc_mode));
  Pad_SetEngineOptions();
  DrawKeyFace(kKeyCharType, false);
}

void ArrowKey(int k) {
  if (FocusWindow()) SendKey(kKeysymLeft + static_cast<uint32_t>(k - kKeyArrowFirst));
}

void TraceCandidatePick() {
  Trace("PICKED entry=%d", CandidateEntry());
}

// Ten-key window on or off (the window itself comes with the ten-key pad).
void TenKeyToggle() {
  App.wind_dsp[kShownTenKey] = !App.wind_dsp[kShownTenKey];
  GtkWidget* tenkey = Wid.Tenk_wid[0];
  if (App.wind_dsp[kShownTenKey]) {
    Ap_table.imode = 2;
    if (tenkey) {
      MoveWindowTo(tenkey, Ap_table.tenk_x, Ap_table.tenk_y);
      gtk_widget_show(tenkey);
    }
    button_basedisp(kFaceRedraw, Key(kKeyTenKey), MsgEuc("58;2:22:数/記"));
  } else {
    Ap_table.imode = 1;
    if (tenkey) gtk_widget_hide(tenkey);
    button_basedisp(kFaceRedraw, Key(kKeyTenKey), MsgEuc("57;2:22:数/記"));
  }
}

// Switches the ten-key window off through its toggle key (which calls Imode_chng(1),
// or Imode_chng(5) on a keyboard).
void TenKeyOff() {
  if (Ap_table.imode >= 3) {
    KeyboardTenKeyOff();
  } else if (Key(kKeyTenKey)) {
    button_basedisp(kFaceReleased, Key(kKeyTenKey), MsgEuc("57;2:22:数/記"));
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(Key(kKeyTenKey)), FALSE);
  }
}

// The X side of the pad, installed when the pad first comes up.
void InstallPlatform() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  InstallPadDisplay();
  InstallCommitPorts();
  InstallXTestKeys();
  InstallEditPorts();
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

void ShowPad() {
  InstallPlatform();
  Mov_data.tenkey_follows = 1;
  if (App.wind_dsp[kShownTenKey]) Imode_chng(3);
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
    DrawKeyFace(kKeyPenMode, false);
  } else if (Ap_table.pmode == 2) {
    Pmode_chng(2);
  } else {
    PadInk.Mus_data.state = kPadOff;
  }
  Pad_MakeScreenSave();

  if (Wid.Comb_wid[kCombMainImod]) {
    gtk_entry_set_text(GTK_ENTRY(Wid.Comb_wid[kCombMainImod]), Msg(Comb_txt[0]));
    gtk_editable_set_position(GTK_EDITABLE(Wid.Comb_wid[kCombMainImod]), 0);
  }
  if (Wid.Comb_wid[kCombMainAkeys]) {
    gtk_entry_set_text(GTK_ENTRY(Wid.Comb_wid[kCombMainAkeys]), Msg("割当"));
    gtk_editable_set_position(GTK_EDITABLE(Wid.Comb_wid[kCombMainAkeys]), 0);
  }
  Tenk_Move(kOwnerMain, Ap_table.win_x, Ap_table.win_y);
  if (Wid.Tenk_wid[0]) MoveWindowTo(Wid.Tenk_wid[0], Ap_table.tenk_x, Ap_table.tenk_y);
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

}  // namespace

void Main_Click(int code) {
  if (code > kReleaseOffset) {
    DrawKeyFace(code - kReleaseOffset, false);
    return;
  }
  if (code > kPressOffset) {
    RecogniseWritingNow();  // a key pressed in the pause acts on what was written
    DrawKeyFace(code - kPressOffset, true);
    return;
  }
  Trace("CLICK %d", code);
  if (code >= kKeyCandidateFirst && code <= kKeyCandidateLast) {
    KohoSwaping(code - kKeyCandidateFirst);
    TraceCandidatePick();
    return;
  }
  if (code >= kKeySymbolFirst && code <= kKeySymbolLast) {
    KigoClick(code - kKeySymbolFirst);
    return;
  }
  if (code >= kKeyArrowFirst && code <= kKeyArrowLast) {
    ArrowKey(code);
    return;
  }
  switch (code) {
    case kKeyJoinSplit: UnionConvert(); break;
    case kKeyKanji: KanjiConvert(); break;
    case kKeyLargeSmall: LowhiConvert(); break;
    case kKeyWidth: WidthKey(); break;
    case kKeyCharType: CharTypeKey(); break;
    case kKeyHelp: Help_Open(); break;
    case kKeyEnter: EnterClick(); break;
    case kKeyBackSpace: BakspClick(); break;
    case kKeyOptions: Options(); break;
    case kKeyTenKey: Imode_chng(1); break;
    case kKeyPenMode: Pmode_chng(-1); break;
    case kKeyShrink: Win_Icon(Wid.Main_wid[0], kShrinkStripWidth); break;
    case kKeyClose: Delt_event(); break;
    default: break;  // every key of the main window is handled above
  }
}

void Imode_chng(int mode) {
  switch (mode) {
    case 1: TenKeyToggle(); break;
    case 2: ShowPad(); break;
    case 3: TenKeyOff(); break;
    default: KeyboardModeChange(mode); break;
  }
  ApTableEx(1);
}

void Pmode_chng(int mode) {
  InkDiscard();  // ink of the old mode goes with it
  Ap_table.pmode = static_cast<int16_t>(mode < 0 ? NextPenMode(Ap_table.pmode) : mode % 3);
  DrawKeyFace(kKeyPenMode, false);
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
