// Placeholder loop comparison: no loops are marked and no delta is returned.
// Replaced by loop.cpp.
#include "loop.h"

#include "direction.h"

int16_t TurnAngle(const KusabiSegment& a, const KusabiSegment& b) {
  return TurnBetween(a.x1 - a.x0, a.y1 - a.y0, b.x1 - b.x0, b.y1 - b.y0);
}

void ZkGetLoop(const KusabiPattern* shape, const uint8_t*, uint8_t* marks) {
  for (int i = 0; i < shape->segments && i < kMaxSegments; ++i) marks[i] = kLoopNone;
}

void PairLoops(const uint8_t*, const uint8_t*, int patCount, const SegmentCorrespondence*, uint8_t* result) {
  for (int i = 0; i <= patCount && i < kMaxSegments; ++i) result[i] = 0;
}

int LoopSteps(const LoopVector*, int, int, int, LoopStep*) { return 0; }

void LoopStepDistance(LoopVector, const LoopStep*, int, LoopVector, const LoopStep*, int, ChainResult* result) {
  *result = ChainResult{0, 0, 0};
}

void LoopPass(const KusabiPattern*, const KusabiPattern*, ChainResult* delta, const int16_t*, const int16_t*,
              const uint8_t*, const uint8_t*, SegmentCorrespondence*) {
  *delta = ChainResult{0, 0, 0};
}
