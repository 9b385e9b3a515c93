// The look-alike checks on hand-made inputs: each candidate's stored pattern and its
// correspondence with the input are chosen by the test, so the answer is obvious.
#include <gtest/gtest.h>

#include "penbuild.h"
#include "ruiji_checks.h"
#include "ruiji_fixture.h"

namespace {

constexpr uint16_t kCodeA = 0x8260;  // Ａ
constexpr uint16_t kCodeB = 0x8261;  // Ｂ

bool Check(RuijiFixture& f, int rank, int number, int p0 = -1, int p1 = -1, int p2 = -1, int penStrokes = 0) {
  const RuijiEntry entry{kEmptyCode,
                         {RuijiCheck{static_cast<int16_t>(number),
                                     {static_cast<int8_t>(p0), static_cast<int8_t>(p1), static_cast<int8_t>(p2), 0}},
                          RuijiCheck{kRuijiNoCheck, {-1, -1, -1, 0}}, RuijiCheck{kRuijiNoCheck, {-1, -1, -1, 0}}}};
  RuijiContext ctx(&f.input, f.pen.empty() ? nullptr : f.pen.data(), penStrokes, f.list);
  return RuijiCheckPasses(ctx, rank, entry, 0);
}

// A candidate check: p1, p2 carry the code of the candidate looked at.
bool CheckOn(RuijiFixture& f, int number, int p0, uint16_t code) {
  return Check(f, 0, number, p0, static_cast<int8_t>(code >> 8), static_cast<int8_t>(code & 0xFF));
}

RuijiFixture LikeInput(const Drawing& d) {
  RuijiFixture f;
  f.SetInput(d);
  f.AddLikeInput(kCodeA);
  return f;
}

TEST(RuijiStrokes, KakupNumbersStrokesWhereThePenLifts) {
  const KusabiPattern p = PatternOf({{{0, 0}, {10, 0}, {10, 10}}, {{20, 0}, {30, 0}}, {{30, 5}, {40, 5}}});
  uint8_t out[kMaxSegments];
  ASSERT_EQ(Kakup(p, 0, out), 2);
  EXPECT_EQ(out[1], 1);
  ASSERT_EQ(Kakup(p, 2, out), 1);
  EXPECT_EQ(out[0], 3);
  EXPECT_EQ(Kakup(p, 3, out), 0);
  EXPECT_EQ(Kakup(p, 100, out), 0);
  EXPECT_EQ(Kakup(p, -1, out), 0);
}

TEST(RuijiStrokes, BouToBouListsEachMatchedInputSegmentOnceAscending) {
  RuijiFixture f;
  f.SetInput({{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}});
  KohoSlot& s = f.Add(kCodeA, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}}, false);
  RuijiFixture::Pair(&s, 0, 4, 4);
  RuijiFixture::Pair(&s, 1, 1, 3);  // an n:m group: pattern 1 and 2 share inputs 1..3
  RuijiFixture::Pair(&s, 2, 1, 3);
  s.corr.patFirst[3] = kPenUpPaired;
  const uint8_t segs[] = {0, 1, 2, 3};
  uint8_t out[kMaxSegments];
  ASSERT_EQ(BouToBou(out, 4, segs, s, 5), 4);
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[1], 2);
  EXPECT_EQ(out[2], 3);
  EXPECT_EQ(out[3], 4);
}

TEST(RuijiStrokes, MarkersAndOutOfRangePartnersCountAsUnmatched) {
  RuijiFixture f;
  f.SetInput({{{0, 0}, {1, 0}, {2, 0}}});
  KohoSlot& s = f.Add(kCodeA, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}}, false);
  s.corr.patFirst[0] = 200;  // neither a segment nor a marker
  s.corr.patFirst[1] = 60;   // beyond the input's two segments
  s.corr.patFirst[2] = 1;
  s.corr.patLast[2] = kUnpaired;  // a marker as last partner: the first one alone
  const uint8_t segs[] = {0, 1, 2};
  uint8_t out[kMaxSegments];
  ASSERT_EQ(BouToBou(out, 3, segs, s, 2), 1);
  EXPECT_EQ(out[0], 1);
  s.corr.patLast[2] = 89;  // past the input: cut at its last segment
  s.corr.patFirst[2] = 0;
  ASSERT_EQ(BouToBou(out, 3, segs, s, 2), 2);
}

