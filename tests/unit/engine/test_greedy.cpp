// The greedy pairing against the pass as first written, on random shapes (the 57-unit
// cut-off, ties, the second test, the early limit after the third pairing, the bound),
// and the omission rejections at their limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "comparison_fixture.h"
#include "match.h"

namespace {

// Segment lists (strokes need not join) with the input's order by length and both
// total lengths, as the greedy pass reads them.
struct Greedy : Comparison {
  int16_t inTotal = 0, patTotal = 0;

  Greedy(const std::vector<KusabiSegment>& in, const std::vector<KusabiSegment>& pat, int patStrokes = 1)
      : Comparison(Of(in, 1), Of(pat, patStrokes)) {
    for (int k = 0; k < kMaxSegments; ++k) {
      inTotal = static_cast<int16_t>(inTotal + inLen[k]);
      patTotal = static_cast<int16_t>(patTotal + patLen[k]);
    }
    Get_Order_len_i(inLen, input.order, input.segments);
  }
  static KusabiPattern Of(const std::vector<KusabiSegment>& segs, int strokes) {
    KusabiPattern p{};
    p.strokes = static_cast<uint16_t>(strokes);
    p.segments = static_cast<int16_t>(segs.size());
    std::copy(segs.begin(), segs.end(), p.segment);
    return p;
  }
  int Run() { return GreedySegmentMatch(&input, &pattern, &score, inLen, patLen, &corr, inTotal, patTotal); }
};

// The pass as first written: every free pattern segment in index order, a failing
// shape test leaving the bar where it was. The engine's faster scan must agree.
int ReferenceGreedy(Greedy* c) {
  int count = 0;
  for (int r = 0; r < c->input.segments; ++r) {
    const int i = c->input.order[r];
    int best = 57, bestShape = 57, bestJ = -1;
    for (int j = 0; j < c->pattern.segments; ++j) {
      if (c->corr.patFirst[j] != kUnpaired) continue;
      const int d = SegmentEndpointDistance(c->input.segment[i], c->pattern.segment[j]);
      if (d < best) {
        const int s = SegmentVectorDistance(c->input.segment[i], c->pattern.segment[j]);
        if (d + s < 2 * (c->inLen[i] + c->patLen[j])) best = d, bestShape = s, bestJ = j;
      }
    }
    if (bestJ >= 0) {
      c->corr.inFirst[i] = c->corr.inLast[i] = static_cast<uint8_t>(bestJ);
      c->corr.patFirst[bestJ] = c->corr.patLast[bestJ] = static_cast<uint8_t>(i);
      c->corr.groupPos[bestJ] = static_cast<uint16_t>(best);
      c->corr.groupShape[bestJ] = static_cast<uint16_t>(bestShape);
      c->score.posSum = static_cast<int16_t>(c->score.posSum + best);
      c->score.shapeSum = static_cast<int16_t>(c->score.shapeSum + bestShape);
      ++count;
    } else {
      c->score.inputOmission = static_cast<int16_t>(c->score.inputOmission + 2 * c->inLen[i]);
    }
    if (c->score.inputOmission >= c->inTotal) return 0;
    if (count == 3) {
      if (c->score.posSum + c->score.shapeSum > ZkMatchEarlyLimit[c->pattern.strokes]) return 0;
      count = 100;
    }
  }
  for (int j = 0; j < c->pattern.segments; ++j) {
    if (c->corr.patFirst[j] != kUnpaired) continue;
    c->score.patternOmission = static_cast<int16_t>(c->score.patternOmission + 2 * c->patLen[j]);
    if (c->score.patternOmission >= c->patTotal) return 0;
  }
  c->score.total = static_cast<int16_t>(c->score.posSum + c->score.shapeSum + c->score.inputOmission +
                                        c->score.patternOmission);
  return 1;
}

std::vector<KusabiSegment> RandomChain(std::mt19937& rng, int n, int spread) {
  std::uniform_int_distribution<int> coord(-spread, spread), step(-40, 40), pen(0, 3);
  std::vector<KusabiSegment> s;
  int x = coord(rng), y = coord(rng);
  for (int k = 0; k < n; ++k) {
    if (pen(rng) == 0) x = coord(rng), y = coord(rng);  // a new stroke
    const int nx = std::clamp(x + step(rng), -127, 127), ny = std::clamp(y + step(rng), -127, 127);
    s.push_back({static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(nx), static_cast<int16_t>(ny)});
    x = nx, y = ny;
  }
  return s;
}

bool SameOutcome(const Comparison& a, const Comparison& b) {
  return std::memcmp(&a.corr, &b.corr, sizeof a.corr) == 0 && std::memcmp(&a.score, &b.score, sizeof a.score) == 0;
}

}  // namespace

