// The nine refinement passes on small hand-made comparisons, each set up the way
// the greedy pass leaves it; then random shapes and random correspondences (markers
// and stale indices included) through every refinement pass and the loop pass, run
// under ASan and UBSan.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "comparison_fixture.h"
#include "loop.h"
#include "refine.h"

namespace {

using Pass = void (*)(const KusabiPattern*, const KusabiPattern*, MatchScore*, SegmentCorrespondence*,
                      const int16_t*, const int16_t*);
constexpr int any = -1000, same = -1001;  // a score not checked; a score the pass must keep
constexpr int U = kUnpaired, P = kPenUpPaired, NG = kNoGroup;

struct Link {
  int at, a, b;  // pattern p: first..last input; input i: first..last pattern; group p: pos, shape
};
struct Score {
  int pos, shape, patternOmission, inputOmission, extra, total;
};
struct RefineCase {
  const char* what;
  Pass pass;
  KusabiPattern input, pattern;
  std::vector<std::pair<int, int>> pairs;  // input, pattern: one to one as the greedy pass pairs
  Score expect;
  std::vector<Link> patterns, inputs, groups;
  int penUpInput = -1;  // an input segment already taken against a pen-up
};

// Two horizontal strokes, upper then lower: the pen-up runs from (30,10) to (-30,-10).
const KusabiPattern kTwoBars = Shape({{{-30, 10}, {30, 10}}, {{-30, -10}, {30, -10}}});
// The same with a 15-unit hook at the end of the upper bar.
const KusabiPattern kHookedBars = Shape({{{-30, 10}, {30, 10}, {25, 0}}, {{-30, -10}, {30, -10}}});

const RefineCase kCases[] = {
    // The writer drew one straight line where the pattern breaks at (-10,0); paired with
    // the longer piece. Against both pieces, (60,0) cut 20:40 fits; only the 2-unit offsets stay.
    {"two pattern segments written as one", MergeLonePatternSegments, Shape({{{-30, 2}, {30, 2}}}),
     Shape({{{-30, 0}, {-10, 0}, {30, 0}}}), {{0, 1}}, {4, 0, 0, any, any, 4},
     {{0, 0, 0}, {1, 0, 0}}, {{0, 0, 1}}, {{0, 4, 0}, {1, NG, NG}}},
    // Three 20-unit pieces against two 30-unit halves paired with the outer ones: next or
    // previous alone cost 24 each; both with the middle piece re-divided cost 8.
    {"middle segment joins both neighbours", MergeLonePatternSegments, Shape({{{-30, 2}, {0, 2}, {30, 2}}}),
     Shape({{{-30, 0}, {-10, 0}, {10, 0}, {30, 0}}}), {{0, 0}, {1, 2}}, {any, any, 0, any, any, 8},
     {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}}, {{0, 0, 2}, {1, 0, 2}}, {{0, 8, 0}, {2, NG, NG}}},
    // The first piece climbs steeply: the merged chain (91) is worse than the pair (44).
    {"a merge that fits worse is not taken", MergeLonePatternSegments, Shape({{{-30, 2}, {30, 2}}}),
     Shape({{{-30, -30}, {-10, 0}, {30, 0}}}), {{0, 1}}, {any, any, same, any, any, same}, {{0, U, U}}, {{0, 1, 1}}, {}},
    // A tiny tick the greedy pass refused (d + s = 8 is not below 2 * (2 + 2)).
    {"single pairing of two leftovers", MergeLonePatternSegments, Shape({{{-30, 20}, {30, 20}}, {{0, 0}, {2, 0}}}),
     Shape({{{-30, 20}, {30, 20}}, {{0, 0}, {0, -2}}}), {{0, 0}}, {any, any, 0, 0, any, 8}, {{1, 1, 1}}, {{1, 1, 1}},
     {{1, 4, 4}}},
    {"two input segments for one pattern segment", MergeLoneInputSegments, Shape({{{-30, 0}, {-10, 0}, {30, 0}}}),
     Shape({{{-30, 2}, {30, 2}}}), {{1, 0}}, {any, any, any, 0, any, 4}, {{0, 0, 1}}, {{0, 0, 0}, {1, 0, 0}},
     {{0, 4, 0}}},
    {"a run of two joins the following group", MergePatternRuns, Shape({{{-30, 2}, {30, 2}}}),
     Shape({{{-30, 0}, {-20, 0}, {-10, 0}, {30, 0}}}), {{0, 2}}, {any, any, 0, any, any, 4}, {{0, 0, 0}, {1, 0, 0}},
     {{0, 0, 2}}, {{0, 4, 0}, {2, NG, NG}}},
    // The lower bar was written first and sits high; the greedy pass crossed the pairs.
    // The input's jump fits the pattern's pen-up, and 8 + 22 beats 18 + 48.
    {"groups written in the opposite order", SwapGroupsAtPenUps, Shape({{{-29, 12}, {29, 12}}, {{-30, 1}, {30, 1}}}),
     kTwoBars, {{1, 0}, {0, 1}}, {28, 2, any, any, any, 30}, {{0, 0, 0}, {1, 1, 1}}, {{0, 0, 0}, {1, 1, 1}},
     {{0, 6, 2}, {1, 22, 0}}},
    {"a good pairing stays", SwapGroupsAtPenUps, Shape({{{-30, 9}, {30, 9}}, {{-30, -11}, {30, -11}}}), kTwoBars,
     {{0, 0}, {1, 1}}, {any, any, any, any, any, same}, {{0, 0, 0}, {1, 1, 1}}, {}, {}},
    // Input 0 lies on pattern 0 but was paired with pattern 1; input 1 lies near pattern 1.
    {"swap with an unpaired input segment", RepairByExchange, Shape({{{0, 1}, {10, 1}}, {{0, 22}, {10, 22}}}),
     Shape({{{0, 0}, {10, 0}}, {{0, 20}, {10, 20}}}), {{0, 1}}, {any, any, 0, 0, any, 6}, {{0, 0, 0}, {1, 1, 1}},
     {{0, 0, 0}, {1, 1, 1}}, {{0, 2, 0}, {1, 4, 0}}},
    // The spare input is far away: pattern 1 is now omitted instead of pattern 0.
    {"move when the spare input is far", RepairByExchange, Shape({{{0, 1}, {10, 1}}, {{100, 100}, {110, 100}}}),
     Shape({{{0, 0}, {10, 0}}, {{0, 20}, {10, 20}}}), {{0, 1}}, {any, any, 20, any, any, 42}, {{0, 0, 0}, {1, U, U}},
     {{0, 0, 0}, {1, U, U}}, {{0, 2, 0}, {1, NG, NG}}},
    // Written in one stroke: the connector (30,10)->(-28,-10) runs where the pattern
    // lifts the pen; end point 2 off, vector 2 off.
    {"cursive connection against the pen-up", MatchInputRunsToPenUps,
     Shape({{{-30, 10}, {30, 10}, {-28, -10}, {30, -10}}}), kTwoBars, {{0, 0}, {2, 1}}, {any, any, any, 0, 4, 8}, {},
     {{1, P, P}}, {}},
    {"an isolated run costs three times its length", MatchInputRunsToPenUps,
     Shape({{{-30, 10}, {30, 10}}, {{40, 40}, {45, 40}, {45, 45}}, {{-30, -10}, {30, -10}}}), kTwoBars,
     {{0, 0}, {3, 1}}, {any, any, any, 30, any, any}, {}, {{1, U, U}, {2, U, U}}, {}},
    {"a connection where the pattern does not lift the pen", MatchInputRunsToPenUps,
     Shape({{{-30, 10}, {30, 10}, {20, 0}, {30, -10}}}), Shape({{{-30, 10}, {30, 10}, {30, -10}}}), {{0, 0}, {2, 1}},
     {any, any, any, 60, 0, any}, {}, {{1, U, U}}, {}},
    // A 20-unit tail, then the pen lifts: tail and jump together against the pen-up.
    {"short tail before the input's own pen-up", MatchInputRunsToPenUps,
     Shape({{{-30, 10}, {30, 10}, {20, 0}}, {{-30, -10}, {30, -10}}}), kTwoBars, {{0, 0}, {2, 1}},
     {any, any, any, 0, 20, 20}, {}, {{1, P, P}}, {}},
    // Jump (-55,-10) and a 15-unit lead-in (-5,-10) against the pen-up (-60,-20) cut 65:15
    // into (-48,-16) and (-11,-3): 13 + 13.
    {"short lead-in after the input's own pen-up", MatchInputRunsToPenUps,
     Shape({{{-30, 10}, {30, 10}}, {{-25, 0}, {-30, -10}, {30, -10}}}), kTwoBars, {{0, 0}, {2, 1}},
     {any, any, any, 0, 26, any}, {}, {{1, P, P}}, {}},
    {"a pen lift inside one pattern stroke", InputPenUpCheck, Shape({{{-20, 20}, {-20, -20}}, {{-18, -22}, {20, -20}}}),
     Shape({{{-20, 20}, {-20, -20}, {20, -20}}}), {{0, 0}, {1, 1}}, {any, any, any, 4, any, any}, {}, {}, {}},
    {"a pen lift where the pattern lifts too", InputPenUpCheck,
     Shape({{{-20, 20}, {-20, -20}}, {{-18, -22}, {20, -20}}}),
     Shape({{{-20, 20}, {-20, -20}}, {{-20, -22}, {20, -20}}}), {{0, 0}, {1, 1}}, {any, any, any, 0, any, any}, {},
     {}, {}},
    // The jump is (0,-4) off the pen-up; one compared pen-up stands for the input's two.
    {"pen-ups rescaled by input strokes", OffstrokeOmomi,
     Shape({{{-30, 10}, {30, 10}}, {{-30, -14}, {30, -14}}, {{50, 50}, {55, 50}}}), kTwoBars, {{0, 0}, {1, 1}},
     {any, any, any, any, 8, any}, {}, {}, {}},
    {"a single-stroke input is not rescaled", OffstrokeOmomi, Shape({{{-30, 10}, {30, 10}, {-30, -14}, {30, -14}}}),
     kTwoBars, {{0, 0}, {2, 1}}, {any, any, any, any, 4, any}, {}, {}, {}, 1},
    {"an uncompared pen-up costs its length", OffstrokeOmomi, Shape({{{-30, 10}, {30, 10}}}), kTwoBars, {{0, 0}},
     {any, any, any, any, 60 + 20, any}, {}, {}, {}},
    // Jump (-60,-20) cut 15:65 into (-11,-3) and (-48,-16) against the left-out hook (-5,-10)
    // and the pen-up (-55,-10): 13 + 13.
    {"a short hook at a stroke end against the jump", OffstrokeOmomi, kTwoBars, kHookedBars, {{0, 0}, {1, 2}},
     {any, any, 0, any, 26, any}, {{1, P, P}}, {}, {}},
    // Jump cut 75:15 into (-50,-16) and (-10,-3) against the pen-up (-65,-10) and the
    // left-out lead-in (5,-10): 15 + 6, then 15 + 7.
    {"a short lead-in of the next stroke", OffstrokeOmomi, kTwoBars,
     Shape({{{-30, 10}, {30, 10}}, {{-35, 0}, {-30, -10}, {30, -10}}}), {{0, 0}, {1, 2}}, {any, any, 0, any, 43, any},
     {{1, P, P}}, {}, {}},
    {"a short hook costs its length once", SettlePatternLeftovers, kTwoBars, kHookedBars, {{0, 0}, {1, 2}},
     {any, any, 15, any, any, any}, {}, {}, {}},
    // A two-segment stroke nobody wrote: charged as a run from 1 (10 + 10), again from 2
    // (10), on top of the greedy pass's twice its length.
    {"isolated runs charged from each start", SettlePatternLeftovers, Shape({{{-30, 10}, {30, 10}}}),
     Shape({{{-30, 10}, {30, 10}}, {{50, 50}, {60, 50}, {60, 60}}}), {{0, 0}}, {any, any, 40 + 20 + 10, any, any, any},
     {}, {}, {}},
    // Cursive two bars, the first written in two pieces: pass 2 merges input 0 into the
    // upper bar, pass 6 takes the connector as pen-up.
    {"all passes in order", RefineCorrespondence, Shape({{{-30, 10}, {0, 10}, {30, 10}, {-28, -10}, {30, -10}}}),
     kTwoBars, {{1, 0}, {3, 1}}, {any, any, 0, 0, any, 10}, {{0, 0, 1}}, {{0, 0, 0}, {2, P, P}}, {}},
};

