// Join and split of pending characters: the ink of several characters becomes one
// character, or one character's ink becomes two; each result is recognised again.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "pad/commit.h"
#include "pad/editing.h"
#include "pad/editslots.h"
#include "pad/platform.h"
#include "pad/rect.h"
#include "pad/vframe.h"

namespace {

constexpr size_t kMaxCellBytes = 2;

// The frame the ink was written in, as the variable frame would have drawn it.
Rect16 FrameOf(const PenData& pen) {
  const std::vector<size_t> offsets = StrokeOffsets(pen);
  Rect16 box{0, 0, 0, 0};
  for (size_t k = 0; k + 1 < offsets.size(); ++k) {
    Rect16 stroke;
    GetPenRect(pen, offsets[k], &stroke);
    box = k == 0 ? stroke : RectUnion(box, stroke);
  }
  VFrameSquare(&box, Ap_table.vframe_margin, App.screen_w, App.screen_h);
  return box;
}

std::string CellText(const char cell[2]) { return std::string(cell, CellBytes(cell)); }

}  // namespace

int UniPenData(int first, int end, std::string* dst) {
  first = std::max(first, 0);
  end = std::min<int>(end, Pad.Ink_data.pending);
  if (end - first < 2) return 1;
  int strokes = 0;
  size_t words = 0;
  for (int i = first; i < end; ++i) {
    if (Pad.BFpen[i].empty()) {
      EditingPorts().Message(CharMessage("[%.2s]は結合できません", Pad.Result[i][0]));
      return 1;
    }
    const std::vector<size_t> offsets = StrokeOffsets(Pad.BFpen[i]);
    strokes += static_cast<int>(offsets.size()) - 1;
    words += offsets.back();
    if (strokes > kPenMaxStrokes) {
      EditingPorts().Message(Msg("結合できるのは 30画数までです"));
      return 1;
    }
  }
  if (words + 1 > kPenBufferWords) {
    PadScreen().Beep();  // more points than a character's ink buffer holds
    return 1;
  }
  PenData joined;
  try {
    joined.reserve(words + 1);
  } catch (const std::bad_alloc&) {
    EditingPorts().Message(Msg("メモリ不足です"));
    return 1;
  }
  for (int i = first; i < end; ++i) {
    const size_t used = StrokeOffsets(Pad.BFpen[i]).back();
    joined.insert(joined.end(), Pad.BFpen[i].begin(), Pad.BFpen[i].begin() + static_cast<std::ptrdiff_t>(used));
  }
  joined.push_back(kPenEnd);

  char cells[kCandCells][2];
  EditingPorts().Recognise(joined, FrameOf(joined), cells);
  EntrySet(first, cells, std::move(joined));
  const int merged = end - first - 1;
  for (int i = first + 1; i < end; ++i) EntryClear(i);
  for (int i = end; i < kPadChars; ++i) EntryMove(i, i - merged);
  Pad.Ink_data.pending = static_cast<int16_t>(Pad.Ink_data.pending - merged);
  dst->append(CellText(Pad.Result[first][0]));
  return 0;
}

int SepPenData(int index, std::string* dst) {
  if (index < 0 || index >= Pad.Ink_data.pending) return 1;
  const PenData& pen = Pad.BFpen[index];
  if (pen.empty()) {
    EditingPorts().Message(CharMessage("[%.2s]は分離できません", Pad.Result[index][0]));
    return 1;
  }
  const std::vector<size_t> offsets = StrokeOffsets(pen);
  if (offsets.size() < 3) {
    EditingPorts().Message(Msg("一筆書きは分離できません"));
    return 1;
  }
  const bool full = Pad.Ink_data.pending >= kPadChars;
  if (full && !OverTextHasRoom(kMaxCellBytes)) {
    PadScreen().Beep();  // the character that has to leave finds no room
    return 1;
  }
  const size_t at = offsets[static_cast<size_t>(SplitStrokeOf(pen))];
  PenData left, right;
  try {
    left.assign(pen.begin(), pen.begin() + static_cast<std::ptrdiff_t>(at));
    left.push_back(kPenEnd);
    right.assign(pen.begin() + static_cast<std::ptrdiff_t>(at),
                 pen.begin() + static_cast<std::ptrdiff_t>(offsets.back()));
    right.push_back(kPenEnd);
  } catch (const std::bad_alloc&) {
    EditingPorts().Message(Msg("メモリ不足です"));
    return 1;
  }
  // Both halves are recognised in the frame the whole character was written in.
  const Rect16 frame = FrameOf(pen);
  char leftCells[kCandCells][2], rightCells[kCandCells][2];
  EditingPorts().Recognise(left, frame, leftCells);
  EditingPorts().Recognise(right, frame, rightCells);

  if (!full) {
    for (int i = kPadChars - 2; i > index; --i) EntryMove(i, i + 1);
    EntrySet(index, leftCells, std::move(left));
    EntrySet(index + 1, rightCells, std::move(right));
    ++Pad.Ink_data.pending;
    dst->append(CellText(leftCells[0]));
    dst->append(CellText(rightCells[0]));
    return 0;
  }
  // All twelve entries are in use: the line's first character leaves for Over_text.
  if (index == 0) {
    const std::string out = CellText(leftCells[0]);
    OverTextAppend(out.data(), out.size());
  } else {
    const size_t out = EucCharBytes(dst->c_str());
    OverTextAppend(dst->data(), out);
    dst->erase(0, out);
    EntryClear(0);
    for (int i = 1; i < index; ++i) EntryMove(i, i - 1);
    EntrySet(index - 1, leftCells, std::move(left));
    dst->append(CellText(leftCells[0]));
  }
  EntrySet(index, rightCells, std::move(right));
  dst->append(CellText(rightCells[0]));
  return 0;
}

void UnionConvert() {
  const int count = Pad.Ink_data.pending;
  const int start = std::clamp<int>(Pad.Rang.start, 0, count);
  const int end = std::clamp<int>(Pad.Rang.end, 0, count);
  if (start >= end) return;
  size_t tail = 0, write = 0;
  BuffFrtSet(start, &tail, &write);
  std::string text(App.Buff_text, write);
  const std::string rest(Pad.Tbuff + EucCharOffset(Pad.Tbuff, end));
  if (end - start >= 2 ? UniPenData(start, end, &text) : SepPenData(start, &text)) return;

  const int16_t caret = static_cast<int16_t>(EucCharCount(text.c_str()));
  PendingSetText(text + rest);
  Pad.Rang = RangRec{caret, caret, caret};
  PadScreen().PendingText();
  PadScreen().CandidateKeys(10);
  if (App.Over_text[0] != '\0') CommitOverText();  // a split of a full line pushed one out
}
