// Pen-data buffers of the writing sequence. Every write is checked against the
// buffer's size, which always leaves a word for the end mark.
#include "pad/inkdata.h"

#include "pad/pending.h"

#include <algorithm>
#include <new>

#include "pad/rect.h"
#include "pad/vframe.h"

PadInkRec PadInk;

namespace {

PenData* Current() {
  if (Pad.Ink_data.chars < 1 || Pad.Ink_data.chars > kPadChars) return nullptr;
  PenData& pen = Pad.hPens[Pad.Ink_data.chars - 1];
  return pen.empty() ? nullptr : &pen;
}

// Room for `words` more words and the end mark after them.
bool Fits(const PenData& pen, size_t words) { return Pad.Ink_data.write + words < pen.size(); }

void Close(PenData* pen) {
  if (Pad.Ink_data.write >= pen->size()) return;
  (*pen)[Pad.Ink_data.write] = kPenEnd;
  pen->resize(Pad.Ink_data.write + 1);
  pen->shrink_to_fit();
}

uint16_t Word(int v) { return static_cast<uint16_t>(static_cast<int16_t>(v)); }

// Words of pen data up to its end mark (or the last whole stroke).
size_t StrokeWords(const PenData& pen) {
  size_t i = 0;
  while (i + 1 < pen.size() && pen[i] == kStrokeMark) {
    const int16_t n = static_cast<int16_t>(pen[i + 1]);
    if (n < 1 || i + 2 + 2 * static_cast<size_t>(n) > pen.size()) break;
    i += 2 + 2 * static_cast<size_t>(n);
  }
  return i;
}

}  // namespace

int InkNewCharacter() {
  if (Pad.Ink_data.chars < 0 || Pad.Ink_data.chars >= kPadChars) return kInkSequenceFull;
  PenData fresh;
  try {
    fresh.assign(kPenBufferWords, 0);
  } catch (const std::bad_alloc&) {
    return kInkNoMemory;
  }
  if (PenData* current = Current()) Close(current);
  Pad.hPens[Pad.Ink_data.chars] = std::move(fresh);
  ++Pad.Ink_data.chars;
  Pad.Ink_data.strokes = 0;
  Pad.Ink_data.write = 0;
  Pad.Ink_data.count = 0;
  Pad.Ink_data.recording = false;
  return kInkStarted;
}

void InkStrokeBegin(int x, int y) {
  PenData* pen = Current();
  Pad.Ink_data.recording = pen && Pad.Ink_data.strokes < kPenMaxStrokes && Fits(*pen, 4);
  if (!Pad.Ink_data.recording) return;
  ++Pad.Ink_data.strokes;
  PenData& p = *pen;
  p[Pad.Ink_data.write++] = kStrokeMark;
  Pad.Ink_data.count = Pad.Ink_data.write;
  p[Pad.Ink_data.write++] = 1;
  p[Pad.Ink_data.write++] = Word(x);
  p[Pad.Ink_data.write++] = Word(y);
}

void InkStrokePoint(int x, int y) {
  PenData* pen = Current();
  if (!Pad.Ink_data.recording || !pen || Pad.Ink_data.count >= pen->size()) return;
  PenData& p = *pen;
  if (p[Pad.Ink_data.count] >= kPenMaxPoints || !Fits(p, 2)) return;
  ++p[Pad.Ink_data.count];
  p[Pad.Ink_data.write++] = Word(x);
  p[Pad.Ink_data.write++] = Word(y);
}

