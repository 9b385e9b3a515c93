// The look-alike checks' geometric primitives at their class boundaries, then the
// checks on hand-made inputs: each candidate's stored pattern and its correspondence
// with the input are chosen by the test, so the answer is obvious.
#include <gtest/gtest.h>

#include <utility>

#include "penbuild.h"
#include "ruiji_checks.h"
#include "ruiji_geometry.h"
#include "ruiji_joints.h"
#include "ruiji_loops.h"
#include "ruiji_fixture.h"

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

// Ａ stores the input itself, or `stored` with its segment k paired with input segment k.
RuijiFixture LikeInput(const Drawing& d, const Drawing& stored = {}) {
  RuijiFixture f;
  f.SetInput(d);
  if (stored.empty())
    f.AddLikeInput(kCodeA);
  else
    f.Add(kCodeA, stored);
  return f;
}

bool LoopTestOn(const Drawing& d, const Drawing& stored = {}) {
  RuijiFixture f = LikeInput(d, stored);
  RuijiContext ctx(&f.input, nullptr, 0, f.list);
  return LastStrokeLoopTest(ctx, 0);
}

// One check on an input whose only candidate, Ａ, stores the input itself.
constexpr uint32_t kAllUnmatched = 0xFFFFFFFF;
struct Probe {
  int number, p0, p1, p2;
  bool passes;
  uint32_t unmatched = 0;  // pattern segments left unpaired; kAllUnmatched: none paired
  uint16_t on = 0;         // a candidate check: p1, p2 carry this code
};
struct CheckRow {
  Drawing input;
  std::vector<Probe> probes;
  Drawing stored = {};  // as LikeInput takes it
  PenStroke pen = {};    // the pen data of a one-stroke input, for its fine re-extraction
};

