// The main window's key faces.
#include "gtk/windows/main_key_faces.h"

#include <gtk/gtk.h>

#include <string>

#include "app/i18n.h"
#include "app/settings.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/widgets.h"
#include "pad/display.h"
#include "pad/keyfaces.h"
#include "pad/pending.h"
#include "ui/main_faces.h"

namespace {

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

}  // namespace

void MainKeyFace(int k, bool pressed) {
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