void ExpectScore(const char* name, int expected, int before, int actual) {
  if (expected == any) return;
  EXPECT_EQ(actual, expected == same ? before : expected) << name;
}

}  // namespace

TEST(Refine, EachPassOnItsCases) {
  for (const RefineCase& t : kCases) {
    SCOPED_TRACE(t.what);
    Comparison c(t.input, t.pattern);
    for (const auto& pair : t.pairs) c.Pair(pair.first, pair.second);
    c.Omissions();
    if (t.penUpInput >= 0) c.corr.inFirst[t.penUpInput] = c.corr.inLast[t.penUpInput] = kPenUpPaired;
    const MatchScore before = c.score;
    c.Run(t.pass);
    ExpectScore("posSum", t.expect.pos, before.posSum, c.score.posSum);
    ExpectScore("shapeSum", t.expect.shape, before.shapeSum, c.score.shapeSum);
    ExpectScore("patternOmission", t.expect.patternOmission, before.patternOmission, c.score.patternOmission);
    ExpectScore("inputOmission", t.expect.inputOmission, before.inputOmission, c.score.inputOmission);
    ExpectScore("extra", t.expect.extra, before.extra, c.score.extra);
    ExpectScore("total", t.expect.total, before.total, c.score.total);
    EXPECT_EQ(c.score.total, c.Total());
    const auto expectLinks = [](const char* kind, const std::vector<Link>& links, const auto* a, const auto* b) {
      for (const Link& l : links)
        EXPECT_EQ((std::vector<int>{a[l.at], b[l.at]}), (std::vector<int>{l.a, l.b})) << kind << l.at;
    };
    expectLinks("pattern ", t.patterns, c.corr.patFirst, c.corr.patLast);
    expectLinks("input ", t.inputs, c.corr.inFirst, c.corr.inLast);
    expectLinks("group ", t.groups, c.corr.groupPos, c.corr.groupShape);
  }
}

TEST(Refine, ExchangeLeavesGroupsOfSeveralInputSegmentsAlone) {
  // Pattern 1 holds inputs 0 and 1 (as a merge leaves it): not a one-to-one group.
  Comparison c(Shape({{{0, 1}, {10, 1}, {10, 3}}, {{0, 22}, {10, 22}}}),
               Shape({{{0, 0}, {10, 0}}, {{0, 20}, {10, 20}}}));
  c.Pair(0, 1).Omissions();
  c.corr.inFirst[1] = c.corr.inLast[1] = 1;
  c.corr.patLast[1] = 1;
  const SegmentCorrespondence before = c.corr;
  c.Run(RepairByExchange);
  EXPECT_EQ(0, std::memcmp(&before, &c.corr, sizeof before));
}

namespace {

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
