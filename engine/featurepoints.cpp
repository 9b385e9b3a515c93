// The feature-point passes: turn points, thinning, merging of straight runs and of
// same-quadrant runs, high points, and the segments of the final pattern.
#include "featurepoints.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "direction.h"

namespace {

// Points of a stroke whose x or y movement reverses; the list stops growing at
// this count so that the end points still fit.
constexpr int kTurnPointLimit = 88;

struct Pt {
  int x, y;
};

Pt At(const uint16_t* stream, uint16_t ref) {
  return Pt{static_cast<int16_t>(stream[ref]), static_cast<int16_t>(stream[ref + 1])};
}

int64_t Dist2(Pt a, Pt b) {
  const int64_t dx = a.x - b.x, dy = a.y - b.y;
  return dx * dx + dy * dy;
}

bool OppositeSigns(int a, int b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

// Builds a FeatureList stroke by stroke; a point beyond the 90 references is refused.
class ListWriter {
 public:
  explicit ListWriter(FeatureList* out) : out_(out) {
    out_->strokes = 0;
    std::memset(out_->end, 0, sizeof out_->end);
  }
  bool Add(uint16_t ref) {
    if (count_ >= kMaxSegments) return false;
    out_->point[count_++] = ref;
    return true;
  }
  void ReplaceLast(uint16_t ref) { out_->point[count_ - 1] = ref; }
  // The reference `back` places before the last one written; 0xFFFF when none.
  uint16_t Last(int back = 0) const { return count_ > back ? out_->point[count_ - 1 - back] : 0xFFFF; }
  int count() const { return count_; }
  void EndStroke() {
    if (out_->strokes < kMaxStrokes) out_->end[out_->strokes++] = static_cast<int16_t>(count_);
  }

 private:
  FeatureList* out_;
  int count_ = 0;
};

// Strokes of a list, clamped to what its arrays can hold.
int StrokesOf(const FeatureList& list) { return std::clamp<int>(list.strokes, 0, kMaxStrokes); }

int StrokeEnd(const FeatureList& list, int s) { return std::clamp<int>(list.end[s], 0, kMaxSegments); }

int StrokeBegin(const FeatureList& list, int s) { return s > 0 ? StrokeEnd(list, s - 1) : 0; }

// The merge passes share their walk; `merge` decides whether point c (reached by
// w from the previous input point) extends the current run of direction v.
template <typename MergeTest>
void MergeRuns(const uint16_t* stream, const FeatureList& in, FeatureList* out, MergeTest merge) {
  ListWriter w(out);
  for (int s = 0; s < StrokesOf(in); ++s) {
    const int b = StrokeBegin(in, s), e = StrokeEnd(in, s);
    for (int j = b; j < e && j < b + 2; ++j) w.Add(in.point[j]);
    if (e - b >= 2) {
      Pt v{At(stream, in.point[b + 1]).x - At(stream, in.point[b]).x,
           At(stream, in.point[b + 1]).y - At(stream, in.point[b]).y};
      Pt prev = At(stream, in.point[b + 1]);
      for (int j = b + 2; j < e; ++j) {
        const Pt c = At(stream, in.point[j]);
        const Pt wv{c.x - prev.x, c.y - prev.y};
        if (merge(v, wv)) {
          w.ReplaceLast(in.point[j]);
          const Pt before = At(stream, w.Last(1));
          v = Pt{c.x - before.x, c.y - before.y};
        } else {
          w.Add(in.point[j]);
          v = wv;
        }
        prev = c;
      }
    }
    w.EndStroke();
  }
}

}  // namespace

void ExtractTurnPoints(const uint16_t* stream, FeatureList* out) {
  ListWriter w(out);
  size_t pos = 0;
  while (stream[pos] == kStrokeMark && out->strokes < kMaxStrokes && w.count() < kTurnPointLimit) {
    const int n = static_cast<int16_t>(stream[pos + 1]);
    if (n < 0) break;
    const size_t first = pos + 2;
    pos = first + 2 * static_cast<size_t>(n);
    if (n < 2) continue;  // a tap is no stroke
    auto ref = [&](int i) { return static_cast<uint16_t>(first + 2 * static_cast<size_t>(i)); };
    w.Add(ref(0));
    Pt last = At(stream, ref(0));
    Pt cur = At(stream, ref(1));
    int px = 0, py = 0;
    int dx = cur.x - last.x, dy = cur.y - last.y;
    for (int i = 2; i < n && w.count() < kTurnPointLimit; ++i) {
      const Pt next = At(stream, ref(i));
      // A zero movement keeps the sign of the one before.
      if (cur.x != last.x) px = cur.x - last.x;
      if (cur.y != last.y) py = cur.y - last.y;
      if (next.x != cur.x) dx = next.x - cur.x;
      if (next.y != cur.y) dy = next.y - cur.y;
      if (OppositeSigns(px, dx) || OppositeSigns(py, dy)) {
        w.Add(ref(i - 1));
        last = cur;
      }
      cur = next;
    }
    w.Add(ref(n - 1));
    w.EndStroke();
  }
}

void ThinFeaturePoints(const uint16_t* stream, const FeatureList& in, FeatureList* out, int smallThreshold,
                       int largeThreshold) {
  ListWriter w(out);
  int64_t T = largeThreshold;
  for (int s = 0; s < StrokesOf(in); ++s) {
    const int b = StrokeBegin(in, s), e = StrokeEnd(in, s);
    const int k = e - b;
    auto F = [&](int j) { return in.point[b + j]; };
    if (k < 1) {
      w.EndStroke();
      continue;
    }
    // A short stroke switches the rest of the character to the small threshold.
    int64_t sum = 0;
    for (int j = 1; j < k && sum < 2 * T; ++j) sum += Dist2(At(stream, F(j - 1)), At(stream, F(j)));
    if (sum < 2 * T) T = smallThreshold;

    const int strokeStart = w.count();
    w.Add(F(0));
    Pt a = At(stream, F(0));
    Pt p = a;
    for (int j = 1; j < k; ++j) {
      const Pt c = At(stream, F(j));
      const int64_t d = std::max(Dist2(c, p), Dist2(c, a));
      const Pt pPrev = p;
      p = c;
      if (d <= smallThreshold) continue;
      if (d > T) {
        w.Add(F(j));
        a = c;
      } else if (j >= 2 && j + 1 < k) {
        // A sharp hook: two turns the same way adding up to more than 200 degrees.
        const Pt q = At(stream, F(j - 2));
        const Pt nx = At(stream, F(j + 1));
        const int r1 = TurnBetween(nx.x - c.x, nx.y - c.y, c.x - pPrev.x, c.y - pPrev.y);
        const int r2 = TurnBetween(c.x - pPrev.x, c.y - pPrev.y, pPrev.x - q.x, pPrev.y - q.y);
        if (((r1 > 0 && r2 > 0) || (r1 < 0 && r2 < 0)) && std::abs(r1 + r2) > 200) {
          if (w.Last() != F(j - 1)) w.Add(F(j - 1));
          w.Add(F(j));
          a = c;
        }
      }
    }
    if (w.count() - strokeStart < 2 && w.Last() != F(k - 1)) w.Add(F(k - 1));
    w.EndStroke();
  }
}

void MergeStraightRuns(const uint16_t* stream, const FeatureList& in, FeatureList* out, int angle) {
  MergeRuns(stream, in, out, [angle](Pt v, Pt w) {
    const int t = TurnBetween(v.x, v.y, w.x, w.y);
    return t >= -angle && t <= angle;
  });
}

void MergeSameQuadrant(const uint16_t* stream, const FeatureList& in, FeatureList* out) {
  MergeRuns(stream, in, out, [](Pt v, Pt w) {
    if (v.x == 0 || v.y == 0 || w.x == 0 || w.y == 0) return false;
    return (w.x > 0) == (v.x > 0) && (w.y > 0) == (v.y > 0);
  });
}

void KSBGetHighPoint(const uint16_t* stream, const FeatureList& in, FeatureList* out, int threshold) {
  ListWriter w(out);
  // Points of `in` still to be written; a high point is only inserted while room
  // for all of them remains.
  int pending = StrokesOf(in) > 0 ? StrokeEnd(in, StrokesOf(in) - 1) : 0;
  for (int s = 0; s < StrokesOf(in); ++s) {
    const int b = StrokeBegin(in, s), e = StrokeEnd(in, s);
    if (e <= b) {
      w.EndStroke();
      continue;
    }
    w.Add(in.point[b]);
    --pending;
    uint16_t aRef = in.point[b];
    for (int j = b + 1; j < e; ++j) {
      const uint16_t bRef = in.point[j];
      const Pt A = At(stream, aRef), B = At(stream, bRef);
      const int64_t bx = B.x - A.x, by = B.y - A.y;
      const int64_t b2 = bx * bx + by * by;
      if (b2 > 16 && aRef < bRef) {
        int64_t bestH = threshold;
        int best = -1;
        for (uint16_t r = aRef; r < bRef; r = static_cast<uint16_t>(r + 2)) {
          const Pt P = At(stream, r);
          const int64_t px = P.x - A.x, py = P.y - A.y;
          const int64_t dot = bx * px + by * py;
          const int64_t h = px * px + py * py - dot * dot / b2;  // squared distance from line AB
          if (h > bestH) {
            bestH = h;
            best = r;
          }
        }
        if (best >= 0 && w.count() + 1 + pending <= kMaxSegments) w.Add(static_cast<uint16_t>(best));
      }
      w.Add(bRef);
      --pending;
      aRef = bRef;
    }
    w.EndStroke();
  }
}

void FeaturesToPattern(const uint16_t* stream, const FeatureList& in, KusabiPattern* pattern) {
  std::memset(pattern, 0, sizeof *pattern);
  for (int i = 0; i < kMaxSegments; ++i) pattern->order[i] = pattern->index[i] = static_cast<uint16_t>(i);
  int segments = 0;
  for (int s = 0; s < StrokesOf(in); ++s) {
    const int b = StrokeBegin(in, s), e = StrokeEnd(in, s);
    for (int j = b; j + 1 < e && segments < kMaxSegments; ++j) {
      const Pt p0 = At(stream, in.point[j]), p1 = At(stream, in.point[j + 1]);
      pattern->segment[segments++] = KusabiSegment{static_cast<int16_t>(p0.x), static_cast<int16_t>(p0.y),
                                                    static_cast<int16_t>(p1.x), static_cast<int16_t>(p1.y)};
    }
  }
  pattern->strokes = static_cast<uint16_t>(StrokesOf(in));
  pattern->segments = static_cast<int16_t>(segments);
}