TEST(RuijiLJoint, ClassOfTheStrokeChords) {
  // Stroke 0 an L from (0, 50), stroke 1 starting 3 units from it.
  RuijiFixture f = LikeInput({{{0, 50}, {0, 0}, {30, 0}}, {{3, 52}, {40, 52}}});
  EXPECT_TRUE(Check(f, 0, 10, 0, 1));
  EXPECT_FALSE(Check(f, 0, 11, 0, 1));
  EXPECT_FALSE(Check(f, 0, 19, 0, 1));
  RuijiFixture far = LikeInput({{{0, 50}, {0, 0}, {30, 0}}, {{20, 60}, {40, 60}}});
  EXPECT_TRUE(Check(far, 0, 19, 0, 1));
  // A stroke with no input segments fails, even "no joint".
  RuijiFixture::Unpair(&far.list[0]);
  EXPECT_FALSE(Check(far, 0, 19, 0, 1));
}

TEST(RuijiCrossing, CrossedStrokesAndAStrokeThatOnlyEndsOnAnother) {
  RuijiFixture cross = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}}});
  EXPECT_TRUE(Check(cross, 0, 20, 0, 1));
  // Ends 3 units below the line: ends on it, no crossing ...
  RuijiFixture ends = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -3}}});
  EXPECT_FALSE(Check(ends, 0, 20, 0, 1));
  // ... unless the stroke goes on to the other side.
  RuijiFixture through = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -3}, {-10, -40}}});
  EXPECT_TRUE(Check(through, 0, 20, 0, 1));
  RuijiFixture apart = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, 20}}});
  EXPECT_FALSE(Check(apart, 0, 20, 0, 1));
}

TEST(RuijiTJoint, WhichStrokeStartsOrEndsOnWhich) {
  // Stroke 1 starts on stroke 0.
  RuijiFixture f = LikeInput({{{-40, 0}, {40, 0}}, {{0, -3}, {0, -40}}});
  EXPECT_TRUE(Check(f, 0, 21, 0, 1));
  EXPECT_FALSE(Check(f, 0, 22, 0, 1));
  EXPECT_FALSE(Check(f, 0, 23, 0, 1));
  // Stroke 0 ends on stroke 1.
  RuijiFixture g = LikeInput({{{0, -40}, {0, -3}}, {{-40, 0}, {40, 0}}});
  EXPECT_TRUE(Check(g, 0, 24, 0, 1));
  EXPECT_FALSE(Check(g, 0, 21, 0, 1));
  // A probe that ends at the reference's end and goes on through its line.
  RuijiFixture h = LikeInput({{{0, 30}, {2, 2}, {10, -30}}, {{-40, 0}, {0, 0}}});
  EXPECT_TRUE(Check(h, 0, 21, 0, 1));
  RuijiFixture stops = LikeInput({{{0, 30}, {2, 2}}, {{-40, 0}, {0, 0}}});
  EXPECT_FALSE(Check(stops, 0, 21, 0, 1));
}

TEST(RuijiTouch, TouchingStrokes) {
  RuijiFixture cross = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}}});
  EXPECT_TRUE(Check(cross, 0, 41, 0, 1));
  EXPECT_FALSE(Check(cross, 0, 40, 0, 1));
  // A stroke starting on the line touches it.
  RuijiFixture starts = LikeInput({{{-40, 0}, {40, 0}}, {{0, -3}, {10, -40}, {30, -40}}});
  EXPECT_TRUE(Check(starts, 0, 41, 0, 1));
  // A V whose vertex only comes near the line from below does not.
  RuijiFixture bounces = LikeInput({{{-40, 0}, {40, 0}}, {{30, -40}, {0, -3}, {-20, -40}}});
  EXPECT_TRUE(Check(bounces, 0, 40, 0, 1));
  RuijiFixture apart = LikeInput({{{-40, 0}, {40, 0}}, {{-40, -30}, {40, -30}}});
  EXPECT_TRUE(Check(apart, 0, 40, 0, 1));
  RuijiFixture::Unpair(&apart.list[0]);
  EXPECT_TRUE(Check(apart, 0, 40, 0, 1));
  EXPECT_FALSE(Check(apart, 0, 41, 0, 1));
}

