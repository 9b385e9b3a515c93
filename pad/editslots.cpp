// Entry moves and inkless insertion for the editing commands; the default editing
// ports (messages on standard error, recognition by the engine).
#include "pad/editslots.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/i18n.h"
#include "app/settings.h"
#include "pad/editing.h"
#include "pad/platform.h"
#include "pad/recogcycle.h"
#include "pad/vframe.h"
#include "recog.h"
#include "textconv.h"

void EntryMove(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= kPadChars || to >= kPadChars) return;
  std::memcpy(Pad.Result[to], Pad.Result[from], sizeof Pad.Result[to]);
  Pad.BFpen[to] = std::move(Pad.BFpen[from]);
  EntryClear(from);
}

void EntryClear(int i) {
  if (i < 0 || i >= kPadChars) return;
  std::memset(Pad.Result[i], 0, sizeof Pad.Result[i]);
  PenData().swap(Pad.BFpen[i]);
}

void EntrySet(int i, const char cells[kCandCells][2], PenData pen) {
  if (i < 0 || i >= kPadChars) return;
  std::memcpy(Pad.Result[i], cells, sizeof Pad.Result[i]);
  Pad.BFpen[i] = std::move(pen);
}

bool OverTextHasRoom(size_t bytes) {
  return strnlen(App.Over_text, sizeof App.Over_text) + bytes + 1 <= sizeof App.Over_text;
}

InklessInsert InsertInkless(const std::string& ch, std::string* before, int* caret) {
  char cells[kCandCells][2] = {};
  std::memcpy(cells[0], ch.data(), std::min<size_t>(ch.size(), 2));
  const int count = Pad.Ink_data.pending;
  if (count < kPadChars) {
    const int slot = std::clamp(*caret, 0, count);
    for (int i = kPadChars - 2; i >= slot; --i) EntryMove(i, i + 1);
    EntrySet(slot, cells, PenData());
    ++Pad.Ink_data.pending;
    before->append(ch);
    *caret = slot + 1;
    return InklessInsert::kInserted;
  }
  if (*caret <= 0) {
    // Everything pending follows the caret: the new character is the next to go.
    return OverTextAppend(ch.data(), ch.size()) ? InklessInsert::kSentOut
                                                : InklessInsert::kRefused;
  }
  const size_t out = EucCharBytes(before->c_str());
  if (!OverTextAppend(before->data(), out)) return InklessInsert::kRefused;
  before->erase(0, out);
  const int slot = std::min(*caret, kPadChars) - 1;
  EntryClear(0);
  for (int i = 1; i <= slot; ++i) EntryMove(i, i - 1);
  EntrySet(slot, cells, PenData());
  before->append(ch);
  *caret = slot + 1;
  return InklessInsert::kPushedOut;
}

std::string CharMessage(const char* literal, const char cell[2]) {
  std::string text = Msg(literal);
  std::string ch;
  if (!EucToUtf8(std::string(cell, CellBytes(cell)), &ch)) ch = "?";
  const size_t at = text.find("%.2s");
  if (at != std::string::npos) text.replace(at, 4, ch);
  return text;
}

// --- Default ports ---------------------------------------------------------------------

void EditPorts::Message(const std::string& utf8) {
  std::fprintf(stderr, "sorenix: %s\n", utf8.c_str());
  PadScreen().Beep();
}

void EditPorts::Recognise(const PenData& pen, const Rect16& frame, char cells[kCandCells][2]) {
  const ZkOptionRec saved = ZkOption;
  if (Ap_table.pmode == 2) {
    // The fixed frame's boxes are all of one size.
    ZkOption.frameX = ZkOption.frameY = 0;
    ZkOption.frameWidth = ZkOption.frameHeight =
        static_cast<int16_t>(Ap_table.lframe_size * 28 + 60);
  } else {
    ZkOption.frameX = frame.x;
    ZkOption.frameY = frame.y;
    ZkOption.frameWidth = static_cast<int16_t>(std::min<int>(frame.width, INT16_MAX));
    ZkOption.frameHeight = static_cast<int16_t>(std::min<int>(frame.height, INT16_MAX));
  }
  ZkResult result{};
  ZkRecogEx(pen.data(), pen.size(), &result);
  DropGestureCandidates(&result);
  ResultSets(result, cells);
  ZkOption = saved;
}

namespace {
EditPorts default_ports;
EditPorts* installed_ports = &default_ports;
}  // namespace

EditPorts& EditingPorts() { return *installed_ports; }
void SetEditPorts(EditPorts* ports) { installed_ports = ports ? ports : &default_ports; }
