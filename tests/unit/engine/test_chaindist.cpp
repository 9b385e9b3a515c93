// Directions and turns in whole degrees; chain distances: single segments,
// proportional pieces and the re-division case.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "direction.h"
#include "segdist.h"

namespace {

ChainResult Chain(const std::vector<KusabiSegment>& a, const std::vector<KusabiSegment>& b) {
  ChainResult r = {-1, -1, -1};
  ChainDistance(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), &r);
  return r;
}

// The total saturates at 32767.
void ExpectResult(const ChainResult& r, int pos, int shape) {
  const std::vector<int> expected = {pos, shape, std::min(32767, pos + shape)};
  EXPECT_EQ((std::vector<int>{r.pos, r.shape, r.total}), expected);
}

}  // namespace

TEST(Direction, AxesDiagonalsAndTable) {
  const int cases[][3] = {{1, 0, 0},     {0, 1, 90},  {-1, 0, 180}, {0, -1, 270},    {-1, -1, 225}, {1, -1, 315},
                          {0, 0, 0},     {100, 2, 1},  // the first table entry >= 2
                          {100, 3, 2},   // 3 rounds up to the entry 4
                          {2, 100, 89},  {1, -1000, 270}, {-32768, 32767, 135}};  // ends of the 16-bit range
  for (const auto& c : cases) EXPECT_EQ(ZkDirection(c[0], c[1]), c[2]) << c[0] << "," << c[1];
}

TEST(Direction, TurnsFoldIntoPlusMinus179) {
  // A reversal counts as no turn; 315 -> 45 wraps round 0.
  const int cases[][5] = {{1, 0, 0, 1, 90},   {0, 1, 1, 0, -90},  {1, 0, -1, -1, -135}, {3, 4, -3, -4, 0},
                          {0, -5, 0, 5, 0},   {1, -1, 1, 1, 90},  {-7, 3, -7, 3, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(ZkDistDirection(PackVector(c[0], c[1]), PackVector(c[2], c[3])), c[4]) << c[0] << "," << c[1];
}

TEST(ChainDistance, SegmentsPiecesAndReDivision) {
  const std::vector<KusabiSegment> along = {{0, 0, 4, 4}, {4, 4, 10, 10}};
  const struct {
    const char* what;
    std::vector<KusabiSegment> a, b;
    int pos, shape;
  } cases[] = {
      {"equal", {{1, 2, 30, -4}}, {{1, 2, 30, -4}}, 0, 0},
      {"same vector shifted by (3, -1)", {{0, 0, 10, 0}}, {{3, -1, 13, -1}}, 8, 0},
      {"turned", {{0, 0, 10, 0}}, {{0, 0, 0, 10}}, 20, 20},
      {"one segment cut in proportional pieces", {{0, 0, 10, 10}}, along, 0, 0},
      {"the mirror case", along, {{0, 0, 10, 10}}, 0, 0},
      // (10, 1) * 5/11 = (4, 0) and * 6/11 = (5, 0).
      {"pieces truncate", {{0, 0, 10, 1}}, {{0, 0, 5, 0}, {5, 0, 10, 1}}, 0, 2},
      // (2,0) and (0,3) off; (8, 13) halves into pieces (4, 6), each 2 off (5, 5).
      {"end points of the chain's first start and last end", {{2, 0, 10, 13}}, {{0, 0, 5, 5}, {5, 5, 10, 10}}, 5, 4},
      {"every piece (0, 0) against a chain of points", {{0, 0, 5, 5}}, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 10, 0},
      {"points against points", {{0, 0, 0, 0}}, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 0, 0},
      {"zero lengths count as 1 in the re-division", {{1, 1, 1, 1}, {1, 1, 1, 1}}, {{0, 0, 0, 0}, {0, 0, 0, 0}}, 8, 0},
      // A piece of 150 wraps to -106 and is 256 off the chain segment it stands for.
      {"pieces narrow to signed bytes", {{0, 0, 300, 0}}, {{0, 0, 150, 0}, {150, 0, 300, 0}}, 0, 512},
      // A: right 4, up 4 (LA 8); B: right 6, up 2, up 4 (LB 12). B' = (0,0) (6,0) (6,0)
      // (6,2) (6,6); A' = (0,0) (4,0)* (4,0) (4,1)* (4,4), * inserted: pos = 0 +
      // |(4,4)-(6,6)| + 2|(4,0)-(6,0)| = 8; shape = 2 + 0 + 1 + 1 = 4.
      {"re-division", {{0, 0, 4, 0}, {4, 0, 4, 4}}, {{0, 0, 6, 0}, {6, 0, 6, 2}, {6, 2, 6, 6}}, 8, 4},
      // Reversed roles: A' keeps B's two interior vertices, each charged twice by 2.
      {"re-division is not symmetric", {{0, 0, 6, 0}, {6, 0, 6, 2}, {6, 2, 6, 6}}, {{0, 0, 4, 0}, {4, 0, 4, 4}}, 12, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectResult(Chain(c.a, c.b), c.pos, c.shape);
  }
  // An empty chain is absent.
  const KusabiSegment s = {0, 0, 5, 5};
  ChainResult r;
  ChainDistance(&s, 0, &s, 1, &r);
  ExpectResult(r, 32767, 0);
  ChainDistance(&s, 1, &s, 0, &r);
  ExpectResult(r, 32767, 0);
}

TEST(ChainRedivide, LongestChainsStayInBounds) {
  // Two 90-segment chains of unrelated lengths (zero lengths included) re-divide
  // into 179 sub-segments; ASan catches any write past the working arrays.
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(-100, 100), step(-6, 6);
  for (int round = 0; round < 50; ++round) {
    std::vector<KusabiSegment> a(kMaxSegments), b(kMaxSegments);
    for (auto* chain : {&a, &b}) {
      int16_t x = static_cast<int16_t>(coord(rng)), y = static_cast<int16_t>(coord(rng));
      for (auto& s : *chain) {
        const bool point = round % 3 == 0;  // every third round: zero-length segments only
        s = {x, y, static_cast<int16_t>(point ? x : x + step(rng)), static_cast<int16_t>(point ? y : y + step(rng))};
        x = s.x1;
        y = s.y1;
      }
    }
    const ChainResult r = Chain(a, b);
    EXPECT_GE(r.pos, 0);
    EXPECT_GE(r.shape, 0);
    EXPECT_EQ(r.total, std::min(32767, r.pos + r.shape));
  }
}

TEST(ChainDistance, FarApartChainsSaturateInsteadOfWrapping) {
  // 80 segments stepping right at y = 120 against the same at y = -120: 80 vertex
  // pairs 240 apart, 2 * 79 * 240 + 2 * 240 = 38400, beyond what 16 bits hold.
  std::vector<KusabiSegment> upper, lower;
  for (int k = 0; k < 80; ++k) {
    upper.push_back({static_cast<int16_t>(k), 120, static_cast<int16_t>(k + 1), 120});
    lower.push_back({static_cast<int16_t>(k), -120, static_cast<int16_t>(k + 1), -120});
  }
  ExpectResult(Chain(upper, lower), 32767, 0);
  EXPECT_EQ(Chain({{-32768, -32768, 32767, 32767}}, {{32767, 32767, -32768, -32768}}).total, 32767);
}