TEST(RuijiJoint, JoinedAndSeparateStrokes) {
  RuijiFixture cross = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}}});
  EXPECT_TRUE(Check(cross, 0, 58, 1, 0));
  EXPECT_FALSE(Check(cross, 0, 59, 1, 0));
  // Stroke 0 starts on stroke 1.
  RuijiFixture starts = LikeInput({{{0, -3}, {0, -40}}, {{-40, 0}, {40, 0}}});
  EXPECT_TRUE(Check(starts, 0, 58, 0, 1));
  RuijiFixture apart = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, 20}}});
  EXPECT_TRUE(Check(apart, 0, 59, 0, 1));
  // A V whose vertex only reaches the line: its second half starts on it, which
  // counts only for the stroke's first segment.
  RuijiFixture vertex = LikeInput({{{-20, 30}, {0, -3}, {20, 30}}, {{-40, 0}, {40, 0}}});
  EXPECT_TRUE(Check(vertex, 0, 59, 0, 1));
}

TEST(RuijiJoint, StrokesCrossingWhereTheFirstOneBends) {
  // Stroke 0 bends on stroke 1's line and goes on to its other side: a crossing, as
  // check 20 counts it, although neither of its segments crosses on its own.
  RuijiFixture bent = LikeInput({{{-20, -30}, {0, 0}, {10, 30}}, {{-30, 0}, {30, 0}}});
  EXPECT_TRUE(Check(bent, 0, 20, 0, 1));
  EXPECT_TRUE(Check(bent, 0, 58, 0, 1));
  EXPECT_FALSE(Check(bent, 0, 59, 0, 1));
  // Bending back on the line is only a touch.
  RuijiFixture back = LikeInput({{{-20, -30}, {0, 0}, {20, -30}}, {{-30, 0}, {30, 0}}});
  EXPECT_TRUE(Check(back, 0, 59, 0, 1));
}

TEST(RuijiChain, StrokesWrittenAsOneChain) {
  // The input writes in one movement what the candidate stores as two strokes.
  RuijiFixture f;
  f.SetInput({{{0, 40}, {0, 0}, {40, 0}}});
  f.Add(kCodeA, {{{0, 40}, {0, 0}}, {{5, 0}, {40, 0}}});
  EXPECT_TRUE(Check(f, 0, 56, 0, 1));
  EXPECT_FALSE(Check(f, 0, 57, 0, 1));
  RuijiFixture lifted = LikeInput({{{0, 40}, {0, 0}}, {{5, 0}, {40, 0}}});
  EXPECT_FALSE(Check(lifted, 0, 56, 0, 1));
  EXPECT_TRUE(Check(lifted, 0, 57, 0, 1));
}

TEST(RuijiChain, OneStrokeAsOneChainOfTwoOrMoreSegments) {
  RuijiFixture two = LikeInput({{{0, 40}, {0, 0}, {40, 0}}});
  EXPECT_TRUE(Check(two, 0, 55, 0));
  RuijiFixture one = LikeInput({{{0, 40}, {0, 0}}});
  EXPECT_FALSE(Check(one, 0, 55, 0));
  // The stored stroke's two segments went to input segments 0 and 2 of different
  // strokes: broken; but a pen-up partner in between keeps the chain.
  RuijiFixture gap;
  gap.SetInput({{{0, 40}, {0, 0}}, {{0, -5}, {0, -8}}, {{0, 0}, {40, 0}}});
  KohoSlot& s = gap.Add(kCodeA, {{{0, 40}, {0, 0}, {40, 0}}}, false);
  RuijiFixture::Pair(&s, 0, 0, 0);
  RuijiFixture::Pair(&s, 1, 2, 2);
  s.corr.inFirst[1] = kUnpaired;
  EXPECT_TRUE(Check(gap, 0, 55, 0));  // input 0 ends where input 2 starts
  gap.input.segment[2].x0 = 3;
  EXPECT_FALSE(Check(gap, 0, 55, 0));
  s.corr.inFirst[1] = kPenUpPaired;
  EXPECT_TRUE(Check(gap, 0, 55, 0));
}

