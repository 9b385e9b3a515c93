// Loop marks, run pairing, step distances and the loop pass of one comparison (whose
// circle also checks the axis steps).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "comparison_fixture.h"
#include "loop.h"

namespace {

std::vector<int> Marks(const KusabiPattern& p) {
  uint8_t map[kMaxSegments];
  BuildStrokeMap(p, map);
  uint8_t marks[kMaxSegments];
  ZkGetLoop(&p, map, marks);
  return std::vector<int>(marks, marks + p.segments);
}

}  // namespace

TEST(ZkGetLoop, MarksTurningRuns) {
  const struct {
    const char* what;
    KusabiPattern shape;
    std::vector<int> marks;
  } cases[] = {
      {"straight: turns of 0 make a positive run", Shape({{{0, 0}, {10, 0}, {20, 0}, {30, 0}}}), {2, 1, 3}},
      {"counter-clockwise square", Shape({{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}}), {2, 1, 1, 3}},
      {"clockwise", Shape({{{0, 0}, {0, 10}, {10, 10}, {10, 0}}}), {254, 255, 253}},
      {"a reversal turns 0: a zigzag is a run", Shape({{{0, 0}, {10, 0}, {0, 0}, {10, 0}}}), {2, 1, 3}},
      {"turns of opposite signs", Shape({{{0, 0}, {10, 0}, {10, 10}, {20, 10}}}), {0, 0, 0}},
      {"too short", Shape({{{0, 0}, {10, 0}, {10, 10}}}), {0, 0}},
      {"no triple in one stroke", Shape({{{0, 0}, {10, 0}, {10, 10}}, {{0, 10}, {0, 0}}}), {0, 0, 0}},
      {"empty", KusabiPattern{}, {}},
      {"left, left, right: the run ends at the sign change", Shape({{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 20}}}),
       {2, 1, 3, 0}},
      // The straight turn counts both ways, and a negative triple after a positive run
      // clears the segments it would have taken.
      {"left, straight, right", Shape({{{0, 0}, {10, 0}, {10, 10}, {10, 20}, {20, 20}}}), {2, 1, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(Marks(c.shape), c.marks) << c.what;
}

namespace {

// Counter-clockwise square through (20,0), (0,20), (-20,0), (0,-20), and a six-segment
// circle of radius 20 through the points at 15, 75, ..., 315 degrees.
KusabiPattern StoredCircle() { return Shape({{{20, 0}, {0, 20}, {-20, 0}, {0, -20}, {20, 0}}}); }
KusabiPattern WrittenCircle() {
  return Shape({{{19, 5}, {5, 19}, {-14, 14}, {-19, -5}, {-5, -19}, {14, -14}, {19, 5}}});
}

// The circle as the refinement leaves it: 1, 2, 1, 2 input segments per side.
Comparison CircleComparison() {
  Comparison c(WrittenCircle(), StoredCircle());
  Group(c, 0, 0, 0);
  Group(c, 1, 2, 1);
  Group(c, 3, 3, 2);
  Group(c, 4, 5, 3);
  c.Omissions();
  return c;
}

std::vector<int> TotalPosShape(const ChainResult& r) { return {r.total, r.pos, r.shape}; }

ChainResult RunLoopPass(Comparison& c) {
  uint8_t inMap[kMaxSegments], patMap[kMaxSegments];
  BuildStrokeMap(c.input, inMap);
  BuildStrokeMap(c.pattern, patMap);
  ChainResult delta = {1, 1, 1};
  LoopPass(&c.pattern, &c.input, &delta, c.inLen, c.patLen, inMap, patMap, &c.corr);
  return delta;
}

}  // namespace

TEST(LoopSteps, StepListStopsAtNinety) {
  std::vector<LoopVector> zigzag;
  for (int k = 0; k < kMaxSegments; ++k) zigzag.push_back(k % 2 == 0 ? LoopVector{10, 10} : LoopVector{-10, -10});
  LoopStep steps[kMaxLoopSteps];
  EXPECT_EQ(LoopSteps(zigzag.data(), 0, kMaxSegments - 1, 1, steps), kMaxLoopSteps);
  EXPECT_EQ(LoopSteps(zigzag.data(), 5, 4, 1, steps), 0);
  EXPECT_EQ(LoopSteps(zigzag.data(), 0, kMaxSegments, 1, steps), 0);
}

TEST(LoopStepDistance, AlignsOppositeFirstStepsAndChargesOneLeftover) {
  const LoopStep a[] = {{0, 20}, {-40, 0}, {0, -20}};
  const LoopStep b[] = {{-40, 0}, {0, -20}, {40, 0}};
  ChainResult r;
  LoopStepDistance({0, 0}, a, 3, {0, 0}, b, 3, &r);
  // The pattern's first step up is skipped (20); the input's last step is left (40).
  EXPECT_EQ(r.shape, 60);
  EXPECT_EQ(r.pos, 20 + 20 + 20 + 60);
  LoopStepDistance({0, 0}, a, 1, {0, 0}, b, 3, &r);
  EXPECT_EQ(r.total, 32767);
}

TEST(PairLoops, RunsMustMatchInSenseAndLength) {
  Comparison c = CircleComparison();
  uint8_t inMarks[kMaxSegments] = {2, 1, 1, 1, 1, 3}, patMarks[kMaxSegments] = {2, 1, 1, 3};
  uint8_t result[kMaxSegments + 1];
  PairLoops(inMarks, patMarks, 4, &c.corr, result);
  EXPECT_EQ(std::vector<int>(result, result + 5), (std::vector<int>{2, 1, 1, 3, 0}));

  // The input turning the other way pairs nothing.
  uint8_t negative[kMaxSegments] = {254, 255, 255, 255, 255, 253};
  PairLoops(negative, patMarks, 4, &c.corr, result);
  EXPECT_EQ(std::vector<int>(result, result + 4), (std::vector<int>{0, 0, 0, 0}));

  // With the third side unpaired only two sides pair up at first: dropped.
  c.corr.patFirst[2] = c.corr.patLast[2] = kUnpaired;
  PairLoops(inMarks, patMarks, 4, &c.corr, result);
  EXPECT_EQ(std::vector<int>(result, result + 4), (std::vector<int>{0, 0, 0, 0}));
}

TEST(LoopPass, CircleOfSixAgainstCircleOfFour) {
  Comparison c = CircleComparison();
  EXPECT_EQ(Marks(c.input), (std::vector<int>{2, 1, 1, 1, 1, 3}));
  EXPECT_EQ(Marks(c.pattern), (std::vector<int>{2, 1, 1, 3}));
  ASSERT_EQ((std::vector<int>{c.score.posSum, c.score.shapeSum}), (std::vector<int>{48, 80}));
  // The whole run compared by steps (26 + 16) replaces the four groups (48 + 80).
  EXPECT_EQ(TotalPosShape(RunLoopPass(c)), (std::vector<int>{42 - 128, 26 - 48, 16 - 80}));
  const std::vector<int> loop(3, kLoopGroup);
  EXPECT_EQ(std::vector<int>(c.corr.groupPos + 1, c.corr.groupPos + 4), loop);
  EXPECT_EQ(std::vector<int>(c.corr.groupShape + 1, c.corr.groupShape + 4), loop);
  EXPECT_EQ((std::vector<int>{c.corr.groupPos[0], c.corr.groupShape[0]}), (std::vector<int>{26, 16}));
}

TEST(LoopPass, KeepsGroupsThatAreAlreadyBetter) {
  Comparison c = CircleComparison();
  for (int p = 0; p < 4; ++p) c.corr.groupPos[p] = c.corr.groupShape[p] = 5;  // 40 in all, below 42
  const SegmentCorrespondence before = c.corr;
  EXPECT_EQ(TotalPosShape(RunLoopPass(c)), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(0, std::memcmp(&before, &c.corr, sizeof before));
}
