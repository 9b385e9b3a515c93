// Loop comparison: marks turning runs of segments (curls, loops) in a shape, pairs
// the runs of input and pattern, and compares paired runs by their axis steps.
#include "loop.h"

#include "direction.h"

namespace {

// Loop marks are read as signed bytes: positive runs above 0, negative below.
int8_t Signed(uint8_t mark) { return static_cast<int8_t>(mark); }

int ClampedCount(int16_t segments) {
  return segments < 0 ? 0 : (segments > kMaxSegments ? kMaxSegments : segments);
}

}  // namespace

int16_t TurnAngle(const KusabiSegment& a, const KusabiSegment& b) {
  return TurnBetween(a.x1 - a.x0, a.y1 - a.y0, b.x1 - b.x0, b.y1 - b.y0);
}

void ZkGetLoop(const KusabiPattern* shape, const uint8_t* strokeMap, uint8_t* marks) {
  const int count = ClampedCount(shape->segments);
  for (int k = 0; k < count; ++k) marks[k] = kLoopNone;
  if (count <= 2) return;

  int s0 = 0, s1 = 1;
  int16_t a01 = TurnAngle(shape->segment[0], shape->segment[1]);
  for (int s2 = 2; s2 < count; ++s2) {
    const int16_t a12 = TurnAngle(shape->segment[s1], shape->segment[s2]);
    const bool oneStroke = strokeMap[s0] == strokeMap[s1] && strokeMap[s1] == strokeMap[s2];
    if (oneStroke) {
      if (a01 >= 0 && a12 >= 0) {
        // A straight continuation (turn 0) counts as turning the positive way.
        if (Signed(marks[s0]) >= 0) {
          if (marks[s0] == kLoopNone) marks[s0] = kLoopPosFirst;
          marks[s1] = kLoopPosInner;
          marks[s2] = kLoopPosLast;
        } else {
          marks[s1] = kLoopNone;
          marks[s2] = kLoopNone;
        }
      } else if (a01 <= 0 && a12 <= 0) {
        if (Signed(marks[s0]) <= 0) {
          if (marks[s0] == kLoopNone) marks[s0] = kLoopNegFirst;
          marks[s1] = kLoopNegInner;
          marks[s2] = kLoopNegLast;
        } else {
          marks[s1] = kLoopNone;
          marks[s2] = kLoopNone;
        }
      }
    }
    s0 = s1;
    s1 = s2;
    a01 = a12;
  }
}

namespace {

bool Positive(uint8_t mark) { return Signed(mark) > 0; }
bool Negative(uint8_t mark) { return Signed(mark) < 0; }
bool SameSense(uint8_t mark, int sense) { return sense > 0 ? Positive(mark) : Negative(mark); }

uint8_t FirstMark(int sense) { return sense > 0 ? kLoopPosFirst : kLoopNegFirst; }
uint8_t InnerMark(int sense) { return sense > 0 ? kLoopPosInner : kLoopNegInner; }
uint8_t LastMark(int sense) { return sense > 0 ? kLoopPosLast : kLoopNegLast; }

// An entry of the correspondence that names a segment of a 90-segment shape.
bool IsIndex(int v, int count) { return v >= 0 && v < count; }

// Pattern segment p pairs with input segments that all turn the same way, and its
// input partner pairs with pattern segments that all do too.
bool Qualifies(const uint8_t* inMarks, const uint8_t* patMarks, int patCount, const SegmentCorrespondence* corr,
               int p, int sense) {
  const int f = corr->patFirst[p], l = corr->patLast[p];
  if (!IsIndex(f, kMaxSegments) || !IsIndex(l, kMaxSegments) || f > l) return false;
  for (int i = f; i <= l; ++i)
    if (!SameSense(inMarks[i], sense)) return false;
  const int first = corr->inFirst[f], last = corr->inLast[f];
  if (!IsIndex(first, patCount) || !IsIndex(last, patCount)) return false;
  for (int q = first; q <= last; ++q)
    if (!SameSense(patMarks[q], sense)) return false;
  return true;
}

// Ends the open run before p: a run of a single first mark is dropped.
void CloseRun(uint8_t* result, int p, int sense) {
  if (p >= 1) result[p - 1] = result[p - 1] == FirstMark(sense) ? kLoopNone : LastMark(sense);
}

}  // namespace

