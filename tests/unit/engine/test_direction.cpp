// Directions and turns in whole degrees.
#include <gtest/gtest.h>

#include "direction.h"
#include "segdist.h"

TEST(Direction, AxesDiagonalsAndTable) {
  EXPECT_EQ(ZkDirection(1, 0), 0);
  EXPECT_EQ(ZkDirection(0, 1), 90);
  EXPECT_EQ(ZkDirection(-1, 0), 180);
  EXPECT_EQ(ZkDirection(0, -1), 270);
  EXPECT_EQ(ZkDirection(1, 1), 45);
  EXPECT_EQ(ZkDirection(-1, -1), 225);
  EXPECT_EQ(ZkDirection(1, -1), 315);
  EXPECT_EQ(ZkDirection(0, 0), 0);
  EXPECT_EQ(ZkDirection(100, 2), 1);    // first table entry >= 2
  EXPECT_EQ(ZkDirection(100, 3), 2);    // 3 rounds up to the entry 4
  EXPECT_EQ(ZkDirection(2, 100), 89);   // steep
  EXPECT_EQ(ZkDirection(1, -1000), 270);
  EXPECT_EQ(ZkDirection(-32768, 32767), 135);  // ends of the 16-bit range
}

TEST(Direction, TurnsFoldIntoPlusMinus179) {
  EXPECT_EQ(ZkDistDirection(PackVector(1, 0), PackVector(0, 1)), 90);
  EXPECT_EQ(ZkDistDirection(PackVector(0, 1), PackVector(1, 0)), -90);
  EXPECT_EQ(ZkDistDirection(PackVector(1, 0), PackVector(-1, -1)), -135);
  EXPECT_EQ(ZkDistDirection(PackVector(3, 4), PackVector(-3, -4)), 0);  // a reversal
  EXPECT_EQ(ZkDistDirection(PackVector(0, -5), PackVector(0, 5)), 0);
  EXPECT_EQ(ZkDistDirection(PackVector(1, -1), PackVector(1, 1)), 90);  // 315 -> 45 wraps
  EXPECT_EQ(ZkDistDirection(PackVector(-7, 3), PackVector(-7, 3)), 0);
}

TEST(StrokeMap, CountsDiscontinuities) {
  KusabiPattern p = {};
  p.segments = 4;
  p.segment[0] = {0, 0, 10, 0};
  p.segment[1] = {10, 0, 10, 10};   // continues
  p.segment[2] = {20, 20, 30, 20};  // pen up
  p.segment[3] = {0, 0, 5, 5};      // pen up
  uint8_t map[kMaxSegments];
  BuildStrokeMap(p, map);
  EXPECT_EQ(map[0], 0);
  EXPECT_EQ(map[1], 0);
  EXPECT_EQ(map[2], 1);
  EXPECT_EQ(map[3], 2);
}
