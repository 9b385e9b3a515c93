// The recognition cycle: engine calls, rescoring records, insertion into the pending
// line and the push-out of characters beyond twelve.
#include "pad/recogcycle.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "codes.h"
#include "pad/commit.h"
#include "pad/platform.h"
#include "pad/segment.h"
#include "pad/segment_words.h"
#include "recog.h"
#include "row_words.h"
#include "seni_record.h"
#include "seni.h"
#include "textconv.h"

namespace {

void CodeToCell(uint16_t code, char cell[2]) {
  if (code <= 0xFF) {
    cell[0] = static_cast<char>(code);
    cell[1] = '\0';
  } else {
    SjisToEucBytes(code, cell);
  }
}

std::string Utf8OfEuc(const std::string& euc) {
  std::string utf8;
  return EucToUtf8(euc, &utf8) ? utf8 : std::string("?");
}

std::string Utf8OfCode(uint16_t code) {
  char cell[2];
  CodeToCell(code, cell);
  return Utf8OfEuc(std::string(cell, CellBytes(cell)));
}

void FillEntry(int index, const SeniCharRecord& r) {
  std::memset(Pad.Result[index], 0, sizeof Pad.Result[index]);
  for (int j = 0; j < r.count && j < kCandCells; ++j) CodeToCell(r.cand[j].code, Pad.Result[index][j]);
}

void MoveEntry(int from, int to) {
  std::memcpy(Pad.Result[to], Pad.Result[from], sizeof Pad.Result[to]);
  Pad.BFpen[to] = std::move(Pad.BFpen[from]);
}

// Words join the transitions where the word model is there and the row may be a
// sentence (not in the 英字, 数字 or 記号 modes).
const WordCost* RowWords() {
  return Ap_table.seni_exec && WordsSuitMask(ZkOption.mask) ? SharedWordCost() : nullptr;
}

// Pen input: the variable frame's characters are segmented again before recognition;
// the character boxes follow the new grouping, the words choose among the best few.
void RecogniseFreeWriting(std::vector<WrittenChar>* chars) {
  std::vector<SegPen> atoms;
  for (int i = 0; i < kPadChars && !Pad.hPens[i].empty(); ++i) {
    atoms.push_back(std::move(Pad.hPens[i]));
    PenData().swap(Pad.hPens[i]);
  }
  const SegTransition transition = Ap_table.seni_exec ? SegTransition(SeniTransitionCost) : SegTransition();
  std::vector<SegReading> readings = SegmentRowReadings(atoms, RecogniseInFrame, transition, SegmentSettings{});
  std::vector<SegUnit> units =
      std::move(readings[ChooseReadingByWords(readings, RowWords(), WordSettings{}, PendingCodeBeforeInsert())].units);
  for (int i = 1; i < kPadChars + 2; ++i) PadInk.Vfram_rct[i] = Rect16{0, 0, 0, 0};
  for (size_t i = 0; i < units.size(); ++i) {
    PadInk.Vfram_rct[i + 1] = units[i].box;
    if (units[i].result.count >= 1) chars->push_back(WrittenChar{std::move(units[i].pen), units[i].result});
  }
}

}  // namespace

void ResultSets(const ZkResult& result, char cells[kCandCells][2]) {
  std::memset(cells, 0, kCandCells * 2);
  const int count = std::clamp<int>(result.count, 0, kCandCells);
  for (int j = 0; j < count; ++j) CodeToCell(result.entry[j].code, cells[j]);
  if (count == 0) std::memcpy(cells[0], MsgEuc("？"), 2);
}

