// Edits of the pending line. Every write into Tbuff, the work buffer and Over_text
// is bounded by the buffer it goes into.
#include "pad/pending.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "app/appstate.h"
#include "app/trace.h"
#include "codes.h"
#include "pad/platform.h"
#include "textconv.h"

PendingLine Pad;

namespace {

constexpr int kPendingLeft = 37;
constexpr int kPendingPitch = 15;

void ClearEntry(int i) {
  std::memset(Pad.Result[i], 0, sizeof Pad.Result[i]);
  Pad.BFpen[i].clear();
  Pad.BFpen[i].shrink_to_fit();
}

}  // namespace

void PendingSetText(const std::string& text) {
  std::memset(Pad.Tbuff, 0, sizeof Pad.Tbuff);
  size_t n = 0;
  while (n < text.size()) {
    const size_t bytes = EucCharBytes(text.c_str() + n);
    if (bytes == 0 || n + bytes > sizeof Pad.Tbuff - 1) break;
    n += bytes;
  }
  std::memcpy(Pad.Tbuff, text.data(), n);
}

size_t EucCharBytes(const char* s) {
  if (*s == '\0') return 0;
  if ((static_cast<unsigned char>(s[0]) & 0x80) && s[1] != '\0') return 2;
  return 1;
}

int EucCharCount(const char* s) {
  int n = 0;
  for (size_t bytes; (bytes = EucCharBytes(s)) != 0; s += bytes) ++n;
  return n;
}

size_t EucCharOffset(const char* s, int n) {
  size_t offset = 0;
  for (int i = 0; i < n; ++i) {
    const size_t bytes = EucCharBytes(s + offset);
    if (bytes == 0) break;
    offset += bytes;
  }
  return offset;
}

size_t CellBytes(const char cell[2]) {
  if (cell[0] == '\0') return 0;
  if (static_cast<unsigned char>(cell[0]) & 0x80) return cell[1] != '\0' ? 2 : 0;
  return 1;
}

void BuffFrtSet(int n, size_t* tail, size_t* write) {
  std::memset(App.Buff_text, 0, kWorkBytes);
  const size_t offset = std::min(EucCharOffset(Pad.Tbuff, n), kWorkBytes - 1);
  std::memcpy(App.Buff_text, Pad.Tbuff, offset);
  if (tail) *tail = offset;
  if (write) *write = offset;
}

uint16_t PendingCodeBeforeInsert() {
  const int start = std::clamp<int>(Pad.Rang.start, 0, Pad.Ink_data.pending);
  if (start < 1) return 0;
  const char* c = Pad.Tbuff + EucCharOffset(Pad.Tbuff, start - 1);
  const auto lead = static_cast<uint8_t>(c[0]), trail = static_cast<uint8_t>(c[1]);
  if (lead != 0 && lead < 0x80) return lead;
  return lead >= 0xA1 && EucCharBytes(c) == 2 ? EucToSjis(lead, trail) : 0;
}

int BuffTextDel() {
  const int count = Pad.Ink_data.pending;
  const int s = std::clamp<int>(Pad.Rang.start, 0, count);
  const int t = std::clamp<int>(Pad.Rang.end, 0, count);
  if (s >= t) return s;

  size_t tail = 0, write = 0;
  BuffFrtSet(s, &tail, &write);
  const size_t after = EucCharOffset(Pad.Tbuff, t);
  std::string text(App.Buff_text, write);
  text += Pad.Tbuff + after;
  PendingSetText(text);
  Pad.Ink_data.pending = static_cast<int16_t>(count - (t - s));
  Pad.Rang.end = static_cast<int16_t>(s);

  // Candidates and pen data of the characters after the selection move down.
  for (int i = s; i < t; ++i) ClearEntry(i);
  for (int from = t, to = s; from < kPadChars; ++from, ++to) {
    std::memcpy(Pad.Result[to], Pad.Result[from], sizeof Pad.Result[to]);
    Pad.BFpen[to] = std::move(Pad.BFpen[from]);
  }
  for (int i = kPadChars - (t - s); i < kPadChars; ++i) ClearEntry(i);
  PadScreen().PendingText();
  return s;
}

void BuffCleaEx() {
  InkDiscardSequence();
  Pad.Ink_data.pending = 0;
  Pad.Rang = RangRec{0, 0, 0};
  std::memset(App.Over_text, 0, sizeof App.Over_text);
  std::memset(Pad.Tbuff, 0, sizeof Pad.Tbuff);
  for (int i = 0; i < kPadChars; ++i) ClearEntry(i);
  PadScreen().EnterKey(-1);
  PadScreen().CandidateKeys(0);
  PadScreen().PendingText();
}

int CandidateEntry() {
  const int e = Pad.Rang.end > 1 ? Pad.Rang.end - 1 : 0;
  return std::min(e, kPadChars - 1);
}

void KohoSwaping(int i) {
  if (i < 0 || i >= kCandCells - 1) return;
  const int e = CandidateEntry();
  char* cell = Pad.Result[e][i + 1];
  const size_t bytes = CellBytes(cell);
  if (bytes == 0 || e >= Pad.Ink_data.pending) {
    PadScreen().Beep();
    return;
  }
  size_t tail = 0, write = 0;
  BuffFrtSet(e, &tail, &write);
  std::string text(App.Buff_text, write);
  text.append(cell, bytes);
  text += Pad.Tbuff + tail + EucCharBytes(Pad.Tbuff + tail);
  PendingSetText(text);
  std::swap(Pad.Result[e][0][0], cell[0]);
  std::swap(Pad.Result[e][0][1], cell[1]);
  PadScreen().CandidateKeys(i + 1);
  PadScreen().PendingText();
}

int PendingIndexAt(int x) {
  return std::clamp((x - kPendingLeft) / kPendingPitch, 0, static_cast<int>(Pad.Ink_data.pending));
}

void PendingPlaceCursor(int index) {
  const int16_t i = static_cast<int16_t>(std::clamp<int>(index, 0, Pad.Ink_data.pending));
  Pad.Rang = RangRec{i, i, i};
  PadScreen().PendingText();
}

void PendingDragTo(int index) {
  const int16_t i = static_cast<int16_t>(std::clamp<int>(index, 0, Pad.Ink_data.pending));
  // The selection runs between the anchor and the pointer, whichever side it is on.
  Pad.Rang.start = std::min(i, Pad.Rang.anchor);
  Pad.Rang.end = std::max(i, Pad.Rang.anchor);
  PadScreen().PendingText();
}

bool OverTextAppend(const char* text, size_t bytes) {
  const size_t used = strnlen(App.Over_text, sizeof App.Over_text);
  if (used + bytes + 1 > sizeof App.Over_text) return false;
  std::memcpy(App.Over_text + used, text, bytes);
  App.Over_text[used + bytes] = '\0';
  return true;
}

void TracePending() {
  if (!TraceOn()) return;
  const auto utf8 = [](const std::string& euc) {
    std::string text;
    return EucToUtf8(euc, &text) ? text : std::string("?");
  };
  Trace("PENDING count=%d start=%d end=%d text=%s", Pad.Ink_data.pending, Pad.Rang.start, Pad.Rang.end,
        utf8(Pad.Tbuff).c_str());
  const int e = CandidateEntry();
  std::string cells;
  for (int j = 0; j < kCandCells; ++j) {
    if (j) cells += '|';
    cells += utf8(std::string(Pad.Result[e][j], CellBytes(Pad.Result[e][j])));
  }
  Trace("CANDIDATES entry=%d cells=%s", e, cells.c_str());
}