void PairLoops(const uint8_t* inMarks, const uint8_t* patMarks, int patCount, const SegmentCorrespondence* corr,
               uint8_t* result) {
  const int count = patCount < 0 ? 0 : (patCount > kMaxSegments ? kMaxSegments : patCount);
  for (int p = 0; p <= count; ++p) result[p] = kLoopNone;

  int p = 0;
  while (p < count) {
    const int sense = patMarks[p] == kLoopPosFirst ? 1 : (patMarks[p] == kLoopNegFirst ? -1 : 0);
    if (sense == 0) {
      ++p;
      continue;
    }
    bool open = false;
    int previousLast = -2;
    for (; p < count && SameSense(patMarks[p], sense); ++p) {
      const int f = corr->patFirst[p], l = corr->patLast[p];
      bool taken = false;
      if (Qualifies(inMarks, patMarks, count, corr, p, sense)) {
        if (!open) {
          result[p] = FirstMark(sense);
          open = true;
          taken = true;
        } else if (f == corr->patFirst[p - 1] || f == previousLast + 1) {
          result[p] = InnerMark(sense);
          taken = true;
        }
        if (taken && (patMarks[p] == LastMark(sense) || inMarks[l] == LastMark(sense))) {
          result[p] = LastMark(sense);
          open = false;
        }
      }
      if (!taken && open) {
        CloseRun(result, p, sense);
        open = false;
      }
      previousLast = l;
    }
    // A run still open where the pattern's run ends is closed there, so that every
    // result run ends in a last mark.
    if (open) CloseRun(result, p, sense);
    ++p;  // the segment after a pattern run starts none
  }

  // Result runs shorter than three segments are dropped, and so is anything else.
  p = 0;
  while (p < count) {
    const int sense = result[p] == kLoopPosFirst ? 1 : (result[p] == kLoopNegFirst ? -1 : 0);
    if (sense == 0) {
      result[p] = kLoopNone;
      ++p;
      continue;
    }
    int end = p + 1;
    while (end < count && SameSense(result[end], sense)) ++end;
    if (end - p < 3)
      for (int k = p; k < end; ++k) result[k] = kLoopNone;
    p = end;
  }
}

int LoopSteps(const LoopVector* vectors, int first, int last, int sense, LoopStep* steps) {
  if (first < 0 || last >= kMaxSegments || first > last) return 0;
  int count = 0;
  auto append = [&](int dx, int dy) {
    if (count < kMaxLoopSteps) steps[count++] = LoopStep{static_cast<int16_t>(dx), static_cast<int16_t>(dy)};
  };
  // Both components of acc as two steps; the order follows the turning sense and
  // whether the vector v points into the second or fourth quadrant.
  auto flush = [&](LoopVector acc, LoopVector v) {
    const bool opp = (v.x < 0 && v.y > 0) || (v.x > 0 && v.y < 0);
    const bool yFirst = sense > 0 ? opp : !opp;
    if (yFirst) {
      append(0, acc.y);
      append(acc.x, 0);
    } else {
      append(acc.x, 0);
      append(0, acc.y);
    }
  };
  auto opposite = [](int a, int b) { return (a > 0 && b < 0) || (a < 0 && b > 0); };

  LoopVector acc = vectors[first];
  for (int k = first + 1; k <= last; ++k) {
    const LoopVector prev = vectors[k - 1], cur = vectors[k];
    const bool xFlip = opposite(prev.x, cur.x), yFlip = opposite(prev.y, cur.y);
    if (xFlip && yFlip) {
      flush(acc, cur);
      acc = cur;
    } else if (xFlip) {
      append(acc.x, 0);
      acc = LoopVector{cur.x, static_cast<int16_t>(acc.y + cur.y)};
    } else if (yFlip) {
      append(0, acc.y);
      acc = LoopVector{static_cast<int16_t>(acc.x + cur.x), cur.y};
    } else {
      acc = LoopVector{static_cast<int16_t>(acc.x + cur.x), static_cast<int16_t>(acc.y + cur.y)};
    }
  }
  flush(acc, vectors[last]);
  return count;
}

