// The nine refinement passes on small hand-made comparisons.
#include <gtest/gtest.h>

#include <cstring>

#include "comparison_fixture.h"
#include "refine.h"

namespace {

void ExpectGroup(const Comparison& c, int p, int pos, int shape) {
  EXPECT_EQ(c.corr.groupPos[p], pos) << "group " << p;
  EXPECT_EQ(c.corr.groupShape[p], shape) << "group " << p;
}

void ExpectPattern(const Comparison& c, int p, int first, int last) {
  EXPECT_EQ(c.corr.patFirst[p], first) << "pattern " << p;
  EXPECT_EQ(c.corr.patLast[p], last) << "pattern " << p;
}

void ExpectInput(const Comparison& c, int i, int first, int last) {
  EXPECT_EQ(c.corr.inFirst[i], first) << "input " << i;
  EXPECT_EQ(c.corr.inLast[i], last) << "input " << i;
}

// Two horizontal strokes, upper then lower: the pen-up runs from (30,10) to (-30,-10).
KusabiPattern TwoBars() { return Shape({{{-30, 10}, {30, 10}}, {{-30, -10}, {30, -10}}}); }

}  // namespace

TEST(MergeLonePatternSegments, TwoPatternSegmentsWrittenAsOne) {
  // The pattern stroke breaks at (-10,0); the writer drew one straight line, which
  // the greedy pass paired with the longer second piece (d 24, s 20).
  Comparison c(Shape({{{-30, 2}, {30, 2}}}), Shape({{{-30, 0}, {-10, 0}, {30, 0}}}));
  c.Pair(0, 1).Omissions();
  ASSERT_EQ(c.score.patternOmission, 40);
  c.Run(MergeLonePatternSegments);
  // The single segment against both pieces: (60,0) cut 20:40 fits exactly; only the
  // 2-unit offset at both ends is left.
  ExpectGroup(c, 0, 4, 0);
  ExpectGroup(c, 1, kNoGroup, kNoGroup);
  ExpectPattern(c, 0, 0, 0);
  ExpectPattern(c, 1, 0, 0);
  ExpectInput(c, 0, 0, 1);
  EXPECT_EQ(c.score.patternOmission, 0);
  EXPECT_EQ(c.score.posSum, 4);
  EXPECT_EQ(c.score.shapeSum, 0);
  EXPECT_EQ(c.score.total, 4);
}

TEST(MergeLonePatternSegments, MiddleSegmentJoinsBothNeighbours) {
  // Pattern: three 20-unit pieces of one line; input: two 30-unit halves paired with
  // the outer pieces (14 + 10 each). Next or previous alone cost 24 each; both groups
  // with the middle piece re-divided cost 8 (2 + 2 at the ends, twice 2 at the joint).
  Comparison c(Shape({{{-30, 2}, {0, 2}, {30, 2}}}), Shape({{{-30, 0}, {-10, 0}, {10, 0}, {30, 0}}}));
  c.Pair(0, 0).Pair(1, 2).Omissions();
  ASSERT_EQ(c.score.total, 48 + 40);
  c.Run(MergeLonePatternSegments);
  ExpectGroup(c, 0, 8, 0);
  ExpectGroup(c, 2, kNoGroup, kNoGroup);
  for (int p = 0; p < 3; ++p) ExpectPattern(c, p, 0, 1);
  ExpectInput(c, 0, 0, 2);
  ExpectInput(c, 1, 0, 2);
  EXPECT_EQ(c.score.patternOmission, 0);
  EXPECT_EQ(c.score.total, 8);
}

TEST(MergeLonePatternSegments, MergeThatFitsWorseIsNotTaken) {
  // The first piece climbs steeply: the merged chain (91) is worse than the pair (44).
  Comparison c(Shape({{{-30, 2}, {30, 2}}}), Shape({{{-30, -30}, {-10, 0}, {30, 0}}}));
  c.Pair(0, 1).Omissions();
  const MatchScore before = c.score;
  c.Run(MergeLonePatternSegments);
  ExpectPattern(c, 0, kUnpaired, kUnpaired);
  ExpectInput(c, 0, 1, 1);
  EXPECT_EQ(c.score.patternOmission, before.patternOmission);
  EXPECT_EQ(c.score.total, before.total);
}

