// Resampling, normalisation and feature extraction: spacing and interpolation,
// centroid and scale, the feature passes, and degenerate or extreme pen data.
#include <gtest/gtest.h>

#include "featurepoints.h"
#include "penbuild.h"
#include "preprocess.h"

namespace {

// A parsed point stream: per stroke its points.
PenStrokes ParseStream(const uint16_t* words) {
  PenStrokes strokes;
  size_t pos = 0;
  while (words[pos] == kStrokeMark) {
    const int n = static_cast<int16_t>(words[pos + 1]);
    PenStroke s;
    for (int i = 0; i < n; ++i)
      s.push_back({static_cast<int16_t>(words[pos + 2 + 2 * i]), static_cast<int16_t>(words[pos + 3 + 2 * i])});
    strokes.push_back(s);
    pos += 2 + 2 * static_cast<size_t>(n);
  }
  EXPECT_EQ(words[pos], kPenEnd);
  return strokes;
}

PenStrokes Resample(const PenStrokes& in, int strokes = -1) {
  const auto pen = PenWords(in);
  std::vector<uint16_t> out(kPenStreamWords);
  ZkRsmp(pen.data(), out.data(), out.size(), 4, strokes < 0 ? static_cast<int>(in.size()) : strokes);
  return ParseStream(out.data());
}

PenStrokes Normalise(const PenStrokes& in, NormState* norm) {
  const auto pen = PenWords(in);
  std::vector<uint16_t> out(pen.size());
  ZkNorm(pen.data(), out.data(), norm);
  return ParseStream(out.data());
}

KusabiPattern Extract(const PenStrokes& in, NormState* norm = nullptr) {
  const auto pen = PenWords(in);
  KusabiPattern p;
  NormState unused{};
  ZkRNKinji(pen.data(), &p, norm ? norm : &unused, static_cast<int>(in.size()));
  return p;
}

}  // namespace

TEST(Resample, DenseLineKeepsAPointEveryHalfStep) {
  // 100 one-pixel steps: ink 99, step 4, so points at least 2 units apart are kept.
  PenStroke line;
  for (int x = 0; x < 100; ++x) line.push_back({x, 7});
  const auto out = Resample({line});
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(out[0].size(), 50u);
  for (size_t i = 0; i < out[0].size(); ++i) EXPECT_EQ(out[0][i], PenPoint(2 * static_cast<int>(i), 7));
}

TEST(Resample, LongJumpIsFilledTruncatingTowardZero) {
  // 100 units with step 4: 26 parts, points at i * 100 / 26.
  auto out = Resample({{{0, 0}, {100, 0}}});
  ASSERT_EQ(out[0].size(), 27u);
  EXPECT_EQ((PenStroke{out[0][1], out[0][13], out[0][26]}), (PenStroke{{3, 0}, {50, 0}, {100, 0}}));
  out = Resample({{{0, 0}, {-100, 0}}});
  EXPECT_EQ(out[0][1], PenPoint(-3, 0));
}

TEST(Resample, StepGrowsWithTheInk) {
  // Two strokes of 7680 units each: step 15360 / (1536 / 2) = 20, so 385 parts.
  const auto out = Resample({{{0, 0}, {7680, 0}}, {{0, 100}, {0, 7780}}});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].size(), 386u);
  EXPECT_EQ(out[0][1], PenPoint(19, 0));  // 7680 / 385
  EXPECT_EQ(out[0][192], PenPoint(3830, 0));
  int total = 0;
  for (const auto& s : out) total += static_cast<int>(s.size());
  EXPECT_LE(total, kResampleBudget + 2);
}

