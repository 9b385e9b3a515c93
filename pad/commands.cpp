// Main_Click and Imode_chng: the key faces of every key, the ten-key toggle, shrink
// and exit. The pad's own commands take the places marked "not yet".
#include "pad/commands.h"

#include <gtk/gtk.h>

#include "app/appstate.h"
#include "app/exit.h"
#include "app/i18n.h"
#include "app/msgbox.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winhandle.h"
#include "app/winplace.h"
#include "pad/engines.h"
#include "pad/keyfaces.h"
#include "ui/faces.h"
#include "ui/main_faces.h"
#include "ui/widgets.h"

namespace {

constexpr int kShrinkStripWidth = 43;

GtkWidget* Key(int k) { return Main_wid[k]; }

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
    // Blank until the pad shows candidates on these keys.
    button_basedisp(mode, Key(k), pressed ? "54" : "53");
    return;
  }
  if (k == kKeyEnter) {
    button_basedisp(mode, Key(k), MsgEuc(pressed ? "58;5:22:改行" : "57;5:22:改行"));
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

void NotYetAvailable() { MessageBox(Msg("この機能はまだ使えません"), 0); }

// Ten-key window on or off (the window itself comes with the ten-key pad).
void TenKeyToggle() {
  wind_dsp[kShownTenKey] = !wind_dsp[kShownTenKey];
  GtkWidget* tenkey = Tenk_wid[0];
  if (wind_dsp[kShownTenKey]) {
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

// Switches the ten-key window off through its toggle key (which calls Imode_chng(1)).
void TenKeyOff() {
  if (Ap_table.imode < 3 && Key(kKeyTenKey)) {
    button_basedisp(kFaceReleased, Key(kKeyTenKey), MsgEuc("57;2:22:数/記"));
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(Key(kKeyTenKey)), FALSE);
  }
}

void ShowPad() {
  Mov_data.tenkey_follows = 1;
  if (wind_dsp[kShownTenKey]) Imode_chng(3);
  if (Ap_table.imode > 2) Ap_table.imode = 1;  // the keyboards are closed here once they exist
  Pad_StartEngines();

  GtkWidget* main = Main_wid[0];
  MoveWindowTo(main, Ap_table.win_x, Ap_table.win_y);
  wind_dsp[kShownMain] = 1;
  gtk_widget_show(main);
  // Pen input and the fixed frame are set up here by the pad (grab, frame window).

  if (Comb_wid[kCombMainImod]) {
    gtk_entry_set_text(GTK_ENTRY(Comb_wid[kCombMainImod]), Msg(Comb_txt[0]));
    gtk_editable_set_position(GTK_EDITABLE(Comb_wid[kCombMainImod]), 0);
  }
  if (Comb_wid[kCombMainAkeys]) {
    gtk_entry_set_text(GTK_ENTRY(Comb_wid[kCombMainAkeys]), Msg("割当"));
    gtk_editable_set_position(GTK_EDITABLE(Comb_wid[kCombMainAkeys]), 0);
  }
  Tenk_Move(kOwnerMain, Ap_table.win_x, Ap_table.win_y);
  if (Tenk_wid[0]) MoveWindowTo(Tenk_wid[0], Ap_table.tenk_x, Ap_table.tenk_y);
}

}  // namespace

void Main_Click(int code) {
  if (code > kReleaseOffset) {
    DrawKeyFace(code - kReleaseOffset, false);
    return;
  }
  if (code > kPressOffset) {
    DrawKeyFace(code - kPressOffset, true);
    return;
  }
  Trace("CLICK %d", code);
  switch (code) {
    case kKeyTenKey: Imode_chng(1); break;
    case kKeyShrink: Win_Icon(Main_wid[0], kShrinkStripWidth); break;
    case kKeyClose: Delt_event(); break;
    default: NotYetAvailable(); break;
  }
}

void Imode_chng(int mode) {
  switch (mode) {
    case 1: TenKeyToggle(); break;
    case 2: ShowPad(); break;
    case 3: TenKeyOff(); break;
    default: return;  // the keyboards are not built yet
  }
  ApTableEx(1);
}