namespace {

struct Point {
  int x, y;
};

int Apart(Point a, Point b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

int16_t Saturated(int value) { return static_cast<int16_t>(value > kAbsentDistance ? kAbsentDistance : value); }

}  // namespace

void LoopStepDistance(LoopVector pa, const LoopStep* patSteps, int patCount, LoopVector pb, const LoopStep* inSteps,
                      int inCount, ChainResult* result) {
  // Every run reduces to at least two steps; anything less is no comparison.
  if (patCount < 2 || inCount < 2) {
    *result = ChainResult{kAbsentDistance, kAbsentDistance, 0};
    return;
  }
  const LoopStep* A = patSteps;
  const LoopStep* B = inSteps;
  Point PA = {pa.x, pa.y}, PB = {pb.x, pb.y};
  int pos = Apart(PA, PB), shape = 0, iA = 0, iB = 0;

  // Align the first steps when the runs start out in opposite directions.
  auto skipA = [&](bool vertical) {
    shape = vertical ? std::abs(A[0].dy) : std::abs(A[0].dx);
    (vertical ? PA.y : PA.x) += vertical ? A[0].dy : A[0].dx;
    iA = 1;
  };
  auto skipB = [&](bool horizontal) {
    shape = horizontal ? std::abs(B[0].dx) : std::abs(B[0].dy);
    (horizontal ? PB.x : PB.y) += horizontal ? B[0].dx : B[0].dy;
    iB = 1;
  };
  if (A[0].dy >= 1 && B[0].dy <= 0) {
    if (B[1].dy < 1) skipA(true);
    else skipB(true);
  } else if (A[0].dy < 0 && B[0].dy >= 0) {
    if (B[1].dy < 0) skipB(true);
    else skipA(true);
  } else if (A[0].dx >= 1 && B[0].dx <= 0) {
    if (B[1].dx < 1) skipA(false);
    else skipB(false);
  } else if (A[0].dx < 0 && B[0].dx >= 0) {
    if (B[1].dx < 0) skipB(false);
    else skipA(false);
  }
  pos += Apart(PA, PB);

  for (; iA < patCount && iB < inCount; ++iA, ++iB) {
    if (A[iA].dx == 0) {
      shape += std::abs(A[iA].dy - B[iB].dy);
      PA.y += A[iA].dy;
      PB.y += B[iB].dy;
    } else {
      shape += std::abs(A[iA].dx - B[iB].dx);
      PA.x += A[iA].dx;
      PB.x += B[iB].dx;
    }
    pos += Apart(PA, PB);
  }
  // At most one step left over on either side is charged.
  if (iA < patCount) {
    shape += std::abs(A[iA].dx) + std::abs(A[iA].dy);
    PA.x += A[iA].dx;
    PA.y += A[iA].dy;
    pos += Apart(PA, PB);
  } else if (iB < inCount) {
    shape += std::abs(B[iB].dx) + std::abs(B[iB].dy);
    PB.x += B[iB].dx;
    PB.y += B[iB].dy;
    pos += Apart(PA, PB);
  }
  result->pos = Saturated(pos);
  result->shape = Saturated(shape);
  result->total = Saturated(pos + shape);
}

namespace {

// Vectors of the marked segments; unmarked segments keep (0, 0).
void MarkedVectors(const KusabiPattern& shape, int count, const uint8_t* marks, LoopVector* vectors) {
  for (int k = 0; k < kMaxSegments; ++k) vectors[k] = LoopVector{0, 0};
  for (int k = 0; k < count; ++k) {
    if (marks[k] == kLoopNone) continue;
    const KusabiSegment& s = shape.segment[k];
    vectors[k] = LoopVector{static_cast<int16_t>(s.x1 - s.x0), static_cast<int16_t>(s.y1 - s.y0)};
  }
}

}  // namespace

void LoopPass(const KusabiPattern* pattern, const KusabiPattern* input, ChainResult* delta, const int16_t*,
              const int16_t*, const uint8_t* inStrokeMap, const uint8_t* patStrokeMap, SegmentCorrespondence* corr) {
  *delta = ChainResult{0, 0, 0};
  const int inCount = ClampedCount(input->segments);
  const int patCount = ClampedCount(pattern->segments);

  uint8_t inMarks[kMaxSegments] = {}, patMarks[kMaxSegments] = {};
  ZkGetLoop(input, inStrokeMap, inMarks);
  ZkGetLoop(pattern, patStrokeMap, patMarks);
  LoopVector inVectors[kMaxSegments], patVectors[kMaxSegments];
  MarkedVectors(*input, inCount, inMarks, inVectors);
  MarkedVectors(*pattern, patCount, patMarks, patVectors);

  uint8_t result[kMaxSegments + 1];
  PairLoops(inMarks, patMarks, patCount, corr, result);

  int total = 0, pos = 0, shape = 0;
  for (int p = 0; p < patCount; ++p) {
    const int sense = result[p] == kLoopPosFirst ? 1 : (result[p] == kLoopNegFirst ? -1 : 0);
    if (sense == 0) continue;
    int q = p + 1;
    while (q < patCount && result[q] != LastMark(sense)) ++q;
    if (q >= patCount) continue;  // no last mark: not a run

    int a = corr->patFirst[p];
    if (!IsIndex(a, inCount)) a = corr->patFirst[p + 1];
    int b = corr->patLast[q];
    if (!IsIndex(b, inCount)) b = corr->patLast[q - 1];
    const int h1 = IsIndex(a, inCount) ? corr->inFirst[a] : -1;
    const int h2 = IsIndex(b, inCount) ? corr->inFirst[b] : -1;
    if (IsIndex(a, inCount) && IsIndex(b, inCount) && a <= b && IsIndex(h1, patCount) && IsIndex(h2, patCount)) {
      LoopStep inSteps[kMaxLoopSteps], patSteps[kMaxLoopSteps];
      const int inStepCount = LoopSteps(inVectors, a, b, sense, inSteps);
      const int patStepCount = LoopSteps(patVectors, p, q, sense, patSteps);
      const KusabiSegment& ps = pattern->segment[p];
      const KusabiSegment& is = input->segment[a];
      ChainResult d;
      LoopStepDistance(LoopVector{ps.x0, ps.y0}, patSteps, patStepCount, LoopVector{is.x0, is.y0}, inSteps,
                       inStepCount, &d);

      // The groups the run covers; those absorbed by an earlier run count no more.
      int oldPos = 0, oldShape = 0;
      for (int h = h1; h <= h2; ++h) {
        if (corr->groupPos[h] >= kLoopGroup) continue;
        oldPos += corr->groupPos[h];
        oldShape += corr->groupShape[h] < kLoopGroup ? corr->groupShape[h] : 0;
      }
      if (d.total < kAbsentDistance && d.total < oldPos + oldShape) {
        total += d.total - (oldPos + oldShape);
        pos += d.pos - oldPos;
        shape += d.shape - oldShape;
        corr->groupPos[h1] = static_cast<uint16_t>(d.pos);
        corr->groupShape[h1] = static_cast<uint16_t>(d.shape);
        for (int h = h1 + 1; h <= h2; ++h) corr->groupPos[h] = corr->groupShape[h] = kLoopGroup;
      }
    }
    p = q;  // the scan goes on after the run
  }
  // Kept within 16 bits without wrapping, so that the delta never turns positive.
  auto narrow = [](int v) { return static_cast<int16_t>(v < -32768 ? -32768 : (v > 32767 ? 32767 : v)); };
  delta->total = narrow(total);
  delta->pos = narrow(pos);
  delta->shape = narrow(shape);
}
