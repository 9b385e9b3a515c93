// Stroke geometry of pen data for splitting a character: stroke boxes, the signed
// distance between boxes, and the stroke where the second character begins.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "pad/editing.h"
#include "pad/rect.h"

namespace {

int16_t Coord(uint16_t word) { return static_cast<int16_t>(word); }

int IntSqrt(long v) { return static_cast<int>(std::sqrt(static_cast<double>(v))); }

}  // namespace

std::vector<size_t> StrokeOffsets(const PenData& pen) {
  std::vector<size_t> offsets;
  size_t i = 0;
  while (i + 1 < pen.size() && pen[i] == kStrokeMark) {
    const int n = Coord(pen[i + 1]);
    if (n < 1 || i + 2 + 2 * static_cast<size_t>(n) > pen.size()) break;
    offsets.push_back(i);
    i += 2 + 2 * static_cast<size_t>(n);
  }
  offsets.push_back(i);
  return offsets;
}

size_t GetPenRect(const PenData& pen, size_t at, Rect16* rect) {
  *rect = Rect16{0, 0, 0, 0};
  if (at + 3 >= pen.size() || pen[at] != kStrokeMark) return at;
  const size_t n = static_cast<size_t>(std::max<int>(Coord(pen[at + 1]), 0));
  const size_t end = std::min(pen.size(), at + 2 + 2 * n);
  *rect = Rect16{Coord(pen[at + 2]), Coord(pen[at + 3]), 1, 1};
  for (size_t p = at + 4; p + 1 < end; p += 2) RECT_add(rect, Coord(pen[p]), Coord(pen[p + 1]));
  return end;
}

int GetRctLeng(Rect16* a, const Rect16& b) {
  const int ax = a->x, ay = a->y, ar = a->x + a->width, ab = a->y + a->height;
  const int bx = b.x, by = b.y, br = b.x + b.width, bb = b.y + b.height;
  const int dx = ar < bx ? bx - ar : br < ax ? ax - br : 0;
  const int dy = ab < by ? by - ab : bb < ay ? ay - bb : 0;

  // A corner of b inside a measures how deep the two overlap.
  int overlap = 0;
  const auto corner = [&](int px, int py, int ox, int oy) {
    if (!PtInRect(*a, px, py)) return;
    overlap = std::min(overlap, -IntSqrt(static_cast<long>(ox) * ox + static_cast<long>(oy) * oy));
  };
  corner(bx, by, ar - bx, ab - by);
  corner(br, by, br - ax, ab - by);
  corner(bx, bb, ar - bx, bb - ay);
  corner(br, bb, br - ax, bb - ay);

  *a = RectUnion(*a, b);
  return overlap < 0 ? overlap : IntSqrt(static_cast<long>(dx) * dx + static_cast<long>(dy) * dy);
}

int SplitStrokeOf(const PenData& pen) {
  const std::vector<size_t> offsets = StrokeOffsets(pen);
  const int strokes = static_cast<int>(offsets.size()) - 1;
  if (strokes <= 2) return 1;
  Rect16 all;
  GetPenRect(pen, offsets[0], &all);
  int best = -32768, split = 1;
  for (int k = 1; k < strokes; ++k) {
    Rect16 b;
    GetPenRect(pen, offsets[static_cast<size_t>(k)], &b);
    const int d = GetRctLeng(&all, b);
    if (d > best) {
      best = d;
      split = k;
    }
  }
  return split;
}
