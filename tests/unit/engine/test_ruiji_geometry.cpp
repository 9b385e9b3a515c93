// The look-alike checks' geometric primitives at their class boundaries.
#include <gtest/gtest.h>

#include <utility>

#include "ruiji_geometry.h"

namespace {

KusabiSegment Seg(int x0, int y0, int x1, int y1) {
  return KusabiSegment{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1),
                       static_cast<int16_t>(y1)};
}

std::pair<int, int> Xy(RuijiPoint p) { return {p.x, p.y}; }

int TX(RuijiPoint a0, RuijiPoint a1, RuijiPoint b0, RuijiPoint b1, RuijiPoint* p = nullptr) {
  RuijiPoint scratch{-999, -999};
  return ZkCheckConnectTX(a0, a1, b0, b1, p ? p : &scratch);
}

TEST(RuijiConnectL, ToleranceAndOrderOfTheClasses) {
  const KusabiSegment a = Seg(0, 0, 50, 0);
  const struct {
    KusabiSegment a, b;
    int expected;
  } cases[] = {
      // Ends meet within 8 units in each coordinate.
      {a, Seg(7, 7, 7, 60), kJointStarts},     {a, Seg(-7, -7, 7, 60), kJointStarts},
      {a, Seg(8, 0, 8, 60), kJointNone},       {a, Seg(0, 8, 8, 60), kJointNone},
      {a, Seg(0, -8, 8, 60), kJointNone},      {a, Seg(90, 50, 53, 3), kJointEnds},
      {a, Seg(0, 60, 3, -3), kJointStartEnd},  {a, Seg(50, 7, 50, 60), kJointEndStart},
      // Where two classes hold: starts before ends (a doubled stroke), ends before start-to-end.
      {a, Seg(1, 1, 49, 1), kJointStarts},     {Seg(0, 0, 4, 0), Seg(30, 30, 0, 2), kJointEnds},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ZkCheckConnectL(c.a, c.b), c.expected) << c.b.x0 << "," << c.b.y0 << " " << c.b.x1 << "," << c.b.y1;
}

TEST(RuijiConnectTX, ClassesAndTolerances) {
  const struct {
    RuijiPoint a0, a1, b0, b1;
    int expected;
  } cases[] = {
      // Parallel lines give 29, even on one line.
      {{0, 0}, {40, 0}, {0, 5}, {40, 5}, kCrossNone},
      {{0, 0}, {0, 40}, {5, 0}, {5, 40}, kCrossNone},
      {{0, 0}, {10, 10}, {0, 5}, {20, 25}, kCrossNone},
      {{0, 0}, {10, 10}, {0, 0}, {20, 20}, kCrossNone},
      // P = (20, 0) in both boxes: B's start or end counts as on A up to 7 units away.
      {{0, 0}, {40, 0}, {20, -7}, {20, 40}, kCrossBStartsOnA},
      {{0, 0}, {40, 0}, {20, -8}, {20, 40}, kCrossBoth},
      {{0, 0}, {40, 0}, {20, 40}, {20, -7}, kCrossBEndsOnA},
      {{0, 0}, {40, 0}, {20, 40}, {20, -8}, kCrossBoth},
      // P outside B's box: B's start or end may stop 14 units short of A.
      {{0, 0}, {40, 0}, {20, 14}, {20, 40}, kCrossBStartsOnA},
      {{0, 0}, {40, 0}, {20, 15}, {20, 40}, kCrossNone},
      {{0, 0}, {40, 0}, {20, 40}, {20, 14}, kCrossBEndsOnA},
      // P outside A's box, inside B's: A's start or end near B.
      {{34, 0}, {60, 0}, {20, -20}, {20, 20}, kCrossAStartsOnB},
      {{35, 0}, {60, 0}, {20, -20}, {20, 20}, kCrossNone},
      {{60, 0}, {34, 0}, {20, -20}, {20, 20}, kCrossAEndsOnB},
      // Outside both boxes nothing meets, however near.
      {{21, 0}, {60, 0}, {20, 1}, {20, 20}, kCrossNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TX(c.a0, c.a1, c.b0, c.b1), c.expected)
        << "(" << c.a0.x << "," << c.a0.y << ")-(" << c.a1.x << "," << c.a1.y << ") against (" << c.b0.x << ","
        << c.b0.y << ")-(" << c.b1.x << "," << c.b1.y << ")";
}

TEST(RuijiConnectTX, SlantedIntersectionRoundsHalfAwayFromZero) {
  RuijiPoint p;
  // y = 2x meets y = 5 at x = 2.5.
  EXPECT_EQ(TX({-10, 5}, {10, 5}, {0, 0}, {4, 8}, &p), kCrossBEndsOnA);
  EXPECT_EQ(Xy(p), Xy({3, 5}));
  // ... and y = -5 at x = -2.5.
  TX({-10, -5}, {10, -5}, {0, 0}, {-4, -8}, &p);
  EXPECT_EQ(Xy(p), Xy({-3, -5}));
  // Two slanted lines: y = x and y = -x + 5 meet at (2.5, 2.5).
  EXPECT_EQ(TX({-10, -10}, {10, 10}, {-5, 10}, {15, -10}, &p), kCrossBoth);
  EXPECT_EQ(Xy(p), Xy({3, 3}));
}

TEST(RuijiPointTests, SidesOfALineAndAboveIt) {
  // Iti: p and q strictly on opposite sides of the line through a, b; the line's height
  // is rounded half away from zero (y = x/2 at x = 1 is 1, at x = -1 is -1).
  const struct {
    RuijiPoint a, b, p, q;
    int opposite;
  } sides[] = {
      {{0, 0}, {10, 0}, {3, 1}, {50, -1}, 1},   {{0, 0}, {10, 0}, {3, 0}, {50, -1}, 0},
      {{0, 0}, {10, 0}, {3, 2}, {50, 1}, 0},    {{5, 0}, {5, 10}, {4, 100}, {6, -100}, 1},
      {{5, 0}, {5, 10}, {5, 100}, {6, -100}, 0}, {{0, 0}, {10, 10}, {0, 5}, {5, 0}, 1},
      {{0, 0}, {10, 10}, {0, 5}, {-5, 0}, 0},   {{0, 0}, {10, 5}, {1, 1}, {4, -5}, 0},
      {{0, 0}, {10, 5}, {1, 2}, {4, -5}, 1},    {{0, 0}, {10, 5}, {-1, -1}, {4, 5}, 0},
  };
  for (const auto& c : sides)
    EXPECT_EQ(ZkCheckPointIti(c.a, c.b, c.p, c.q), c.opposite) << c.p.x << "," << c.p.y << " " << c.q.x << "," << c.q.y;
  // Ue: p above the line; never beside its lower end or a vertical line.
  const struct {
    RuijiPoint a, b, p;
    int above;
  } above[] = {
      {{0, 0}, {10, 20}, {100, 0}, 0}, {{0, 0}, {10, 0}, {50, 1}, 1},  {{0, 0}, {10, 0}, {50, 0}, 0},
      {{0, 0}, {0, 10}, {-5, 50}, 0},  {{0, 0}, {10, 10}, {2, 3}, 1},  {{0, 0}, {10, 10}, {5, 4}, 0},
      {{0, 0}, {10, 10}, {5, 5}, 0},   {{0, 0}, {10, 5}, {1, 1}, 0},
  };
  for (const auto& c : above) EXPECT_EQ(ZkCheckPointUe(c.a, c.b, c.p), c.above) << c.p.x << "," << c.p.y;
}

}  // namespace