TEST(MergeLonePatternSegments, SinglePairingOfTwoLeftovers) {
  // A tiny tick the greedy pass refused (d + s = 8 is not below 2 * (2 + 2)).
  Comparison c(Shape({{{-30, 20}, {30, 20}}, {{0, 0}, {2, 0}}}), Shape({{{-30, 20}, {30, 20}}, {{0, 0}, {0, -2}}}));
  c.Pair(0, 0).Omissions();
  ASSERT_EQ(c.score.total, 8);
  c.Run(MergeLonePatternSegments);
  ExpectGroup(c, 1, 4, 4);
  ExpectPattern(c, 1, 1, 1);
  ExpectInput(c, 1, 1, 1);
  EXPECT_EQ(c.score.inputOmission, 0);
  EXPECT_EQ(c.score.patternOmission, 0);
  EXPECT_EQ(c.score.total, 8);
}

TEST(MergeLoneInputSegments, TwoInputSegmentsForOnePatternSegment) {
  Comparison c(Shape({{{-30, 0}, {-10, 0}, {30, 0}}}), Shape({{{-30, 2}, {30, 2}}}));
  c.Pair(1, 0).Omissions();
  ASSERT_EQ(c.score.inputOmission, 40);
  c.Run(MergeLoneInputSegments);
  ExpectGroup(c, 0, 4, 0);
  ExpectPattern(c, 0, 0, 1);
  ExpectInput(c, 0, 0, 0);
  ExpectInput(c, 1, 0, 0);
  EXPECT_EQ(c.score.inputOmission, 0);
  EXPECT_EQ(c.score.total, 4);
}

TEST(MergePatternRuns, RunOfTwoJoinsTheFollowingGroup) {
  Comparison c(Shape({{{-30, 2}, {30, 2}}}), Shape({{{-30, 0}, {-20, 0}, {-10, 0}, {30, 0}}}));
  c.Pair(0, 2).Omissions();
  ASSERT_EQ(c.score.patternOmission, 40);
  c.Run(MergePatternRuns);
  ExpectGroup(c, 0, 4, 0);
  ExpectGroup(c, 2, kNoGroup, kNoGroup);
  ExpectPattern(c, 0, 0, 0);
  ExpectPattern(c, 1, 0, 0);
  ExpectInput(c, 0, 0, 2);
  EXPECT_EQ(c.score.patternOmission, 0);
  EXPECT_EQ(c.score.total, 4);
}

TEST(SwapGroupsAtPenUps, GroupsWrittenInTheOppositeOrder) {
  // The lower bar was written first and sits high; the greedy pass gave the longer
  // upper-looking bar (input 1) to the upper pattern bar and the rest to the lower.
  Comparison c(Shape({{{-29, 12}, {29, 12}}, {{-30, 1}, {30, 1}}}), TwoBars());
  c.Pair(1, 0).Pair(0, 1).Omissions();
  ASSERT_EQ(c.score.total, 18 + 46 + 2);
  c.Run(SwapGroupsAtPenUps);
  // The input's jump from the end of bar 0 to the start of bar 1 fits the pattern's
  // pen-up, and the crossed pairs cost 8 + 22 against 18 + 48.
  ExpectPattern(c, 0, 0, 0);
  ExpectPattern(c, 1, 1, 1);
  ExpectInput(c, 0, 0, 0);
  ExpectInput(c, 1, 1, 1);
  ExpectGroup(c, 0, 6, 2);
  ExpectGroup(c, 1, 22, 0);
  EXPECT_EQ(c.score.posSum, 28);
  EXPECT_EQ(c.score.shapeSum, 2);
  EXPECT_EQ(c.score.total, 30);
}

TEST(SwapGroupsAtPenUps, GoodPairingStays) {
  Comparison c(Shape({{{-30, 9}, {30, 9}}, {{-30, -11}, {30, -11}}}), TwoBars());
  c.Pair(0, 0).Pair(1, 1).Omissions();
  const MatchScore before = c.score;
  c.Run(SwapGroupsAtPenUps);
  ExpectPattern(c, 0, 0, 0);
  ExpectPattern(c, 1, 1, 1);
  EXPECT_EQ(c.score.total, before.total);
}

