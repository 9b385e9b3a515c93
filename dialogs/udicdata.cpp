// Dic_data and the plain rules of the registration dialog and the browser.
#include "dialogs/udicdata.h"

#include <algorithm>

#include "types.h"

DicDataRec Dic_data;

namespace {

constexpr uint16_t kFirstGesture = 0x8051;
constexpr uint16_t kLastGesture = 0x805D;

bool Room(const DicDataRec& d, size_t words) { return d.ink_wp + words <= d.ink.size(); }

void Put(DicDataRec* d, uint16_t w) { d->ink[d->ink_wp++] = w; }

}  // namespace

void UdicInkReset(DicDataRec* d) {
  d->ink.assign(kUdicInkWords, 0);
  d->ink_wp = 0;
  d->stroke_np = 0;
  d->strokes = 0;
  d->recording = false;
}

void UdicStrokeBegin(DicDataRec* d, int x, int y) {
  if (d->ink.size() != kUdicInkWords) UdicInkReset(d);
  d->recording = d->strokes < kUdicMaxStrokes && Room(*d, 5);  // mark, count, point, end mark
  if (!d->recording) return;
  ++d->strokes;
  Put(d, kStrokeMark);
  d->stroke_np = d->ink_wp;
  Put(d, 1);
  Put(d, static_cast<uint16_t>(static_cast<int16_t>(x)));
  Put(d, static_cast<uint16_t>(static_cast<int16_t>(y)));
}

void UdicStrokePoint(DicDataRec* d, int x, int y) {
  if (!d->recording || d->ink[d->stroke_np] >= kUdicMaxPoints || !Room(*d, 3)) return;
  ++d->ink[d->stroke_np];
  Put(d, static_cast<uint16_t>(static_cast<int16_t>(x)));
  Put(d, static_cast<uint16_t>(static_cast<int16_t>(y)));
}

std::vector<uint16_t> UdicInkTake(DicDataRec* d) {
  std::vector<uint16_t> pen(d->ink.begin(), d->ink.begin() + static_cast<std::ptrdiff_t>(d->ink_wp));
  pen.push_back(kPenEnd);
  d->ink_wp = 0;
  d->stroke_np = 0;
  d->strokes = 0;
  d->recording = false;
  return pen;
}

int UdicAreaAt(const UdicRect areas[2], int x, int y) {
  for (int a = 0; a < 2; ++a) {
    const UdicRect& r = areas[a];
    if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return a;
  }
  return -1;
}

int UdicSetCandidates(DicDataRec* d, const uint16_t* codes, int count) {
  UdicClearCodes(d);
  int n = 0;
  for (int i = 0; i < count && n < kUdicCodes; ++i) {
    if (codes[i] == 0 || (codes[i] >= kFirstGesture && codes[i] <= kLastGesture)) continue;
    d->codes[n++] = codes[i];
  }
  return n;
}

bool UdicSwapCandidate(DicDataRec* d, int key) {
  if (key < 1 || key >= kUdicCodes || d->codes[key] == 0) return false;
  std::swap(d->codes[key], d->codes[0]);
  return true;
}

void UdicClearCodes(DicDataRec* d) { std::fill(std::begin(d->codes), std::end(d->codes), 0); }

int UdicPageCount(int entries) { return entries <= 0 ? 0 : (entries + kUdicCells - 1) / kUdicCells; }

int UdicRecordAt(int page, int cell, int entries) {
  if (page < 1 || cell < 1 || cell > kUdicCells) return -1;
  const int r = kUdicCells * (page - 1) + cell - 1;
  return r < entries ? r : -1;
}

int UdicPageAfterDelete(int page, int entries) {
  const int pages = UdicPageCount(entries);
  return page > pages ? std::max(pages, 1) : page;
}