TEST(RuijiCounting, StrokeCountsAndMatchedSegments) {
  RuijiFixture f = LikeInput({{{0, 40}, {0, 0}, {40, 0}}, {{50, 0}, {60, 0}}});
  EXPECT_TRUE(Check(f, 0, 52, 2));
  EXPECT_FALSE(Check(f, 0, 52, 1));
  EXPECT_TRUE(Check(f, 0, 53, 2));
  EXPECT_FALSE(Check(f, 0, 53, 3));
  EXPECT_TRUE(Check(f, 0, 80, 0, 2));
  EXPECT_FALSE(Check(f, 0, 80, 0, 3));
  EXPECT_FALSE(Check(f, 0, 80, 5, 1));  // no such stroke
}

TEST(RuijiCounting, ChecksOnANamedCandidate) {
  RuijiFixture f;
  f.SetInput({{{0, 40}, {0, 0}, {40, 0}}});
  f.AddLikeInput(kCodeA);
  KohoSlot& b = f.Add(kCodeB, {{{0, 40}, {0, 0}, {40, 0}}}, false);
  RuijiFixture::Pair(&b, 0, 0, 0);  // its segment 1 stays unmatched
  EXPECT_FALSE(CheckOn(f, 50, 0, kCodeB));
  EXPECT_TRUE(CheckOn(f, 51, 0, kCodeB));
  EXPECT_TRUE(CheckOn(f, 50, 0, kCodeA));
  EXPECT_FALSE(CheckOn(f, 51, 0, kCodeA));
  // A code not ranked passes both, and 0xFFFF is never ranked.
  EXPECT_TRUE(CheckOn(f, 50, 0, 0x8262));
  EXPECT_TRUE(CheckOn(f, 51, 0, 0x8262));
  EXPECT_TRUE(CheckOn(f, 50, 0, 0xFFFF));
  // 54: the named candidate's stroke is not one chain of two or more segments.
  EXPECT_FALSE(CheckOn(f, 54, 0, kCodeA));
  EXPECT_TRUE(CheckOn(f, 54, 0, kCodeB));
  EXPECT_TRUE(CheckOn(f, 54, 0, 0x8262));
}

TEST(RuijiPosition, StartAboveEveryLineOfAnotherStroke) {
  // 主: a dot above a horizontal line.
  RuijiFixture f = LikeInput({{{0, 40}, {2, 34}}, {{-30, 20}, {30, 20}}});
  EXPECT_TRUE(Check(f, 0, 60, 0, 1));
  EXPECT_FALSE(Check(f, 0, 61, 0, 1));
  RuijiFixture below = LikeInput({{{0, 10}, {2, 4}}, {{-30, 20}, {30, 20}}});
  EXPECT_FALSE(Check(below, 0, 60, 0, 1));
  EXPECT_TRUE(Check(below, 0, 61, 0, 1));
}

TEST(RuijiDirection, LastSegmentWithinARange) {
  // Stroke 0 ends going up (90 degrees); stroke 1 goes right (0 degrees).
  RuijiFixture f = LikeInput({{{0, 0}, {20, -20}, {20, 20}}, {{30, 0}, {60, 0}}});
  EXPECT_TRUE(Check(f, 0, 66, 0, 22, 23));   // 88 < 90 < 92
  EXPECT_FALSE(Check(f, 0, 66, 0, 23, 24));  // 92 .. 96
  EXPECT_FALSE(Check(f, 0, 66, 0, 22, 22));
  // A range across 0: 348 .. 12 holds 0 degrees.
  EXPECT_TRUE(Check(f, 0, 66, 1, 87, 3));
  EXPECT_FALSE(Check(f, 0, 66, 0, 87, 3));
}