const Drawing kCross = {{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}}};
const Drawing kApart = {{{-40, 0}, {40, 0}}, {{0, 40}, {0, 20}}};
const Drawing kLifted = {{{0, 40}, {0, 0}}, {{5, 0}, {40, 0}}};
const Drawing kCurl = {{{0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}};
const Drawing kTwoStrokeCurl = {{{0, 0}, {10, 0}, {15, 10}}, {{11, 20}, {10, 20}, {0, 20}}};
const Drawing kL = {{{0, 0}, {0, -80}, {60, -80}}};
const Drawing kVoiced = {{{0, 0}, {0, -40}}, {{20, 20}, {22, 14}}, {{26, 20}, {28, 14}}};  // は and its two marks

const CheckRow kCheckRows[] = {
    // 10..19: class of the joint of two stroke chords; an unmatched stroke fails even "no joint".
    {{{{0, 50}, {0, 0}, {30, 0}}, {{3, 52}, {40, 52}}}, {{10, 0, 1, -1, true}, {11, 0, 1, -1, false},
        {19, 0, 1, -1, false}}},
    {{{{0, 50}, {0, 0}, {30, 0}}, {{20, 60}, {40, 60}}}, {{19, 0, 1, -1, true}, {19, 0, 1, -1, false, kAllUnmatched}}},
    // 20: crossing; ending 3 units short of the line is none unless the stroke goes on through.
    {kCross, {{20, 0, 1, -1, true}}},
    {{{{-40, 0}, {40, 0}}, {{0, 40}, {0, -3}}}, {{20, 0, 1, -1, false}}},
    {{{{-40, 0}, {40, 0}}, {{0, 40}, {0, -3}, {-10, -40}}}, {{20, 0, 1, -1, true}}},
    {kApart, {{20, 0, 1, -1, false}}},
    // 21..24: which stroke starts or ends on which.
    {{{{-40, 0}, {40, 0}}, {{0, -3}, {0, -40}}}, {{21, 0, 1, -1, true}, {22, 0, 1, -1, false}, {23, 0, 1, -1, false}}},
    {{{{0, -40}, {0, -3}}, {{-40, 0}, {40, 0}}}, {{24, 0, 1, -1, true}, {21, 0, 1, -1, false}}},
    {{{{0, 30}, {2, 2}, {10, -30}}, {{-40, 0}, {0, 0}}}, {{21, 0, 1, -1, true}}},  // ends at its end, goes on through
    {{{{0, 30}, {2, 2}}, {{-40, 0}, {0, 0}}}, {{21, 0, 1, -1, false}}},
    // 40, 41: touching; a V whose vertex only comes near the line does not touch.
    {kCross, {{41, 0, 1, -1, true}, {40, 0, 1, -1, false}}},
    {{{{-40, 0}, {40, 0}}, {{0, -3}, {10, -40}, {30, -40}}}, {{41, 0, 1, -1, true}}},
    {{{{-40, 0}, {40, 0}}, {{30, -40}, {0, -3}, {-20, -40}}}, {{40, 0, 1, -1, true}}},
    {{{{-40, 0}, {40, 0}}, {{-40, -30}, {40, -30}}}, {{40, 0, 1, -1, true}, {40, 0, 1, -1, true, kAllUnmatched},
        {41, 0, 1, -1, false, kAllUnmatched}}},
    // 58, 59: joined or separate; a V's vertex on the line counts only for its first segment.
    {kCross, {{58, 1, 0, -1, true}, {59, 1, 0, -1, false}}},
    {{{{0, -3}, {0, -40}}, {{-40, 0}, {40, 0}}}, {{58, 0, 1, -1, true}}},
    {kApart, {{59, 0, 1, -1, true}}},
    {{{{-20, 30}, {0, -3}, {20, 30}}, {{-40, 0}, {40, 0}}}, {{59, 0, 1, -1, true}}},
    // Bending on the other stroke's line and going on to its far side crosses it
    // (although neither segment does alone); bending back is only a touch.
    {{{{-20, -30}, {0, 0}, {10, 30}}, {{-30, 0}, {30, 0}}}, {{20, 0, 1, -1, true}, {58, 0, 1, -1, true},
        {59, 0, 1, -1, false}}},
    {{{{-20, -30}, {0, 0}, {20, -30}}, {{-30, 0}, {30, 0}}}, {{59, 0, 1, -1, true}}},
    // 55..57: strokes as chains; 71: a turn between strokes written apart always passes.
    {kLifted, {{56, 0, 1, -1, false}, {57, 0, 1, -1, true}, {71, 0, 1, 23, true}}},
    // Written in one movement where Ａ stores two strokes. 71: the turn of the join, down
    // then right (+90): above 80, not above 92 nor below 0.
    {{{{0, 40}, {0, 0}, {40, 0}}}, {{56, 0, 1, -1, true}, {57, 0, 1, -1, false}, {71, 0, 1, 20, true},
        {71, 0, 1, 23, false}, {71, 0, 1, 0, false}, {71, 0, 1, -20, false}}, kLifted},
    {{{{0, 40}, {0, 0}, {40, 0}}}, {{55, 0, -1, -1, true}}},
    {{{{0, 40}, {0, 0}}}, {{55, 0, -1, -1, false}}},
    // 52, 53, 80: stroke counts and matched segments; no stroke 5.
    {{{{0, 40}, {0, 0}, {40, 0}}, {{50, 0}, {60, 0}}}, {{52, 2, -1, -1, true}, {52, 1, -1, -1, false},
        {53, 2, -1, -1, true}, {53, 3, -1, -1, false}, {80, 0, 2, -1, true}, {80, 0, 3, -1, false},
        {80, 5, 1, -1, false}}},
    // 60, 61: 主, a dot starting above every line of the bar, or below it.
    {{{{0, 40}, {2, 34}}, {{-30, 20}, {30, 20}}}, {{60, 0, 1, -1, true}, {61, 0, 1, -1, false}}},
    {{{{0, 10}, {2, 4}}, {{-30, 20}, {30, 20}}}, {{60, 0, 1, -1, false}, {61, 0, 1, -1, true}}},
    // 66: last segment's direction in a range of 4-degree steps (stroke 0 ends at 90,
    // stroke 1 at 0 degrees); 348 .. 12 wraps round 0.
    {{{{0, 0}, {20, -20}, {20, 20}}, {{30, 0}, {60, 0}}}, {{66, 0, 22, 23, true}, {66, 0, 23, 24, false},
        {66, 0, 22, 22, false}, {66, 1, 87, 3, true}, {66, 0, 87, 3, false}}},
    // 72: 士 against 土 by squared lengths (1600 against 900 + 900); an unmatched stroke passes.
    {{{{-20, 20}, {20, 20}}, {{-40, 0}, {40, 0}}}, {{72, 0, 1, -1, true}, {72, 1, 0, -1, false}}},
    {{{{0, 0}, {40, 0}}, {{0, 10}, {30, 10}, {30, 40}}}, {{72, 0, 1, -1, true}, {72, 0, 1, -1, true, kAllUnmatched}}},
    // 73: the meeting's class shares a bit with p2.
    {{{{0, 0}, {80, 0}}, {{40, 30}, {40, -30}}}, {{73, 0, 1, 14, true}, {73, 0, 1, 1, false}}},
    // 62, 64: a curl on the named candidate (Ｂ is not ranked).
    {kCurl, {{62, -1, 0, 0, true, 0, kCodeA}, {64, -1, 0, 0, false, 0, kCodeA}, {62, -1, 0, 0, false, 0, kCodeB},
        {64, -1, 0, 0, true, 0, kCodeB}}},
    // 63, 65: the last two strokes fully matched, or the one before the last not.
    {kVoiced, {{65, -1, 0, 0, true, 0, kCodeA}, {63, -1, 0, 0, false, 0, kCodeA},
        {65, -1, 0, 0, false, 1u << 2, kCodeA}, {63, -1, 0, 0, false, 1u << 2, kCodeA},
        {63, -1, 0, 0, true, 1u << 1 | 1u << 2, kCodeA}, {63, -1, 0, 0, true, 1u << 1 | 1u << 2, kCodeB},
        {65, -1, 0, 0, false, 1u << 1 | 1u << 2, kCodeB}}},
    // 67, 68: loop marks 2, 1, 1, 3 (a positive run over the whole curl); modes start,
    // end, most; no mode 2, no stroke 5.
    {kCurl, {{67, 1, 0, 0, true}, {67, 1, 0, 1, true}, {67, 1, 0, 3, true}, {67, -1, 0, 0, false},
        {68, -1, 0, 1, true}, {67, 1, 0, 2, false}, {67, 1, 5, 0, false}}},
    // An unmatched end segment passes the test to its neighbour, only with three or more.
    {{{{0, -30}, {0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}}, {{67, 1, 0, 0, false}, {67, 1, 0, 0, true, 1u << 0}}},
    {{{{0, 0}, {10, 0}, {15, 10}}}, {{67, 3, 0, 1, false, 1u << 1}, {68, 3, 0, 1, true, 1u << 1}}},
    // 202(0,1,0): strokes 0 and 1 written as one chain must start a positive run; 200
    // (mark 255) finds no negative run, 205 wants that test to fail. Written with a pen
    // lift between the two strokes there is nothing to test.
    {{{{0, 0}, {10, 0}, {15, 10}, {10, 20}, {0, 20}}}, {{202, 0, 1, 0, true}, {200, 0, 1, 0, false},
        {205, 0, 1, 0, true}, {207, 0, 1, 0, false}}, kTwoStrokeCurl},
    {{{{0, 0}, {10, 0}, {15, 10}}, {{16, 10}, {10, 20}, {0, 20}}}, {{200, 0, 1, 0, true}, {207, 0, 1, 0, true}},
     kTwoStrokeCurl},
    // 70: the turn of the fine re-extraction. An L written down then right turns +90: at least 80, not 92,
    // not below -80; of two segments the second half (j = 1) has it, the first none; no stroke 1.
    {kL, {{70, 0, 2, 20, true}, {69, 0, 2, 20, false}, {70, 0, 2, 23, false}, {70, 0, 2, -20, false},
        {70, 0, 1, 20, true}, {70, 0, 0, 20, false}, {70, 1, 2, 20, false}}, {},
     PenPath({{100, 100}, {100, 300}, {250, 300}})},
    {kL, {{70, 0, 2, -20, true}, {70, 0, 2, 20, false}}, {}, PenPath({{250, 100}, {250, 300}, {100, 300}})},
    {kL, {{70, 0, 2, -20, false}}},  // without pen data the test cannot hold
};

TEST(RuijiStrokes, KakupNumbersStrokesWhereThePenLifts) {
  const KusabiPattern p = PatternOf({{{0, 0}, {10, 0}, {10, 10}}, {{20, 0}, {30, 0}}, {{30, 5}, {40, 5}}});
  const auto segments = [&p](int stroke) {
    uint8_t out[kMaxSegments];
    return std::vector<int>(out, out + Kakup(p, stroke, out));
  };
  EXPECT_EQ(segments(0), (std::vector<int>{0, 1}));
  EXPECT_EQ(segments(2), (std::vector<int>{3}));
  for (int stroke : {3, 100, -1}) EXPECT_TRUE(segments(stroke).empty()) << stroke;
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
  EXPECT_EQ(std::vector<int>(out, out + 4), (std::vector<int>{1, 2, 3, 4}));
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

TEST(RuijiChecks, TableOfChecksOnTheInputItself) {
  for (size_t i = 0; i < sizeof kCheckRows / sizeof kCheckRows[0]; ++i)
    for (const Probe& r : kCheckRows[i].probes) {
      RuijiFixture f = LikeInput(kCheckRows[i].input, kCheckRows[i].stored);
      if (!kCheckRows[i].pen.empty()) f.pen = PenWords({kCheckRows[i].pen});
      if (r.unmatched == kAllUnmatched) RuijiFixture::Unpair(&f.list[0]);
      for (int k = 0; k < 32 && r.unmatched != kAllUnmatched; ++k)
        if (r.unmatched >> k & 1) f.list[0].corr.patFirst[k] = kUnpaired;
      const bool passes =
          r.on ? CheckOn(f, r.number, r.p0, r.on) : Check(f, 0, r.number, r.p0, r.p1, r.p2, f.pen.empty() ? 0 : 1);
      EXPECT_EQ(passes, r.passes) << "row " << i << ": check " << r.number << "(" << r.p0 << ", " << r.p1 << ")";
    }
}

TEST(RuijiChain, BrokenChainOfOneStoredStroke) {
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

TEST(RuijiCounting, ChecksOnANamedCandidate) {
  RuijiFixture f;
  f.SetInput({{{0, 40}, {0, 0}, {40, 0}}});
  f.AddLikeInput(kCodeA);
  KohoSlot& b = f.Add(kCodeB, {{{0, 40}, {0, 0}, {40, 0}}}, false);
  RuijiFixture::Pair(&b, 0, 0, 0);  // its segment 1 stays unmatched
  // A code not ranked (Ｃ) passes both, and 0xFFFF is never ranked. 54: the named
  // candidate's stroke is not one chain of two or more segments.
  const struct {
    int number;
    uint16_t code;
    bool passes;
  } probes[] = {{50, kCodeB, false}, {51, kCodeB, true},  {50, kCodeA, true},  {51, kCodeA, false},
                {50, 0x8262, true},  {51, 0x8262, true},  {50, 0xFFFF, true},  {54, kCodeA, false},
                {54, kCodeB, true},  {54, 0x8262, true}};
  for (const auto& p : probes) EXPECT_EQ(CheckOn(f, p.number, 0, p.code), p.passes) << p.number << " " << p.code;
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

TEST(RuijiMeeting, PositionOfAMeetingAlongAStroke) {
  // Stroke 0 a horizontal line of length 80 from x = 0; stroke 1 a vertical at x.
  const auto classAt = [](const Drawing& d) {
    RuijiFixture f = LikeInput(d);
    RuijiContext ctx(&f.input, nullptr, 0, f.list);
    return MeetingPosition(ctx, 0, 0, 1);
  };
  // The third and last quarters share a class.
  const std::pair<int, int> classes[] = {{19, kMeetFirstQuarter}, {20, kMeetFirstHalf}, {39, kMeetFirstHalf},
                                         {40, kMeetSecondHalf},   {70, kMeetSecondHalf}, {100, kMeetNone}};
  for (const auto& [x, cls] : classes) EXPECT_EQ(classAt({{{0, 0}, {80, 0}}, {{x, 30}, {x, -30}}}), cls) << x;
  // Meetings at the ends of the stroke.
  EXPECT_EQ(classAt({{{0, 0}, {80, 0}}, {{82, 30}, {82, 2}}}), kMeetAtEnd);
  EXPECT_EQ(classAt({{{0, 0}, {40, 0}, {80, 0}}, {{30, 30}, {2, 2}}}), kMeetFirstQuarter);
}

TEST(RuijiLoop, HooksAndCurlsOfTheLastStroke) {
  // A hook of two segments must turn sharply (135 degrees, not 45); one segment is
  // no hook; a curl turning one way over four segments is, a zigzag is not.
  EXPECT_TRUE(LoopTestOn({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}, {-20, -20}}}));
  EXPECT_FALSE(LoopTestOn({{{-40, 0}, {40, 0}}, {{0, 40}, {0, -40}, {-20, -60}}}));
  EXPECT_FALSE(LoopTestOn(kCross));
  EXPECT_TRUE(LoopTestOn(kCurl));
  EXPECT_FALSE(LoopTestOn({{{0, 0}, {10, 10}, {20, 0}, {30, 10}}}));
}

TEST(RuijiLoop, UnmatchedNeighbourOfATwoSegmentHook) {
  // The stored last stroke has two segments; the input stroke a third, unmatched one.
  const Drawing stored = {{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}}};
  // A small circle of three segments, two of them matched: the short rest closes it.
  EXPECT_TRUE(LoopTestOn({{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}, {0, 0}}}, stored));
  // The same hook with the pen running on: a tail twice the first segment or longer.
  EXPECT_FALSE(LoopTestOn({{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}, {-10, 4}}}, stored));
  EXPECT_FALSE(LoopTestOn({{{-40, 30}, {40, 30}}, {{0, 0}, {10, 0}, {5, 9}, {-30, -20}}}, stored));
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
