// Loop marks, run pairing, axis steps and the loop pass of one comparison.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "loop.h"

namespace {

// A shape from polylines, one per stroke, each point list in order.
KusabiPattern Polylines(std::initializer_list<std::initializer_list<std::pair<int, int>>> strokes) {
  KusabiPattern p = {};
  for (const auto& stroke : strokes) {
    const std::pair<int, int>* prev = nullptr;
    for (const auto& point : stroke) {
      if (prev != nullptr) {
        p.segment[p.segments++] = {static_cast<int16_t>(prev->first), static_cast<int16_t>(prev->second),
                                   static_cast<int16_t>(point.first), static_cast<int16_t>(point.second)};
      }
      prev = &point;
    }
    ++p.strokes;
  }
  return p;
}

std::vector<int> Marks(const KusabiPattern& p) {
  uint8_t map[kMaxSegments];
  BuildStrokeMap(p, map);
  uint8_t marks[kMaxSegments];
  ZkGetLoop(&p, map, marks);
  return std::vector<int>(marks, marks + p.segments);
}

}  // namespace

TEST(TurnAngle, ReversalCountsAsZero) {
  const KusabiSegment right = {0, 0, 10, 0}, left = {10, 0, 0, 0}, up = {10, 0, 10, 10};
  EXPECT_EQ(TurnAngle(right, up), 90);
  EXPECT_EQ(TurnAngle(up, right), -90);
  EXPECT_EQ(TurnAngle(right, left), 0);
}

TEST(ZkGetLoop, MarksTurningRuns) {
  // Three straight segments: turns of 0 make a positive run.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {20, 0}, {30, 0}}})), (std::vector<int>{2, 1, 3}));
  // Counter-clockwise square and a clockwise one.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}})), (std::vector<int>{2, 1, 1, 3}));
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {0, 10}, {10, 10}, {10, 0}}})), (std::vector<int>{254, 255, 253}));
  // A reversal (180 degrees) counts as a turn of 0, so a zigzag back and forth is a run.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {0, 0}, {10, 0}}})), (std::vector<int>{2, 1, 3}));
  // Turns of opposite signs mark nothing.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {10, 10}, {20, 10}}})), (std::vector<int>{0, 0, 0}));
}

TEST(ZkGetLoop, NoMarksAcrossStrokesOrForShortShapes) {
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {10, 10}}})), (std::vector<int>{0, 0}));
  // The same square cut by a pen-up before its last segment: no triple lies in one stroke.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {10, 10}}, {{0, 10}, {0, 0}}})), (std::vector<int>{0, 0, 0}));
  KusabiPattern empty = {};
  EXPECT_TRUE(Marks(empty).empty());
}

TEST(ZkGetLoop, RunsOfOppositeSenseDoNotChain) {
  // Left, left, then right: the run ends where the turns change sign.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 20}}})), (std::vector<int>{2, 1, 3, 0}));
  // Left, straight, right: the straight turn counts both ways, and a negative triple
  // that follows a positive run clears the segments it would have taken.
  EXPECT_EQ(Marks(Polylines({{{0, 0}, {10, 0}, {10, 10}, {10, 20}, {20, 20}}})), (std::vector<int>{2, 1, 0, 0}));
}
