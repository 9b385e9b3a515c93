// Shared working view of one comparison for the refinement passes: bounds-checked
// access to both shapes, group distances, chain comparisons and score updates.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "segdist.h"
#include "types.h"

namespace refine {

inline int ClampedCount(int16_t segments) {
  return segments < 0 ? 0 : (segments > kMaxSegments ? kMaxSegments : segments);
}

// Adds to a 16-bit score field; the score wraps in 16 bits like the rest of the engine.
inline void AddTo(int16_t& field, int delta) { field = static_cast<int16_t>(field + delta); }

struct Vec {
  int x, y;
};

inline int Norm(Vec v) { return std::abs(v.x) + std::abs(v.y); }
inline Vec Minus(Vec a, Vec b) { return Vec{a.x - b.x, a.y - b.y}; }
inline Vec StartOf(const KusabiSegment& s) { return Vec{s.x0, s.y0}; }
inline Vec EndOf(const KusabiSegment& s) { return Vec{s.x1, s.y1}; }

inline KusabiSegment SegmentBetween(Vec from, Vec to) {
  return KusabiSegment{static_cast<int16_t>(from.x), static_cast<int16_t>(from.y), static_cast<int16_t>(to.x),
                       static_cast<int16_t>(to.y)};
}

// City-block distance from the end of segment k to the start of segment k + 1.
inline int Gap(const KusabiPattern& shape, int k) {
  return Norm(Minus(StartOf(shape.segment[k + 1]), EndOf(shape.segment[k])));
}

// True when segment k + 1 exists and starts exactly where segment k ends.
inline bool Connected(const KusabiPattern& shape, int count, int k) {
  return k >= 0 && k + 1 < count && Gap(shape, k) == 0;
}

// True when segment b starts exactly where segment a ends (a and b need not be neighbours).
inline bool Touches(const KusabiPattern& shape, int a, int b) {
  return Norm(Minus(StartOf(shape.segment[b]), EndOf(shape.segment[a]))) == 0;
}

// The movement with the pen up from the end of segment k to the start of k + 1.
inline KusabiSegment PenUpVector(const KusabiPattern& shape, int k) {
  return SegmentBetween(EndOf(shape.segment[k]), StartOf(shape.segment[k + 1]));
}

class Context {
 public:
  Context(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score, SegmentCorrespondence* corr,
          const int16_t* inLen, const int16_t* patLen)
      : in(*input),
        pat(*pattern),
        score(*score),
        corr(*corr),
        inLen(inLen),
        patLen(patLen),
        inCount(ClampedCount(input->segments)),
        patCount(ClampedCount(pattern->segments)) {}

  // A correspondence entry names a segment only when it is an index of that shape;
  // markers (254, 255) and stale indices beyond the shape name none.
  bool IsInput(int v) const { return v >= 0 && v < inCount; }
  bool IsPattern(int v) const { return v >= 0 && v < patCount; }

  // Group distance G(p): position plus shape distance of the group headed by p.
  int G(int p) const { return corr.groupPos[p] + corr.groupShape[p]; }

  // Input chain first..last against pattern chain pFirst..pLast; any range that is
  // empty or leaves a shape gives the absent distance, so it is never taken.
  ChainResult Chain(int first, int last, int pFirst, int pLast) const {
    ChainResult r;
    const bool inputOk = IsInput(first) && IsInput(last) && first <= last;
    const bool patternOk = IsPattern(pFirst) && IsPattern(pLast) && pFirst <= pLast;
    if (!inputOk || !patternOk) {
      ChainDistance(nullptr, 0, nullptr, 0, &r);
    } else {
      ChainDistance(&in.segment[first], last - first + 1, &pat.segment[pFirst], pLast - pFirst + 1, &r);
    }
    return r;
  }

  // Puts C on the group headed by `head` in place of the groups headed by `replaced`.
  void ApplyChain(const ChainResult& c, int head, std::initializer_list<int> replaced) {
    int oldPos = 0, oldShape = 0;
    int seen[4];
    int seenCount = 0;
    for (int r : replaced) {
      bool repeat = false;
      for (int k = 0; k < seenCount; ++k) repeat = repeat || seen[k] == r;
      if (repeat || seenCount == 4) continue;
      seen[seenCount++] = r;
      if (corr.groupPos[r] < kLoopGroup) oldPos += corr.groupPos[r];  // a head without a group adds nothing
      if (corr.groupShape[r] < kLoopGroup) oldShape += corr.groupShape[r];
      if (r != head) corr.groupPos[r] = corr.groupShape[r] = kNoGroup;
    }
    AddTo(score.posSum, c.pos - oldPos);
    AddTo(score.shapeSum, c.shape - oldShape);
    corr.groupPos[head] = static_cast<uint16_t>(c.pos);
    corr.groupShape[head] = static_cast<uint16_t>(c.shape);
  }

  void SetPattern(int p, int first, int last) {
    corr.patFirst[p] = static_cast<uint8_t>(first);
    corr.patLast[p] = static_cast<uint8_t>(last);
  }
  void SetInput(int i, int first, int last) {
    corr.inFirst[i] = static_cast<uint8_t>(first);
    corr.inLast[i] = static_cast<uint8_t>(last);
  }

  // Every pass ends by totalling the score again (in 16 bits).
  void Finish() {
    score.total = static_cast<int16_t>(score.posSum + score.shapeSum + score.patternOmission + score.inputOmission +
                                       score.extra);
  }

  const KusabiPattern& in;
  const KusabiPattern& pat;
  MatchScore& score;
  SegmentCorrespondence& corr;
  const int16_t* inLen;
  const int16_t* patLen;
  const int inCount;
  const int patCount;
};

// The best of up to four candidates: the smallest valid total below 32767, the
// first in candidate order winning ties. Returns the candidate's slot or -1.
inline int BestCandidate(std::initializer_list<std::pair<bool, int>> candidates) {
  int best = kAbsentDistance, slot = -1, k = 0;
  for (const auto& c : candidates) {
    if (c.first && c.second < best) {
      best = c.second;
      slot = k;
    }
    ++k;
  }
  return slot;
}

}  // namespace refine
