// Main_Click: what each key of the main window does; window and mode changes go to the
// window controller.
#include "gtk/control/commands.h"

#include <gtk/gtk.h>

#include "app/settings.h"
#include "app/trace.h"
#include "gtk/control/ink.h"
#include "gtk/control/window_controller.h"
#include "gtk/lifecycle/engines.h"
#include "gtk/lifecycle/exit.h"
#include "gtk/windows/help.h"
#include "gtk/windows/main_key_faces.h"
#include "gtk/windows/options.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "pad/commit.h"
#include "pad/editing.h"
#include "pad/keyfaces.h"
#include "pad/keysend.h"
#include "pad/modes.h"

namespace {

constexpr int kShrinkStripWidth = 43;

void Options() {
  App.Rais_paus = 0;
  FreeGrabEx(0);
  OptionDsp();
}

void WidthKey() {
  Ap_table.dbl_mode = static_cast<int16_t>(NextWidthMode(Ap_table.dbl_mode));
  Pad_SetEngineOptions();
  MainKeyFace(kKeyWidth, false);
}

void CharTypeKey() {
  Ap_table.alc_mode = static_cast<int16_t>(NextCharType(Ap_table.alc_mode));
  Pad_SetEngineOptions();
  MainKeyFace(kKeyCharType, false);
}

void ArrowKey(int k) {
  if (FocusWindow()) SendKey(kKeysymLeft + static_cast<uint32_t>(k - kKeyArrowFirst));
}

void TraceCandidatePick() {
  Trace("PICKED entry=%d", CandidateEntry());
}

}  // namespace

void Main_Click(int code) {
  if (code > kReleaseOffset) {
    MainKeyFace(code - kReleaseOffset, false);
    return;
  }
  if (code > kPressOffset) {
    RecogniseWritingNow();  // a key pressed in the pause acts on what was written
    MainKeyFace(code - kPressOffset, true);
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
