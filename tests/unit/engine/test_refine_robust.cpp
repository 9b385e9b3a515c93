// Random shapes and random correspondences (markers and stale indices included)
// through every refinement pass and the loop pass; run under ASan and UBSan.
#include <gtest/gtest.h>

#include <random>

#include "comparison_fixture.h"
#include "loop.h"
#include "refine.h"

namespace {

using Pass = void (*)(const KusabiPattern*, const KusabiPattern*, MatchScore*, SegmentCorrespondence*,
                      const int16_t*, const int16_t*);
const Pass kPasses[] = {MergeLonePatternSegments, MergeLoneInputSegments, MergePatternRuns,
                        SwapGroupsAtPenUps,      RepairByExchange,       MatchInputRunsToPenUps,
                        InputPenUpCheck,         OffstrokeOmomi,         SettlePatternLeftovers,
                        RefineCorrespondence};

class Random {
 public:
  explicit Random(uint32_t seed) : rng_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Int(0, 99) < percent; }

  // Polylines with pen-ups, short strokes, zero-length segments, and sometimes
  // coordinates anywhere in 16 bits.
  KusabiPattern Shape() {
    KusabiPattern p = {};
    p.segments = static_cast<int16_t>(Chance(10) ? kMaxSegments : Int(0, 14));
    const bool wild = Chance(10);
    int x = Int(-100, 100), y = Int(-100, 100);
    p.strokes = p.segments > 0 ? 1 : 0;
    for (int k = 0; k < p.segments; ++k) {
      if (k > 0 && Chance(25)) {
        x = Int(-100, 100);
        y = Int(-100, 100);
        ++p.strokes;
      }
      int nx = x, ny = y;
      if (wild) {
        nx = Int(-32768, 32767);
        ny = Int(-32768, 32767);
      } else if (!Chance(10)) {
        nx += Int(-40, 40);
        ny += Int(-40, 40);
      }
      p.segment[k] = {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(nx),
                      static_cast<int16_t>(ny)};
      x = nx;
      y = ny;
    }
    if (Chance(5)) p.strokes = static_cast<uint16_t>(Int(0, 40));
    return p;
  }

  // A correspondence byte: mostly small indices, often markers, sometimes stale.
  uint8_t Entry(int count) {
    const int kind = Int(0, 9);
    if (kind < 5 && count > 0) return static_cast<uint8_t>(Int(0, count - 1));
    if (kind < 7) return kUnpaired;
    if (kind < 8) return kPenUpPaired;
    return static_cast<uint8_t>(Int(0, 255));
  }

  uint16_t GroupValue() {
    const int kind = Int(0, 9);
    if (kind < 6) return static_cast<uint16_t>(Int(0, 200));
    if (kind < 8) return kNoGroup;
    if (kind < 9) return kLoopGroup;
    return static_cast<uint16_t>(Int(0, 65535));
  }

 private:
  std::mt19937 rng_;
};

Comparison RandomCase(Random& r) {
  const KusabiPattern input = r.Shape();
  Comparison c(input, r.Shape());
  if (r.Chance(50)) {
    // Anything at all in the correspondence.
    for (int k = 0; k < kMaxSegments; ++k) {
      c.corr.inFirst[k] = r.Entry(c.pattern.segments);
      c.corr.inLast[k] = r.Chance(70) ? c.corr.inFirst[k] : r.Entry(c.pattern.segments);
      c.corr.patFirst[k] = r.Entry(c.input.segments);
      c.corr.patLast[k] = r.Chance(70) ? c.corr.patFirst[k] : r.Entry(c.input.segments);
      c.corr.groupPos[k] = r.GroupValue();
      c.corr.groupShape[k] = r.GroupValue();
    }
    c.score = {0, static_cast<int16_t>(r.Int(-500, 500)), static_cast<int16_t>(r.Int(-500, 500)), 0, 0, 0};
    return c;
  }
  // One-to-one pairs of nearby segments, as a greedy pairing leaves them.
  for (int i = 0; i < c.input.segments; ++i) {
    int best = -1, bestD = 57;
    for (int p = 0; p < c.pattern.segments; ++p) {
      const int d = SegmentEndpointDistance(c.input.segment[i], c.pattern.segment[p]);
      if (c.corr.patFirst[p] == kUnpaired && d >= 0 && d < bestD) best = p, bestD = d;
    }
    if (best >= 0) c.Pair(i, best);
  }
  return c.Omissions();
}