int InsertRecognised(std::vector<WrittenChar>* chars) {
  const int k = static_cast<int>(std::min<size_t>(chars->size(), kPadChars));
  if (k == 0) {
    if (Pad.Ink_data.pending == 0) PadScreen().EnterKey(-1);
    PadScreen().CandidateKeys(10);
    return 0;
  }
  if (Pad.Ink_data.pending == 0) PadScreen().EnterKey(-2);

  SeniCharRecord records[kPadChars];
  uint16_t firstBefore[kPadChars];
  for (int i = 0; i < k; ++i) {
    records[i] = SeniRecordOf((*chars)[i].result);
    firstBefore[i] = records[i].cand[0].code;
  }
  // The row is read as following the pending text before it.
  if (Ap_table.seni_exec) RescoreRowWithWords(records, k, RowWords(), WordSettings{}, PendingCodeBeforeInsert());

  int p = BuffTextDel();
  size_t tail = 0, write = 0;
  BuffFrtSet(p, &tail, &write);
  std::string work(App.Buff_text, write);
  const std::string rest(Pad.Tbuff + tail);
  int inserted = 0;
  bool refused = false;

  for (int r = 0; r < k; ++r) {
    WrittenChar& written = (*chars)[r];
    char first[2];
    CodeToCell(records[r].cand[0].code, first);
    int index;
    if (Pad.Ink_data.pending < kPadChars) {
      index = p;
      ++Pad.Ink_data.pending;
      for (int i = kPadChars - 2; i >= p; --i) MoveEntry(i, i + 1);
      ++p;
    } else if (p == 0) {
      // A full line with the cursor at its start: the character goes out at once.
      if (!OverTextAppend(first, CellBytes(first))) refused = true;
      PenData().swap(written.pen);
      continue;
    } else {
      // The line's first character leaves for the commit buffer to make room.
      const size_t out = EucCharBytes(work.c_str());
      if (!OverTextAppend(work.data(), out)) {
        refused = true;
        PenData().swap(written.pen);
        continue;
      }
      work.erase(0, out);
      for (int i = 1; i < p; ++i) MoveEntry(i, i - 1);
      index = p - 1;
    }
    Pad.BFpen[index] = std::move(written.pen);
    FillEntry(index, records[r]);
    work.append(Pad.Result[index][0], CellBytes(Pad.Result[index][0]));
    ++inserted;
    const uint16_t now = records[r].cand[0].code;
    if (now > 0xFF && now != firstBefore[r])
      std::printf(Msg("後処理：[%s->%s]\n"), Utf8OfCode(firstBefore[r]).c_str(),
                  Utf8OfCode(now).c_str());
  }
  std::fflush(stdout);
  if (refused) PadScreen().Beep();  // Over_text is full: nothing more can wait there

  PendingSetText(work + rest);
  Pad.Rang = RangRec{static_cast<int16_t>(p), static_cast<int16_t>(p), static_cast<int16_t>(p)};
  PadScreen().PendingText();
  if (App.Over_text[0] != '\0') CommitOverText();
  PadScreen().CandidateKeys(10);
  return inserted;
}

int RecogCycleRun() {
  InkCloseCharacter();
  BuffTextDel();  // new characters replace the selection, recognised or not
  const bool fixedFrame = Ap_table.pmode == 2;
  if (fixedFrame) {
    ZkOption.frameX = ZkOption.frameY = 0;
    ZkOption.frameWidth = ZkOption.frameHeight =
        static_cast<int16_t>(Ap_table.lframe_size * 28 + 60);
  }

  std::vector<WrittenChar> chars;
  if (fixedFrame) {
    for (int i = 0; i < kPadChars && !Pad.hPens[i].empty(); ++i) {
      WrittenChar written{std::move(Pad.hPens[i]), ZkResult{}};
      PenData().swap(Pad.hPens[i]);
      ZkRecogEx(written.pen.data(), written.pen.size(), &written.result);
      DropGestureCandidates(&written.result);
      if (written.result.count >= 1) chars.push_back(std::move(written));
    }
  } else {
    RecogniseFreeWriting(&chars);
  }
  Pad.Ink_data.chars = 0;
  Pad.Ink_data.strokes = 0;
  return InsertRecognised(&chars);
}