TEST(Resample, TapsEmptyStrokesAndStrokeLimit) {
  auto out = Resample({{{5, 5}}, {{1, 1}, {1, 2}}});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], PenStroke({{5, 5}}));
  EXPECT_EQ(out[1], PenStroke({{1, 1}}));  // moved less than half a step

  out = Resample({{}, PenLine(0, 0, 40, 0)});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_TRUE(out[0].empty());
  EXPECT_FALSE(out[1].empty());

  out = Resample({PenLine(0, 0, 40, 0), PenLine(0, 9, 40, 9), PenLine(0, 20, 40, 20)}, 2);
  EXPECT_EQ(out.size(), 2u);

  std::vector<uint16_t> pen = {kStrokeMark, static_cast<uint16_t>(-3), 1, 2, kPenEnd};
  std::vector<uint16_t> buf(64);
  EXPECT_EQ(ZkRsmp(pen.data(), buf.data(), buf.size(), 4, 1), 1u);  // a negative count ends the data
  EXPECT_EQ(buf[0], kPenEnd);
}

TEST(Resample, SmallOutputBufferCutsTheLastStroke) {
  const auto pen = PenWords({PenLine(0, 0, 400, 0, 1), PenLine(0, 50, 400, 50, 1)});
  std::vector<uint16_t> out(41, 0x1234);
  const size_t used = ZkRsmp(pen.data(), out.data(), out.size() - 1, 4, 2);
  EXPECT_LE(used, out.size() - 1);
  EXPECT_EQ(out.back(), 0x1234);  // nothing written past the buffer
  const auto strokes = ParseStream(out.data());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0].size(), 18u);  // (40 - 2 - 1) / 2 points fit
}

TEST(Normalise, CentroidSpreadAndUpwardY) {
  NormState n{};
  auto out = Normalise({{{0, 0}, {10, 0}}, {{5, -10}, {5, 10}}}, &n);
  // Spread (5 + 5 + 10 + 10) / 4.
  EXPECT_EQ((std::vector<int>{n.cx, n.cy, n.spread, n.minX, n.maxX, n.minY, n.maxY}),
            (std::vector<int>{5, 0, 7, 0, 10, -10, 10}));
  EXPECT_EQ(out[0], PenStroke({{-21, 0}, {21, 0}}));  // -5 * 30 / 7 truncates to -21
  EXPECT_EQ(out[1], PenStroke({{0, 42}, {0, -42}}));  // y points up

  out = Normalise({{{-1, 3}, {-2, 3}}}, &n);
  EXPECT_EQ(n.cx, -1);  // -3 / 2 truncates toward zero
  // A single point and no points.
  out = Normalise({{{1234, -77}}}, &n);
  EXPECT_EQ(out[0], PenStroke({{0, 0}}));
  EXPECT_EQ(n.spread, 1);
  out = Normalise({{}}, &n);
  EXPECT_EQ((std::vector<int>{n.cx, n.spread}), (std::vector<int>{0, 1}));
  EXPECT_TRUE(out[0].empty());
}

TEST(Normalise, EndsOfTheSixteenBitRange) {
  NormState n{};
  const auto out = Normalise({{{-32768, -32768}, {32767, 32767}}, {{-32768, 32767}}}, &n);
  EXPECT_GT(n.spread, 0);
  for (const auto& s : out)
    for (const auto& p : s) {
      EXPECT_LE(std::abs(p.first), kNormLimit);
      EXPECT_LE(std::abs(p.second), kNormLimit);
    }
  // One far point among many coincident ones is held at the limit.
  PenStrokes many(1);
  for (int i = 0; i < 1000; ++i) many[0].push_back({0, 0});
  many[0].push_back({30000, 0});
  const auto far = Normalise(many, &n);
  EXPECT_EQ(far[0].back().first, kNormLimit);
}