TEST(RuijiDirection, AFollowingCheck2NamesTheCandidateLookedAt) {
  // Input stroke 0 goes right (0 degrees), stroke 1 up (90 degrees). Candidate A
  // pairs its stroke 0 with the first, candidate B its only stroke with the second.
  RuijiFixture f = LikeInput({{{0, 0}, {30, 0}}, {{50, 0}, {50, 30}}});
  KohoSlot& b = f.Add(kCodeB, {{{50, 0}, {50, 30}}}, false);
  RuijiFixture::Pair(&b, 0, 1, 1);
  const auto upwards = [&f](uint16_t code) {
    const RuijiEntry e{kCodeA,
                       {RuijiCheck{66, {0, 20, 25, 0}},  // 80 .. 100 degrees
                        RuijiCheck{2, {static_cast<int8_t>(code >> 8), static_cast<int8_t>(code & 0xFF), -1, 0}},
                        RuijiCheck{kRuijiNoCheck, {-1, -1, -1, 0}}}};
    RuijiContext ctx(&f.input, nullptr, 0, f.list);
    return RuijiEntryPasses(ctx, 0, e);
  };
  EXPECT_TRUE(upwards(kCodeB));    // B's stroke: 90 degrees
  EXPECT_FALSE(upwards(0x8262));  // Ｃ is not ranked: A's own stroke, 0 degrees
}

TEST(RuijiTurn, JoinOfTwoStrokesInOneInputStroke) {
  // The candidate's strokes 0 and 1 written in one movement: down, then right (+90).
  RuijiFixture f;
  f.SetInput({{{0, 40}, {0, 0}, {40, 0}}});
  f.Add(kCodeA, {{{0, 40}, {0, 0}}, {{5, 0}, {40, 0}}});
  EXPECT_TRUE(Check(f, 0, 71, 0, 1, 20));    // 90 > 80
  EXPECT_FALSE(Check(f, 0, 71, 0, 1, 23));   // 90 > 92 fails
  EXPECT_FALSE(Check(f, 0, 71, 0, 1, 0));    // below 0 fails
  EXPECT_FALSE(Check(f, 0, 71, 0, 1, -20));  // nor below -80
  RuijiFixture lifted = LikeInput({{{0, 40}, {0, 0}}, {{5, 0}, {40, 0}}});
  EXPECT_TRUE(Check(lifted, 0, 71, 0, 1, 23));  // different input strokes
}

TEST(RuijiLength, SquaredLengthsOfTwoStrokes) {
  // 士 against 土: is the upper line (stroke 0 here) not longer than the lower one?
  RuijiFixture f = LikeInput({{{-20, 20}, {20, 20}}, {{-40, 0}, {40, 0}}});
  EXPECT_TRUE(Check(f, 0, 72, 0, 1));
  EXPECT_FALSE(Check(f, 0, 72, 1, 0));
  // One segment of 40 (1600) against two of 30 (900 + 900): squares, not lengths.
  RuijiFixture g = LikeInput({{{0, 0}, {40, 0}}, {{0, 10}, {30, 10}, {30, 40}}});
  EXPECT_TRUE(Check(g, 0, 72, 0, 1));
  RuijiFixture::Unpair(&g.list[0]);
  EXPECT_TRUE(Check(g, 0, 72, 0, 1));  // stroke 0 has no input segments
}

