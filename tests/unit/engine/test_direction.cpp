// Directions and turns in whole degrees.
#include <gtest/gtest.h>

#include "direction.h"
#include "segdist.h"

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