// Feature passes on hand-made normalised streams.
class FeaturePasses : public ::testing::Test {
 protected:
  void SetStream(const PenStrokes& s) { stream_ = PenWords(s); }
  std::vector<PenStroke> Points(const FeatureList& list) const {
    std::vector<PenStroke> out;
    for (int s = 0; s < list.strokes; ++s) {
      PenStroke st;
      for (int j = FeatureStrokeBegin(list, s); j < list.end[s]; ++j)
        st.push_back({static_cast<int16_t>(stream_[list.point[j]]), static_cast<int16_t>(stream_[list.point[j] + 1])});
      out.push_back(st);
    }
    return out;
  }
  FeatureList List(const PenStrokes& strokes) {
    // A list holding every point of the stream.
    FeatureList l{};
    size_t pos = 0;
    int count = 0;
    for (const auto& s : strokes) {
      for (size_t i = 0; i < s.size(); ++i) l.point[count++] = static_cast<uint16_t>(pos + 2 + 2 * i);
      l.end[l.strokes++] = static_cast<int16_t>(count);
      pos += 2 + 2 * s.size();
    }
    return l;
  }
  std::vector<uint16_t> stream_;
};

TEST_F(FeaturePasses, TurnPointsAtReversalsOnly) {
  // Right, right, left (x reverses at (20,0)), a pause in y keeps the previous sign,
  // then up (y reverses at (10,-5)); a tap is dropped and is no stroke.
  SetStream({{{0, 0}, {10, 0}, {20, 0}, {10, -5}, {5, -5}, {5, 5}}, {{50, 50}}, {{0, 0}, {3, 4}}});
  FeatureList out;
  ExtractTurnPoints(stream_.data(), &out);
  ASSERT_EQ(out.strokes, 2);
  const auto pts = Points(out);
  EXPECT_EQ(pts[0], PenStroke({{0, 0}, {20, 0}, {5, -5}, {5, 5}}));
  EXPECT_EQ(pts[1], PenStroke({{0, 0}, {3, 4}}));
}

TEST_F(FeaturePasses, TurnPointsStopAt88AndAtThirtyStrokes) {
  PenStroke zigzag;
  for (int i = 0; i < 200; ++i) zigzag.push_back({i % 2 ? 10 : 0, i});
  SetStream({zigzag, {{0, 0}, {5, 5}}});
  FeatureList out;
  ExtractTurnPoints(stream_.data(), &out);
  EXPECT_EQ(out.strokes, 1);
  EXPECT_EQ(FeatureCount(out), 89);  // 88 and the stroke's last point

  PenStrokes many(35, PenStroke{{0, 0}, {1, 1}});
  SetStream(many);
  ExtractTurnPoints(stream_.data(), &out);
  EXPECT_EQ(out.strokes, kMaxStrokes);
}

