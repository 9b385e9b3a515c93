// Characters that enter the pending line without ink: the symbol and digit keys, and
// the text the kanji box's input method committed.
#include <algorithm>
#include <string>

#include "app/i18n.h"
#include "app/settings.h"
#include "pad/editing.h"
#include "pad/editslots.h"
#include "pad/platform.h"

namespace {

// Half width, then full width; key k of width mode m is entry (m - 1) * 15 + k.
constexpr const char* kigo_tbl[30] = {
    "、", "。", ".", ",", " ", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "、", "。", "．", "，", "　", "０", "１", "２", "３", "４", "５", "６", "７", "８", "９",
};

// Inserts EUC-JP text at the caret character by character. Returns whether text went
// into Over_text; `refused` is set when Over_text could not take a character.
bool InsertText(const std::string& euc, bool* refused) {
  const int before = Pad.Ink_data.pending;
  const int caret = BuffTextDel();
  PadScreen().CandidateKeys(0);
  size_t tail = 0, write = 0;
  BuffFrtSet(caret, &tail, &write);
  std::string text(App.Buff_text, write);
  const std::string rest(Pad.Tbuff + tail);
  int at = caret;
  bool out = false;
  for (size_t i = 0; i < euc.size();) {
    const size_t bytes = EucCharBytes(euc.c_str() + i);
    switch (InsertInkless(euc.substr(i, bytes), &text, &at)) {
      case InklessInsert::kInserted: break;
      case InklessInsert::kPushedOut:
      case InklessInsert::kSentOut: out = true; break;
      case InklessInsert::kRefused: *refused = true; break;
    }
    i += bytes;
  }
  PendingSetText(text + rest);
  const int16_t c = static_cast<int16_t>(at);
  Pad.Rang = RangRec{c, c, c};
  if (before == 0 && Pad.Ink_data.pending > 0) PadScreen().EnterKey(-2);
  PadScreen().PendingText();
  return out;
}

}  // namespace

const char* KigoText(int dblMode, int k) {
  const int mode = std::clamp(dblMode, 1, 2);
  return MsgEuc(kigo_tbl[(mode - 1) * 15 + std::clamp(k, 0, 14)]);
}

bool KigoInsert(int k) {
  if (k < 0 || k > 14) return false;
  bool refused = false;
  const bool out = InsertText(KigoText(Ap_table.dbl_mode, k), &refused);
  if (refused) PadScreen().Beep();
  return out;
}

bool KanjiInsert(const std::string& euc) {
  // Only whole one- and two-byte characters can stand in the line.
  std::string kept;
  bool dropped = false;
  for (size_t i = 0; i < euc.size();) {
    const unsigned char lead = static_cast<unsigned char>(euc[i]);
    const size_t bytes = EucCharBytes(euc.c_str() + i);
    if (lead == 0x8F || (bytes == 1 && lead >= 0x80) || lead < 0x20) dropped = true;
    else kept.append(euc, i, bytes);
    i += lead == 0x8F ? std::min<size_t>(3, euc.size() - i) : bytes;
  }
  bool refused = false;
  const bool out = InsertText(kept, &refused);
  if (refused || dropped) PadScreen().Beep();
  return out;
}