// Entries stay indices of the other shape or markers.
bool WellFormed(const Comparison& c) {
  for (int i = 0; i < c.input.segments; ++i) {
    for (uint8_t v : {c.corr.inFirst[i], c.corr.inLast[i]})
      if (v != kUnpaired && v != kPenUpPaired && v >= c.pattern.segments) return false;
  }
  for (int p = 0; p < c.pattern.segments; ++p) {
    for (uint8_t v : {c.corr.patFirst[p], c.corr.patLast[p]})
      if (v != kUnpaired && v != kPenUpPaired && v >= c.input.segments) return false;
  }
  return true;
}

}  // namespace

TEST(RefineRobustness, RandomShapesAndCorrespondences) {
  Random r(20240611);
  for (int round = 0; round < 4000; ++round) {
    Comparison c = RandomCase(r);
    const bool wellFormedBefore = WellFormed(c);
    const Pass pass = kPasses[r.Chance(50) ? 9 : r.Int(0, 9)];
    pass(&c.input, &c.pattern, &c.score, &c.corr, c.inLen, c.patLen);
    ASSERT_EQ(c.score.total, c.Total()) << "round " << round;
    if (wellFormedBefore) {
      ASSERT_TRUE(WellFormed(c)) << "round " << round;
    }

    uint8_t inMap[kMaxSegments], patMap[kMaxSegments];
    BuildStrokeMap(c.input, inMap);
    BuildStrokeMap(c.pattern, patMap);
    ChainResult delta;
    LoopPass(&c.pattern, &c.input, &delta, c.inLen, c.patLen, inMap, patMap, &c.corr);
    ASSERT_LE(delta.total, 0) << "round " << round;
  }
}

TEST(RefineRobustness, LoopsOnRandomCurls) {
  // Spirals and zigzags of up to 90 segments give long runs and long step lists.
  Random r(7);
  int improved = 0;
  for (int round = 0; round < 300; ++round) {
    Comparison c = RandomCase(r);
    for (KusabiPattern* shape : {&c.input, &c.pattern}) {
      const int n = r.Int(3, kMaxSegments);
      shape->segments = static_cast<int16_t>(n);
      shape->strokes = 1;
      int x = 0, y = 0, dx = r.Int(1, 9), dy = r.Int(-9, 9);
      for (int k = 0; k < n; ++k) {
        const int t = dx;  // a quarter turn (or a reversal in zigzag rounds)
        dx = round % 2 ? -dy : -dx;
        dy = round % 2 ? t : -dy;
        shape->segment[k] = {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(x + dx),
                             static_cast<int16_t>(y + dy)};
        x += dx;
        y += dy;
      }
    }
    for (int k = 0; k < kMaxSegments; ++k) {
      c.corr.patFirst[k] = c.corr.patLast[k] = static_cast<uint8_t>(k < c.input.segments ? k : kUnpaired);
      c.corr.inFirst[k] = c.corr.inLast[k] = static_cast<uint8_t>(k < c.pattern.segments ? k : kUnpaired);
      c.corr.groupPos[k] = c.corr.groupShape[k] = static_cast<uint16_t>(r.Int(0, 300));
    }
    uint8_t inMap[kMaxSegments], patMap[kMaxSegments];
    BuildStrokeMap(c.input, inMap);
    BuildStrokeMap(c.pattern, patMap);
    ChainResult delta;
    LoopPass(&c.pattern, &c.input, &delta, c.inLen, c.patLen, inMap, patMap, &c.corr);
    ASSERT_LE(delta.total, 0);
    if (delta.total < 0) ++improved;
  }
  EXPECT_GT(improved, 30);  // the runs are found and compared, not skipped
}