TEST_F(FeaturePasses, ThinningAndMergingOnTheirCases) {
  enum Pass { kThin, kStraight, kQuadrant };
  const struct {
    const char* what;
    Pass pass;
    PenStrokes in;
    std::vector<PenStroke> out;
  } cases[] = {
      // A long stroke keeps the large threshold 52: the point 5 units on (25 < 52) goes.
      {"large threshold", kThin, {{{0, 0}, {5, 0}, {40, 0}}}, {{{0, 0}, {40, 0}}}},
      // A short first stroke (25 + 36 < 104) switches to 20 for the rest: 5 units (25 > 20) stay.
      {"switch to the small threshold", kThin, {{{0, 0}, {5, 0}, {11, 0}}, {{0, 10}, {5, 10}, {40, 10}}},
       {{{0, 0}, {5, 0}, {11, 0}}, {{0, 10}, {5, 10}, {40, 10}}}},
      {"all within the threshold: the ends stay", kThin, {{{0, 0}, {1, 0}, {2, 1}}}, {{{0, 0}, {2, 1}}}},
      // A tight hook of 6-unit steps: at (62,-4) the two turns are 135 degrees the same way
      // (sum > 200), so the skipped (66,0) comes back and both stay.
      {"a sharp hook", kThin, {{{0, 0}, {60, 0}, {66, 0}, {62, -4}, {62, 2}, {62, 40}}},
       {{{0, 0}, {60, 0}, {66, 0}, {62, -4}, {62, 40}}}},
      {"the same distances without the reversal", kThin, {{{0, 0}, {60, 0}, {66, 0}, {70, 4}, {70, 10}, {70, 48}}},
       {{{0, 0}, {60, 0}, {70, 4}, {70, 48}}}},
      // Direction 0 then 48 degrees merges; 49 does not.
      {"48 degrees", kStraight, {{{0, 0}, {100, 0}, {190, 100}}}, {{{0, 0}, {190, 100}}}},
      {"49 degrees", kStraight, {{{0, 0}, {100, 0}, {187, 100}}}, {{{0, 0}, {100, 0}, {187, 100}}}},
      // After the first merge v is (200,60) at 17 degrees, so a step at 60 degrees (a turn
      // of 43) merges as well although it turns 60 from the first.
      {"a merged run takes its new direction", kStraight, {{{0, 0}, {100, 0}, {200, 60}, {258, 160}}},
       {{{0, 0}, {258, 160}}}},
      // (20,2) follows (10,10): merged; (10,0) has a zero component: kept; (10,8) follows
      // v = (10,0): kept.
      {"same quadrant needs both components", kQuadrant, {{{0, 0}, {10, 10}, {30, 12}, {40, 12}, {50, 20}}},
       {{{0, 0}, {30, 12}, {40, 12}, {50, 20}}}},
  };
  for (const auto& c : cases) {
    SetStream(c.in);
    FeatureList out;
    if (c.pass == kThin) ThinFeaturePoints(stream_.data(), List(c.in), &out, 20, 52);
    if (c.pass == kStraight) MergeStraightRuns(stream_.data(), List(c.in), &out, 48);
    if (c.pass == kQuadrant) MergeSameQuadrant(stream_.data(), List(c.in), &out);
    EXPECT_EQ(Points(out), c.out) << c.what;
  }
}

TEST_F(FeaturePasses, HighPointIsTheFarthestAboveThreshold) {
  // Stream points of an arch between two feature points.
  const PenStrokes strokes = {{{0, 0}, {10, 10}, {20, 20}, {30, 20}, {40, 10}, {50, 0}}};
  SetStream(strokes);
  FeatureList in = List(strokes);
  in.point[1] = in.point[5];  // only the two ends are feature points
  in.end[0] = 2;
  FeatureList out;
  KSBGetHighPoint(stream_.data(), in, &out, 210);
  EXPECT_EQ(Points(out)[0], PenStroke({{0, 0}, {20, 20}, {50, 0}}));  // h = 400, first of the tie
  KSBGetHighPoint(stream_.data(), in, &out, 400);
  EXPECT_EQ(Points(out)[0], PenStroke({{0, 0}, {50, 0}}));  // not above the threshold
}

TEST(Kusabi, StraightStrokeVStrokeAndTaps) {
  auto p = Extract({PenLine(10, 50, 200, 60)});
  ASSERT_EQ((std::vector<int>{p.strokes, p.segments}), (std::vector<int>{1, 1}));
  EXPECT_LT(p.segment[0].x0, 0);
  EXPECT_GT(p.segment[0].x1, 0);
  // A V keeps its lowest point (y up: the bottom is the lowest value).
  p = Extract({PenPath({{0, 0}, {50, 120}, {100, 0}})});
  ASSERT_EQ(p.segments, 2);
  EXPECT_EQ(p.segment[0].x1, p.segment[1].x0);
  EXPECT_EQ(p.segment[0].y1, p.segment[1].y0);
  EXPECT_LT(p.segment[0].y1, p.segment[0].y0);
  EXPECT_LT(p.segment[0].y1, p.segment[1].y1);
  p = Extract({{{5, 5}}, {{40, 40}}, {{80, 10}}});  // all taps give nothing
  EXPECT_EQ((std::vector<int>{p.strokes, p.segments}), (std::vector<int>{0, 0}));
}