TEST(RepairByExchange, SwapWithAnUnpairedInputSegment) {
  // Input 0 lies on pattern 0 but was paired with pattern 1; input 1 lies near pattern 1.
  Comparison c(Shape({{{0, 1}, {10, 1}}, {{0, 22}, {10, 22}}}), Shape({{{0, 0}, {10, 0}}, {{0, 20}, {10, 20}}}));
  c.Pair(0, 1).Omissions();
  ASSERT_EQ(c.score.total, 38 + 20 + 20);
  c.Run(RepairByExchange);
  ExpectPattern(c, 0, 0, 0);
  ExpectPattern(c, 1, 1, 1);
  ExpectInput(c, 0, 0, 0);
  ExpectInput(c, 1, 1, 1);
  ExpectGroup(c, 0, 2, 0);
  ExpectGroup(c, 1, 4, 0);
  EXPECT_EQ(c.score.patternOmission, 0);
  EXPECT_EQ(c.score.inputOmission, 0);
  EXPECT_EQ(c.score.total, 6);
}

TEST(RepairByExchange, MoveWhenTheSpareInputIsFarAway) {
  Comparison c(Shape({{{0, 1}, {10, 1}}, {{100, 100}, {110, 100}}}), Shape({{{0, 0}, {10, 0}}, {{0, 20}, {10, 20}}}));
  c.Pair(0, 1).Omissions();
  c.Run(RepairByExchange);
  ExpectPattern(c, 0, 0, 0);
  ExpectInput(c, 0, 0, 0);
  ExpectPattern(c, 1, kUnpaired, kUnpaired);
  ExpectGroup(c, 0, 2, 0);
  ExpectGroup(c, 1, kNoGroup, kNoGroup);
  ExpectInput(c, 1, kUnpaired, kUnpaired);
  EXPECT_EQ(c.score.patternOmission, 20);  // pattern 1 now omitted instead of pattern 0
  EXPECT_EQ(c.score.total, 2 + 20 + 20);
}