TEST(GreedyPass, FastScanAndBoundAgreeWithTheReference) {
  std::mt19937 rng(11);
  int accepted = 0, boundRejected = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    const int nIn = 1 + static_cast<int>(rng() % 20), nPat = 1 + static_cast<int>(rng() % 20);
    auto in = RandomChain(rng, nIn, 60);
    auto pat = in;  // a distorted copy, sometimes with segments dropped or added
    for (auto& s : pat) s.x0 += static_cast<int16_t>(rng() % 21) - 10, s.y1 += static_cast<int16_t>(rng() % 21) - 10;
    if (trial % 3 == 0) pat = RandomChain(rng, nPat, 100);
    if (trial % 5 == 1 && pat.size() > 1) pat.pop_back();
    const bool wide = trial % 7 == 3;
    if (wide) {  // coordinates beyond the narrow 16-bit scan
      for (auto* chain : {&in, &pat})
        for (auto& g : *chain) g = {static_cast<int16_t>(g.x0 * 60), static_cast<int16_t>(g.y0 * 60),
                                    static_cast<int16_t>(g.x1 * 60), static_cast<int16_t>(g.y1 * 60)};
    }
    const int strokes = 1 + static_cast<int>(rng() % 21);

    Greedy ref(in, pat, strokes), fast(in, pat, strokes);
    const int refResult = ReferenceGreedy(&ref);
    ASSERT_EQ(fast.Run(), refResult) << trial;
    if (refResult) {
      ASSERT_TRUE(SameOutcome(ref, fast)) << trial;
      ++accepted;
    }
    // With a bound: accepted exactly when the reference total stays below it. (Wide
    // shapes can wrap the 16-bit total, which the bound rightly does not follow.)
    if (wide) continue;
    const int bound = static_cast<int>(rng() % 600);
    Greedy bounded(in, pat, strokes);
    const int r = GreedySegmentMatchBelow(&bounded.input, &bounded.pattern, &bounded.score, bounded.inLen,
                                          bounded.patLen, &bounded.corr, bounded.inTotal, bounded.patTotal, bound);
    const bool refBelow = refResult && ref.score.total < bound;
    ASSERT_EQ(r && bounded.score.total < bound, refBelow) << trial;
    if (refBelow) {
      ASSERT_TRUE(SameOutcome(ref, bounded)) << trial;
    }
    if (refResult && !r) ++boundRejected;
  }
  EXPECT_GT(accepted, 500);
  EXPECT_GT(boundRejected, 100);
}

// Random shapes seldom meet an omission exactly at its limit.
TEST(GreedyPass, OmissionRejectionsUseGreaterOrEqual) {
  // A single input segment without a partner costs 2 L_in >= L_in.
  Greedy lone({{0, 0, 40, 0}}, {{0, 100, 40, 100}});
  EXPECT_EQ(lone.Run(), 0);
  // A leftover pattern segment of half the pattern's length costs exactly L_pat.
  Greedy half({{0, 0, 40, 0}}, {{0, 0, 40, 0}, {0, 200, 40, 200}});
  EXPECT_EQ(half.Run(), 0);
  // A shorter leftover is charged and the pattern goes on.
  Greedy shorter({{0, 0, 40, 0}}, {{0, 0, 40, 0}, {0, 200, 30, 200}});
  ASSERT_EQ(shorter.Run(), 1);
  EXPECT_EQ(shorter.score.patternOmission, 60);
  EXPECT_EQ(shorter.score.total, 60);
}
