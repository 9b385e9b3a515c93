// Resampling of pen strokes to an even spacing and normalisation of position and
// scale: the first two steps from pen data to feature points.
#include <algorithm>
#include <cstdlib>

#include "preprocess.h"

namespace {

int16_t X(const uint16_t* p) { return static_cast<int16_t>(p[0]); }
int16_t Y(const uint16_t* p) { return static_cast<int16_t>(p[1]); }

int64_t CityBlock(int x0, int y0, int x1, int y1) {
  return std::llabs(static_cast<int64_t>(x1) - x0) + std::llabs(static_cast<int64_t>(y1) - y0);
}

// Appends words to a stream buffer, always keeping one word for the end mark.
class StreamWriter {
 public:
  StreamWriter(uint16_t* out, size_t capacity) : out_(out), capacity_(capacity) {}
  bool HasRoomFor(size_t words) const { return capacity_ > 0 && used_ + words <= capacity_ - 1; }
  size_t Reserve() { return used_++; }
  void Put(uint16_t w) { out_[used_++] = w; }
  void PutPoint(int64_t x, int64_t y) {
    Put(static_cast<uint16_t>(static_cast<int16_t>(x)));
    Put(static_cast<uint16_t>(static_cast<int16_t>(y)));
  }
  void Set(size_t at, uint16_t w) { out_[at] = w; }
  size_t Finish() {
    if (capacity_ == 0) return 0;
    out_[used_++] = kPenEnd;
    return used_;
  }

 private:
  uint16_t* out_;
  size_t capacity_;
  size_t used_ = 0;
};

// Total city-block ink length of the first `strokes` strokes.
int64_t InkLength(const uint16_t* in, int strokes) {
  int64_t length = 0;
  const uint16_t* p = in;
  for (int s = 0; s < strokes && p[0] == kStrokeMark; ++s) {
    const int n = static_cast<int16_t>(p[1]);
    if (n < 0) break;
    const uint16_t* pt = p + 2;
    for (int i = 1; i < n; ++i) length += CityBlock(X(pt + 2 * (i - 1)), Y(pt + 2 * (i - 1)), X(pt + 2 * i), Y(pt + 2 * i));
    p += 2 + 2 * static_cast<size_t>(n);
  }
  return length;
}

}  // namespace

size_t ZkRsmp(const uint16_t* in, uint16_t* out, size_t outWords, int step, int strokes) {
  StreamWriter w(out, outWords);
  if (strokes < 1) return w.Finish();
  // The step grows with the ink so that the whole character keeps about 1536 points.
  const int64_t perStroke = std::max(1, kResampleBudget / strokes);
  int64_t s = InkLength(in, strokes) / perStroke;
  if (s <= step) s = step;
  const int64_t h = s / 2;

  const uint16_t* p = in;
  for (int stroke = 0; stroke < strokes && p[0] == kStrokeMark; ++stroke) {
    const int n = static_cast<int16_t>(p[1]);
    if (n < 0 || !w.HasRoomFor(2)) break;
    const uint16_t* pt = p + 2;
    p += 2 + 2 * static_cast<size_t>(n);
    w.Put(kStrokeMark);
    const size_t countAt = w.Reserve();
    int emitted = 0;
    bool full = false;
    if (n > 0 && w.HasRoomFor(2)) {
      int kx = X(pt), ky = Y(pt);
      w.PutPoint(kx, ky);
      emitted = 1;
      for (int i = 1; i < n && !full; ++i) {
        const int px = X(pt + 2 * i), py = Y(pt + 2 * i);
        const int64_t d = CityBlock(kx, ky, px, py);
        if (d < h) continue;
        if (d >= 2 * s - h) {
          // A long jump: fill it with evenly spaced points before P.
          const int64_t parts = d / s + 1;
          for (int64_t k = 1; k < parts; ++k) {
            if (!w.HasRoomFor(2)) {
              full = true;
              break;
            }
            w.PutPoint(kx + k * (px - kx) / parts, ky + k * (py - ky) / parts);
            ++emitted;
          }
          if (full) break;
        }
        if (!w.HasRoomFor(2)) {
          full = true;
          break;
        }
        w.PutPoint(px, py);
        ++emitted;
        kx = px;
        ky = py;
      }
    } else if (n > 0) {
      full = true;
    }
    w.Set(countAt, static_cast<uint16_t>(emitted));
    if (full) break;
  }
  return w.Finish();
}

void ZkNorm(const uint16_t* in, uint16_t* out, NormState* norm) {
  int64_t sumX = 0, sumY = 0, count = 0;
  int minX = 0, minY = 0, maxX = 0, maxY = 0;
  const uint16_t* p = in;
  while (p[0] == kStrokeMark) {
    const int n = static_cast<int16_t>(p[1]);
    if (n < 0) break;
    for (int i = 0; i < n; ++i) {
      const int x = X(p + 2 + 2 * i), y = Y(p + 2 + 2 * i);
      if (count == 0) {
        minX = maxX = x;
        minY = maxY = y;
      }
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
      sumX += x;
      sumY += y;
      ++count;
    }
    p += 2 + 2 * static_cast<size_t>(n);
  }
  const int64_t cx = count ? sumX / count : 0;
  const int64_t cy = count ? sumY / count : 0;

  int64_t spread = 0;
  if (count >= 2) {
    int64_t deviation = 0;
    for (p = in; p[0] == kStrokeMark && static_cast<int16_t>(p[1]) >= 0; p += 2 + 2 * static_cast<size_t>(p[1]))
      for (int i = 0; i < static_cast<int16_t>(p[1]); ++i)
        deviation += CityBlock(static_cast<int>(cx), static_cast<int>(cy), X(p + 2 + 2 * i), Y(p + 2 + 2 * i));
    spread = deviation / count;
  }
  if (spread == 0) spread = 1;

  norm->cx = static_cast<int16_t>(cx);
  norm->cy = static_cast<int16_t>(cy);
  norm->spread = static_cast<int16_t>(std::min<int64_t>(spread, 32767));
  norm->maxX = static_cast<int16_t>(maxX);
  norm->maxY = static_cast<int16_t>(maxY);
  norm->minX = static_cast<int16_t>(minX);
  norm->minY = static_cast<int16_t>(minY);

  // Only a degenerate writing (a far point among many coincident ones) reaches the
  // limit; clamping keeps it from wrapping around.
  auto scale = [&](int v, int64_t centre, int64_t factor) {
    const int64_t r = (v - centre) * factor / spread;
    return static_cast<uint16_t>(static_cast<int16_t>(std::clamp<int64_t>(r, -kNormLimit, kNormLimit)));
  };
  size_t at = 0;
  for (p = in; p[0] == kStrokeMark && static_cast<int16_t>(p[1]) >= 0;) {
    const int n = static_cast<int16_t>(p[1]);
    out[at++] = kStrokeMark;
    out[at++] = static_cast<uint16_t>(n);
    for (int i = 0; i < n; ++i) {
      out[at++] = scale(X(p + 2 + 2 * i), cx, 30);
      out[at++] = scale(Y(p + 2 + 2 * i), cy, -30);
    }
    p += 2 + 2 * static_cast<size_t>(n);
  }
  out[at] = kPenEnd;
}
