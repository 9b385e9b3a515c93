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