TEST(RepairByExchange, GroupsOfSeveralInputSegmentsAreLeftAlone) {
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

TEST(MatchInputRunsToPenUps, CursiveConnectionComparedWithThePenUp) {
  // Written in one stroke: the connecting segment (30,10)->(-28,-10) runs where the
  // pattern lifts the pen from (30,10) to (-30,-10).
  Comparison c(Shape({{{-30, 10}, {30, 10}, {-28, -10}, {30, -10}}}), TwoBars());
  c.Pair(0, 0).Pair(2, 1).Omissions();
  ASSERT_EQ(c.score.inputOmission, 2 * 78);
  c.Run(MatchInputRunsToPenUps);
  ExpectInput(c, 1, kPenUpPaired, kPenUpPaired);
  EXPECT_EQ(c.score.inputOmission, 0);
  EXPECT_EQ(c.score.extra, 4);  // end point 2 off, vector 2 off
  EXPECT_EQ(c.score.total, c.Total());
  EXPECT_EQ(c.score.total, 2 + 2 + 4);
}

TEST(MatchInputRunsToPenUps, IsolatedRunCostsThreeTimesItsLength) {
  Comparison c(Shape({{{-30, 10}, {30, 10}}, {{40, 40}, {45, 40}, {45, 45}}, {{-30, -10}, {30, -10}}}), TwoBars());
  c.Pair(0, 0).Pair(3, 1).Omissions();
  c.Run(MatchInputRunsToPenUps);
  EXPECT_EQ(c.score.inputOmission, 3 * 10);
  ExpectInput(c, 1, kUnpaired, kUnpaired);
  ExpectInput(c, 2, kUnpaired, kUnpaired);
}

TEST(MatchInputRunsToPenUps, ConnectionWherePatternDoesNotLiftThePen) {
  // The pattern is one stroke, so the extra connecting segment is simply omitted: 3x.
  Comparison c(Shape({{{-30, 10}, {30, 10}, {20, 0}, {30, -10}}}), Shape({{{-30, 10}, {30, 10}, {30, -10}}}));
  c.Pair(0, 0).Pair(2, 1).Omissions();
  c.Run(MatchInputRunsToPenUps);
  EXPECT_EQ(c.score.inputOmission, 3 * 20);
  EXPECT_EQ(c.score.extra, 0);
  ExpectInput(c, 1, kUnpaired, kUnpaired);
}

TEST(MatchInputRunsToPenUps, ShortTailBeforeTheInputsOwnPenUp) {
  // A 20-unit tail after the upper bar, then the pen lifts: tail and jump together
  // against the pattern's pen-up (both ends meet; pieces 5+5 and 5+5 off).
  Comparison c(Shape({{{-30, 10}, {30, 10}, {20, 0}}, {{-30, -10}, {30, -10}}}), TwoBars());
  c.Pair(0, 0).Pair(2, 1).Omissions();
  c.Run(MatchInputRunsToPenUps);
  ExpectInput(c, 1, kPenUpPaired, kPenUpPaired);
  EXPECT_EQ(c.score.extra, 20);
  EXPECT_EQ(c.score.inputOmission, 0);
  EXPECT_EQ(c.score.total, 20);
}

TEST(MatchInputRunsToPenUps, ShortLeadInAfterTheInputsOwnPenUp) {
  // The mirror: the pen lifts after the upper bar and the lower stroke starts with a
  // 15-unit lead-in; jump (-55,-10) and lead-in (-5,-10) against the pen-up (-60,-20)
  // cut 65:15 into (-48,-16) and (-11,-3): 13 + 13.
  Comparison c(Shape({{{-30, 10}, {30, 10}}, {{-25, 0}, {-30, -10}, {30, -10}}}), TwoBars());
  c.Pair(0, 0).Pair(2, 1).Omissions();
  c.Run(MatchInputRunsToPenUps);
  ExpectInput(c, 1, kPenUpPaired, kPenUpPaired);
  EXPECT_EQ(c.score.extra, 26);
  EXPECT_EQ(c.score.inputOmission, 0);
}

TEST(InputPenUpCheck, PenLiftInsideOnePatternStroke) {
  const KusabiPattern corner = Shape({{{-20, 20}, {-20, -20}, {20, -20}}});
  Comparison c(Shape({{{-20, 20}, {-20, -20}}, {{-18, -22}, {20, -20}}}), corner);
  c.Pair(0, 0).Pair(1, 1).Omissions();
  c.Run(InputPenUpCheck);
  EXPECT_EQ(c.score.inputOmission, 4);
  EXPECT_EQ(c.score.total, c.Total());

  // The same lift where the pattern also lifts its pen costs nothing.
  Comparison two(Shape({{{-20, 20}, {-20, -20}}, {{-18, -22}, {20, -20}}}),
                 Shape({{{-20, 20}, {-20, -20}}, {{-20, -22}, {20, -20}}}));
  two.Pair(0, 0).Pair(1, 1).Omissions();
  two.Run(InputPenUpCheck);
  EXPECT_EQ(two.score.inputOmission, 0);
}

TEST(OffstrokeOmomi, PenUpsComparedAndRescaledByInputStrokes) {
  // Lower bar 4 units lower than the pattern's: the jump is (0,-4) off the pen-up.
  Comparison c(Shape({{{-30, 10}, {30, 10}}, {{-30, -14}, {30, -14}}, {{50, 50}, {55, 50}}}), TwoBars());
  c.Pair(0, 0).Pair(1, 1).Omissions();
  c.Run(OffstrokeOmomi);
  // One compared pen-up stands for the input's two: 4 * (3 - 1) / 1.
  EXPECT_EQ(c.score.extra, 8);
  EXPECT_EQ(c.score.total, c.Total());
}

TEST(OffstrokeOmomi, SingleStrokeInputIsNotRescaled) {
  // Cursive: the connector was already taken against the pen-up (marked 254).
  Comparison c(Shape({{{-30, 10}, {30, 10}, {-30, -14}, {30, -14}}}), TwoBars());
  c.Pair(0, 0).Pair(2, 1).Omissions();
  c.corr.inFirst[1] = c.corr.inLast[1] = kPenUpPaired;
  c.Run(OffstrokeOmomi);
  EXPECT_EQ(c.score.extra, 4);
}

TEST(OffstrokeOmomi, UnpairedPenUpsCostTheirLength) {
  Comparison c(Shape({{{-30, 10}, {30, 10}}}), TwoBars());
  c.Pair(0, 0).Omissions();
  c.Run(OffstrokeOmomi);
  EXPECT_EQ(c.score.extra, 60 + 20);  // |V| of the uncompared pen-up, no rescaling
}

TEST(OffstrokeOmomi, ShortHookAtStrokeEndComparedWithTheJump) {
  // The pattern's upper bar ends in a 15-unit hook the writer left out.
  Comparison c(Shape({{{-30, 10}, {30, 10}}, {{-30, -10}, {30, -10}}}),
               Shape({{{-30, 10}, {30, 10}, {25, 0}}, {{-30, -10}, {30, -10}}}));
  c.Pair(0, 0).Pair(1, 2).Omissions();
  ASSERT_EQ(c.score.patternOmission, 30);
  c.Run(OffstrokeOmomi);
  // Jump (-60,-20) cut 15:65 into (-11,-3) and (-48,-16) against hook (-5,-10) and
  // pen-up (-55,-10): 13 + 13.
  EXPECT_EQ(c.score.extra, 26);
  ExpectPattern(c, 1, kPenUpPaired, kPenUpPaired);
  EXPECT_EQ(c.score.patternOmission, 0);
}

TEST(OffstrokeOmomi, ShortLeadInOfTheNextStroke) {
  // The pattern's lower bar starts with a 15-unit lead-in the writer left out.
  Comparison c(Shape({{{-30, 10}, {30, 10}}, {{-30, -10}, {30, -10}}}),
               Shape({{{-30, 10}, {30, 10}}, {{-35, 0}, {-30, -10}, {30, -10}}}));
  c.Pair(0, 0).Pair(1, 2).Omissions();
  c.Run(OffstrokeOmomi);
  ExpectPattern(c, 1, kPenUpPaired, kPenUpPaired);
  EXPECT_EQ(c.score.patternOmission, 0);
  // Jump (-60,-20) cut 75:15 into (-50,-16) and (-10,-3) against pen-up (-65,-10)
  // and lead-in (5,-10): 15 + 6, then 15 + 7.
  EXPECT_EQ(c.score.extra, 43);
}

TEST(SettlePatternLeftovers, ShortHookCostsItsLengthOnce) {
  Comparison c(Shape({{{-30, 10}, {30, 10}}, {{-30, -10}, {30, -10}}}),
               Shape({{{-30, 10}, {30, 10}, {25, 0}}, {{-30, -10}, {30, -10}}}));
  c.Pair(0, 0).Pair(1, 2).Omissions();
  c.Run(SettlePatternLeftovers);
  EXPECT_EQ(c.score.patternOmission, 15);
  EXPECT_EQ(c.score.total, c.Total());
}

TEST(SettlePatternLeftovers, IsolatedRunsChargedFromEachStart) {
  // A two-segment stroke nobody wrote: charged as a run from 1 (10 + 10), then again
  // as a run from 2 (10), on top of the greedy pass's twice its length.
  Comparison c(Shape({{{-30, 10}, {30, 10}}}), Shape({{{-30, 10}, {30, 10}}, {{50, 50}, {60, 50}, {60, 60}}}));
  c.Pair(0, 0).Omissions();
  c.Run(SettlePatternLeftovers);
  EXPECT_EQ(c.score.patternOmission, 40 + 20 + 10);
}

TEST(RefineCorrespondence, RunsAllPassesInOrder) {
  // Cursive two-bar character, its first bar written as two pieces.
  Comparison c(Shape({{{-30, 10}, {0, 10}, {30, 10}, {-28, -10}, {30, -10}}}), TwoBars());
  c.Pair(1, 0).Pair(3, 1).Omissions();
  c.Run(RefineCorrespondence);
  // Pass 2 merges input 0 into the upper bar; pass 6 takes the connector as pen-up.
  ExpectPattern(c, 0, 0, 1);
  ExpectInput(c, 0, 0, 0);
  ExpectInput(c, 2, kPenUpPaired, kPenUpPaired);
  EXPECT_EQ(c.score.inputOmission, 0);
  EXPECT_EQ(c.score.patternOmission, 0);
  EXPECT_EQ(c.score.total, c.Total());
  EXPECT_EQ(c.score.total, 0 + 4 + 4 + 2);
}
