// Selector rules.
#include "keyboards/selector_logic.h"

#include <algorithm>
#include <cstring>

#include "app/settings.h"
#include "app/winplace.h"
#include "keyboards/soft.h"
#include "keyboards/typing.h"
#include "pad/commit.h"
#include "pad/pending.h"

namespace {

constexpr int kInputEntries = 3;
constexpr int kListBesideGap = 16;  // room for the entry's ▽ button

}  // namespace

int CombInputRows(int bootSoft) { return bootSoft ? kInputEntries - 1 : kInputEntries; }

int CombEntryOfRow(int row, int bootSoft) {
  const int rows = CombInputRows(bootSoft);
  return std::clamp(row, 0, rows - 1) + (bootSoft ? 1 : 0);
}

int CombRowOfEntry(int entry, int bootSoft) {
  const int row = entry - (bootSoft ? 1 : 0);
  return row >= 0 && row < CombInputRows(bootSoft) ? row : -1;
}

int CombApplyMode(int entry, int imode) {
  const bool pad = imode == 1 || imode == 2;
  const int k = imode >= 3 ? (imode - 3) % 5 : -1;
  const bool kana = k == 3 || k == 4;
  switch (entry) {
    case 0: return pad ? 0 : 2;
    case 1: return pad || kana ? 11 : 0;
    case 2: return kana ? 0 : 12;
    default: return 0;
  }
}

int AssignmentCount(const char (&table)[kAkeyEntries][kAkeyEntrySize]) {
  int n = 0;
  while (n < kAkeyEntries && table[n][0] != '\0') ++n;
  return n;
}

AssignAction ApplyAssignment(const char* text) {
  const size_t bytes = strnlen(text, kAkeyEntrySize);
  bool japanese = false;
  for (size_t i = 0; i < bytes; ++i) japanese = japanese || (static_cast<unsigned char>(text[i]) & 0x80);
  if (japanese) {
    if (OverTextAppend(text, bytes)) return AssignAction::kCollected;
    CommitOverText();  // a full buffer goes first when there is somewhere to paste it
    return OverTextAppend(text, bytes) ? AssignAction::kCollected : AssignAction::kNothing;
  }
  if (!FocusWindow()) return AssignAction::kNothing;
  const HeldShift held = LatchedShift(SoftKeyboardIndex(Ap_table.imode));
  for (size_t i = 0; i < bytes; ++i) TypeAscii(static_cast<unsigned char>(text[i]), held);
  return AssignAction::kTyped;
}

void CombListPlace(int ex, int ey, int ew, int eh, int lw, int lh, int sw, int sh, int* x, int* y) {
  *x = ex;
  *y = ey + eh;
  ClampOnScreen(lw, lh, sw, sh, x, y);
  if (*y < ey + eh && ey <= *y + lh) {
    // Pushed up over its entry: beside the entry instead.
    *x = ex + ew + kListBesideGap + lw > sw ? ex - lw : ex + ew + kListBesideGap;
  }
}
