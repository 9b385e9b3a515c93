// Commit of the pending line: clipboard hand-over and the synthesised paste key.
#include "pad/commit.h"

#include <cstring>
#include <string>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/trace.h"
#include "pad/keysend.h"
#include "pad/platform.h"
#include "textconv.h"

namespace {

// Puts Over_text on the clipboard, empties it and sends the paste key; false (with a
// beep, Over_text kept) when the clipboard did not take it.
bool PasteOverText() {
  const std::string text(App.Over_text, strnlen(App.Over_text, sizeof App.Over_text));
  if (!PadClipboard().Put(text)) {
    PadScreen().Beep();
    return false;
  }
  std::memset(App.Over_text, 0, sizeof App.Over_text);
  SendPasteKey(Ap_table.past_type);
  if (TraceOn()) {
    std::string utf8;
    EucToUtf8(text, &utf8);
    Trace("PASTE focus=0x%lx text=%s", App.Focus_win, utf8.c_str());
  }
  return true;
}

}  // namespace

void SendPasteKey(int pastType) {
  switch (pastType) {
    case kPasteAltV: SendModifiedKey(kKeysymAltL, kKeysymV); break;
    case kPasteShiftInsert: SendModifiedKey(kKeysymShiftL, kKeysymInsert); break;
    default: SendModifiedKey(kKeysymControlL, kKeysymV); break;
  }
}

bool FocusWindow() {
  const FocusFacts facts = PadFocus().Query();
  App.Focus_win = facts.window;
  return FocusTakesText(facts);
}

void EnterClick() {
  if (Pad.Ink_data.pending > 0) {
    if (!FocusWindow()) {
      PadScreen().Beep();  // nowhere to paste: the line stays
      Trace("NOFOCUS focus=0x%lx", App.Focus_win);
      return;
    }
    const size_t waiting = strnlen(App.Over_text, sizeof App.Over_text);
    if (!OverTextAppend(Pad.Tbuff, std::strlen(Pad.Tbuff))) {
      // What waits in Over_text fills it: that goes first, the line on the next press.
      if (PasteOverText()) PadScreen().Beep();
      return;
    }
    if (!PasteOverText()) {
      App.Over_text[waiting] = '\0';  // the line stays pending, not twice in Over_text
      return;
    }
    BuffCleaEx();
  } else if (FocusWindow()) {
    SendKey(kKeysymReturn);
    Trace("SENT Return focus=0x%lx", App.Focus_win);
  }
}

void BakspClick() {
  if (Pad.Ink_data.pending == 0) {
    if (FocusWindow()) {
      SendKey(kKeysymBackSpace);
      Trace("SENT BackSpace focus=0x%lx", App.Focus_win);
    }
    return;
  }
  if (Pad.Rang.end == 0) {
    PadScreen().Beep();
    return;
  }
  if (Pad.Rang.start == Pad.Rang.end) Pad.Rang.start = static_cast<int16_t>(Pad.Rang.end - 1);
  Pad.Rang.end = static_cast<int16_t>(BuffTextDel());
  Pad.Rang.anchor = Pad.Rang.end;
  if (Pad.Ink_data.pending == 0) {
    PadScreen().EnterKey(-1);
    PadScreen().CandidateKeys(0);
  } else {
    PadScreen().CandidateKeys(10);
  }
}

void CommitOverText() {
  if (App.Over_text[0] != '\0' && FocusWindow()) PasteOverText();
}

int ShiftCheck(int c) {
  if (c >= 'a' && c <= 'z') return 0;
  if (c >= 0x2C && c <= 0x3B) return 0;
  switch (c) {
    case '[': case '\\': case ']': case '^': case ' ': case '@': return 0;
    default: return 1;
  }
}