int InkMoveStrokeToNewCharacter() {
  PenData* pen = Current();
  if (!pen) return InkNewCharacter();
  // The stroke runs from its mark (just before the count word) to the write position.
  const bool stored = Pad.Ink_data.recording && Pad.Ink_data.count >= 1 && Pad.Ink_data.write <= pen->size();
  const size_t start = stored ? Pad.Ink_data.count - 1 : Pad.Ink_data.write;
  const std::vector<uint16_t> stroke(pen->begin() + static_cast<std::ptrdiff_t>(start),
                                     pen->begin() + static_cast<std::ptrdiff_t>(Pad.Ink_data.write));
  const size_t oldWrite = Pad.Ink_data.write;
  const int16_t oldStrokes = Pad.Ink_data.strokes;
  Pad.Ink_data.write = start;  // the previous character ends where the stroke began
  const int result = InkNewCharacter();
  if (result != kInkStarted) {
    Pad.Ink_data.write = oldWrite;
    Pad.Ink_data.strokes = oldStrokes;
    return result;
  }
  PenData& fresh = Pad.hPens[Pad.Ink_data.chars - 1];
  std::copy(stroke.begin(), stroke.end(), fresh.begin());
  Pad.Ink_data.write = stroke.size();
  Pad.Ink_data.count = stored ? 1 : 0;
  Pad.Ink_data.strokes = stored ? 1 : 0;  // the moved stroke counts in the new character
  Pad.Ink_data.recording = stored;
  return kInkStarted;
}

void InkDropLastStroke() {
  if (!Pad.Ink_data.recording || !Current() || Pad.Ink_data.count < 1) return;
  Pad.Ink_data.write = Pad.Ink_data.count - 1;
  --Pad.Ink_data.strokes;
  Pad.Ink_data.recording = false;
}

bool InkJoinFragments() {
  const int finished = Pad.Ink_data.chars - 1;
  if (finished < 2 || Pad.Ink_data.chars > kPadChars) return false;
  Rect16 boxes[kPadChars];
  int strokes[kPadChars];
  for (int i = 0; i < finished; ++i) {
    boxes[i] = PadInk.Vfram_rct[i + 1];
    strokes[i] = PenStrokeCount(Pad.hPens[i]);
  }
  const int pair = VFrameFragmentPair(boxes, strokes, finished);
  if (pair < 0) return false;
  const size_t first = StrokeWords(Pad.hPens[pair]), second = StrokeWords(Pad.hPens[pair + 1]);
  PenData joined;
  try {
    joined.reserve(first + second + 1);
  } catch (const std::bad_alloc&) {
    return false;
  }
  joined.assign(Pad.hPens[pair].begin(), Pad.hPens[pair].begin() + static_cast<std::ptrdiff_t>(first));
  joined.insert(joined.end(), Pad.hPens[pair + 1].begin(), Pad.hPens[pair + 1].begin() + static_cast<std::ptrdiff_t>(second));
  joined.push_back(kPenEnd);
  Pad.hPens[pair] = std::move(joined);
  for (int i = pair + 1; i + 1 < Pad.Ink_data.chars; ++i) Pad.hPens[i] = std::move(Pad.hPens[i + 1]);
  PenData().swap(Pad.hPens[Pad.Ink_data.chars - 1]);
  PadInk.Vfram_rct[pair + 1] = RectUnion(PadInk.Vfram_rct[pair + 1], PadInk.Vfram_rct[pair + 2]);
  for (int i = pair + 2; i <= Pad.Ink_data.chars; ++i) PadInk.Vfram_rct[i] = PadInk.Vfram_rct[i + 1];
  PadInk.Vfram_rct[Pad.Ink_data.chars + 1] = Rect16{0, 0, 0, 0};
  --Pad.Ink_data.chars;
  return true;
}

void InkCloseCharacter() {
  if (PenData* pen = Current()) Close(pen);
}

int PenStrokeCount(const PenData& pen) {
  int strokes = 0;
  size_t i = 0;
  while (i + 1 < pen.size() && pen[i] == kStrokeMark) {
    const int16_t n = static_cast<int16_t>(pen[i + 1]);
    if (n < 0) break;
    ++strokes;
    i += 2 + 2 * static_cast<size_t>(n);
  }
  return strokes;
}

void InkDiscardSequence() {
  for (PenData& pen : Pad.hPens) PenData().swap(pen);
  Pad.Ink_data.chars = 0;
  Pad.Ink_data.strokes = 0;
  Pad.Ink_data.write = 0;
  Pad.Ink_data.count = 0;
  Pad.Ink_data.recording = false;
  for (int i = 1; i < kPadChars + 2; ++i) PadInk.Vfram_rct[i] = Rect16{0, 0, 0, 0};
}