TEST(RuijiMeeting, PositionOfAMeetingAlongAStroke) {
  // Stroke 0 a horizontal line of length 80 from x = 0; stroke 1 a vertical at x.
  const auto classAt = [](int x) {
    RuijiFixture f = LikeInput({{{0, 0}, {80, 0}}, {{x, 30}, {x, -30}}});
    RuijiContext ctx(&f.input, nullptr, 0, f.list);
    return MeetingPosition(ctx, 0, 0, 1);
  };
  EXPECT_EQ(classAt(19), kMeetFirstQuarter);
  EXPECT_EQ(classAt(20), kMeetFirstHalf);
  EXPECT_EQ(classAt(39), kMeetFirstHalf);
  EXPECT_EQ(classAt(40), kMeetSecondHalf);
  EXPECT_EQ(classAt(70), kMeetSecondHalf);  // the third and last quarters share a class
  EXPECT_EQ(classAt(100), kMeetNone);
  // Meetings at the ends of the stroke.
  RuijiFixture end = LikeInput({{{0, 0}, {80, 0}}, {{82, 30}, {82, 2}}});
  RuijiContext ctx(&end.input, nullptr, 0, end.list);
  EXPECT_EQ(MeetingPosition(ctx, 0, 0, 1), kMeetAtEnd);
  RuijiFixture start = LikeInput({{{0, 0}, {40, 0}, {80, 0}}, {{30, 30}, {2, 2}}});
  RuijiContext ctx2(&start.input, nullptr, 0, start.list);
  EXPECT_EQ(MeetingPosition(ctx2, 0, 0, 1), kMeetFirstQuarter);
  // The check passes when the class shares a bit with p2.
  RuijiFixture mid = LikeInput({{{0, 0}, {80, 0}}, {{40, 30}, {40, -30}}});
  EXPECT_TRUE(Check(mid, 0, 73, 0, 1, 14));
  EXPECT_FALSE(Check(mid, 0, 73, 0, 1, 1));
}

TEST(RuijiLoop, HookOfTwoSegmentsMustTurnSharply) {
  // The last stored stroke written as two segments turning 135 degrees ...
  RuijiFixture sharp = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}, {-20, -20}}});
  RuijiContext a(&sharp.input, nullptr, 0, sharp.list);
  EXPECT_TRUE(LastStrokeLoopTest(a, 0));
  // ... or only 45.
  RuijiFixture gentle = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}, {-20, -60}}});
  RuijiContext b(&gentle.input, nullptr, 0, gentle.list);
  EXPECT_FALSE(LastStrokeLoopTest(b, 0));
  // A single segment is no hook.
  RuijiFixture straight = LikeInput({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}}});
  RuijiContext c(&straight.input, nullptr, 0, straight.list);
  EXPECT_FALSE(LastStrokeLoopTest(c, 0));
}

TEST(RuijiLoop, UnmatchedNeighbourOfATwoSegmentHook) {
  // The stored last stroke has two segments; the input stroke a third, unmatched one.
  const Drawing stored = {{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}}};
  const auto loopTest = [&](const Drawing& written) {
    RuijiFixture f;
    f.SetInput(written);
    f.Add(kCodeA, stored);  // pattern segment k with input segment k; the last input unpaired
    RuijiContext ctx(&f.input, nullptr, 0, f.list);
    return LastStrokeLoopTest(ctx, 0);
  };
  // A small circle of three segments, two of them matched: the short rest closes it.
  EXPECT_TRUE(loopTest({{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}, {0, 0}}}));
  // The same hook with the pen running on: a tail twice the first segment or longer.
  EXPECT_FALSE(loopTest({{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}, {-10, 4}}}));
  EXPECT_FALSE(loopTest({{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}, {-30, -20}}}));
}

TEST(RuijiLoop, UnmatchedLongLeadInBeforeATwoSegmentHook) {
  RuijiFixture f;
  f.SetInput({{{-40, 30}, {40, 30}}, {{-30, -20}, {0, 0}, {10, 0}, {5, 9}}});
  KohoSlot& s = f.Add(kCodeA, {{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}}}, false);
  RuijiFixture::Pair(&s, 0, 0, 0);
  RuijiFixture::Pair(&s, 1, 2, 2);
  RuijiFixture::Pair(&s, 2, 3, 3);
  RuijiContext ctx(&f.input, nullptr, 0, f.list);
  EXPECT_FALSE(LastStrokeLoopTest(ctx, 0));  // input segment 1 (length 50) leads in unmatched
  f.input.segment[1] = KusabiSegment{-5, 0, 0, 0};  // a short lead-in does not decide
  RuijiContext again(&f.input, nullptr, 0, f.list);
  EXPECT_TRUE(LastStrokeLoopTest(again, 0));
}

TEST(RuijiLoop, CurlOfThreeOrMoreSegments) {
  // A curl turning one way: the run covers four segments.
  RuijiFixture curl = LikeInput({{{0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}});
  RuijiContext a(&curl.input, nullptr, 0, curl.list);
  EXPECT_TRUE(LastStrokeLoopTest(a, 0));
  // A zigzag has no turning run.
  RuijiFixture zigzag = LikeInput({{{0, 0}, {10, 10}, {20, 0}, {30, 10}}});
  RuijiContext b(&zigzag.input, nullptr, 0, zigzag.list);
  EXPECT_FALSE(LastStrokeLoopTest(b, 0));
  // Checks 62 and 64 name the candidate.
  EXPECT_TRUE(CheckOn(curl, 62, -1, kCodeA));
  EXPECT_FALSE(CheckOn(curl, 64, -1, kCodeA));
  EXPECT_FALSE(CheckOn(curl, 62, -1, kCodeB));  // not ranked
  EXPECT_TRUE(CheckOn(curl, 64, -1, kCodeB));
}

TEST(RuijiLoop, LastTwoStrokesFullyMatched) {
  // は and its voiced form: two short marks after the body.
  RuijiFixture f = LikeInput({{{0, 0}, {0, -40}}, {{20, 20}, {22, 14}}, {{26, 20}, {28, 14}}});
  EXPECT_TRUE(CheckOn(f, 65, -1, kCodeA));
  EXPECT_FALSE(CheckOn(f, 63, -1, kCodeA));
  f.list[0].corr.patFirst[2] = kUnpaired;  // the last mark was not written
  EXPECT_FALSE(CheckOn(f, 65, -1, kCodeA));
  EXPECT_FALSE(CheckOn(f, 63, -1, kCodeA));  // the one before still is
  f.list[0].corr.patFirst[1] = kUnpaired;
  EXPECT_TRUE(CheckOn(f, 63, -1, kCodeA));
  EXPECT_TRUE(CheckOn(f, 63, -1, kCodeB));   // not ranked
  EXPECT_FALSE(CheckOn(f, 65, -1, kCodeB));
}

TEST(RuijiLoopMarks, StartEndAndMostOfAStroke) {
  // Marks 2, 1, 1, 3: a run turning the positive way over the whole stroke.
  RuijiFixture f = LikeInput({{{0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}});
  EXPECT_TRUE(Check(f, 0, 67, 1, 0, 0));    // start: 1 reads as 2
  EXPECT_TRUE(Check(f, 0, 67, 1, 0, 1));    // end: 1 reads as 3
  EXPECT_TRUE(Check(f, 0, 67, 1, 0, 3));    // 2 inner marks >= 4 - 3
  EXPECT_FALSE(Check(f, 0, 67, -1, 0, 0));  // no negative run
  EXPECT_TRUE(Check(f, 0, 68, -1, 0, 1));
  EXPECT_FALSE(Check(f, 0, 67, 1, 0, 2));   // no such mode
  EXPECT_FALSE(Check(f, 0, 67, 1, 5, 0));   // no such stroke
}

TEST(RuijiLoopMarks, AnUnmatchedEndSegmentPassesTheTestToItsNeighbour) {
  // A lead-in, then a positive run: marks 0, 2, 1, 1, 3.
  RuijiFixture f = LikeInput({{{0, -30}, {0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}});
  EXPECT_FALSE(Check(f, 0, 67, 1, 0, 0));
  f.list[0].corr.patFirst[0] = kUnpaired;
  EXPECT_TRUE(Check(f, 0, 67, 1, 0, 0));
  // With fewer than three segments there is no neighbour to fall back on.
  RuijiFixture two = LikeInput({{{0, 0}, {10, 0}, {15, 10}}});
  two.list[0].corr.patFirst[1] = kUnpaired;
  EXPECT_FALSE(Check(two, 0, 67, 3, 0, 1));
  EXPECT_TRUE(Check(two, 0, 68, 3, 0, 1));
}

TEST(RuijiLoopMarks, ChainedStrokesCarryTheMark) {
  // 202(0,1,0): strokes 0 and 1 written as one chain must start a positive run.
  RuijiFixture f;
  f.SetInput({{{0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}});
  f.Add(kCodeA, {{{0, 0}, {10, 0}, {15, 10}}, {{11, 20}, {10, 20}, {0, 20}}}, false);
  RuijiFixture::Pair(&f.list[0], 0, 0, 0);
  RuijiFixture::Pair(&f.list[0], 1, 1, 1);
  RuijiFixture::Pair(&f.list[0], 2, 2, 2);
  RuijiFixture::Pair(&f.list[0], 3, 3, 3);
  EXPECT_TRUE(Check(f, 0, 202, 0, 1, 0));
  EXPECT_FALSE(Check(f, 0, 200, 0, 1, 0));  // mark 255: no negative run
  EXPECT_TRUE(Check(f, 0, 205, 0, 1, 0));   // 205 wants the 255 test to fail
  EXPECT_FALSE(Check(f, 0, 207, 0, 1, 0));
  // Written with a pen lift between the two strokes: nothing to test.
  f.input.segment[2].x0 = 16;
  EXPECT_TRUE(Check(f, 0, 200, 0, 1, 0));
  EXPECT_TRUE(Check(f, 0, 207, 0, 1, 0));
}

TEST(RuijiCurl, TurnsOfTheFineReExtraction) {
  // An L written down then right turns +90 degrees; its mirror turns -90.
  RuijiFixture f = LikeInput({{{0, 0}, {0, -80}, {60, -80}}});
  f.pen = PenWords({PenPath({{100, 100}, {100, 300}, {250, 300}})});
  EXPECT_TRUE(Check(f, 0, 70, 0, 2, 20, 1));    // 90 >= 80
  EXPECT_FALSE(Check(f, 0, 69, 0, 2, 20, 1));
  EXPECT_FALSE(Check(f, 0, 70, 0, 2, 23, 1));   // 90 >= 92 fails
  EXPECT_FALSE(Check(f, 0, 70, 0, 2, -20, 1));  // not below -80
  EXPECT_TRUE(Check(f, 0, 70, 0, 1, 20, 1));    // second half of two segments: j = 1
  EXPECT_FALSE(Check(f, 0, 70, 0, 0, 20, 1));   // first half of two segments: none
  EXPECT_FALSE(Check(f, 0, 70, 1, 2, 20, 1));   // no stroke 1
  f.pen = PenWords({PenPath({{250, 100}, {250, 300}, {100, 300}})});
  EXPECT_TRUE(Check(f, 0, 70, 0, 2, -20, 1));
  EXPECT_FALSE(Check(f, 0, 70, 0, 2, 20, 1));
  // Without pen data the test cannot hold.
  f.pen.clear();
  EXPECT_FALSE(Check(f, 0, 70, 0, 2, -20, 1));
}

TEST(RuijiEntry, ChecksRunInOrderAndZeroEndsThemAtOnce) {
  RuijiFixture f = LikeInput({{{0, 0}, {30, 0}}});
  RuijiContext ctx(&f.input, nullptr, 0, f.list);
  const RuijiCheck never{1, {-1, -1, -1, 0}}, zero{0, {-1, -1, -1, 0}}, none{kRuijiNoCheck, {-1, -1, -1, 0}};
  const RuijiCheck untested{2, {-1, -1, -1, 0}}, unknown{99, {-1, -1, -1, 0}};
  EXPECT_FALSE(RuijiEntryPasses(ctx, 0, RuijiEntry{kCodeA, {never, zero, none}}));
  EXPECT_TRUE(RuijiEntryPasses(ctx, 0, RuijiEntry{kCodeA, {zero, never, never}}));
  EXPECT_TRUE(RuijiEntryPasses(ctx, 0, RuijiEntry{kCodeA, {none, never, never}}));
  EXPECT_TRUE(RuijiEntryPasses(ctx, 0, RuijiEntry{kCodeA, {untested, unknown, zero}}));
  EXPECT_FALSE(RuijiEntryPasses(ctx, 0, RuijiEntry{kCodeA, {untested, unknown, never}}));
}

}  // namespace
