// Tracing strokes into pen data: offset, repeated pixels, taps and the pad's limits.
#include <gtest/gtest.h>

#include <cstdlib>

#include "pen_trace.h"
#include "types.h"

namespace {

TEST(PenTrace, OffsetRepeatedPixelsAndTaps) {
  TraceOptions o;
  o.box = 10;
  o.size = 10;
  o.left = 100;
  o.top = 50;
  o.spacing = 0.25;  // finer than a pixel: repeats are dropped
  const auto strokes = TraceStrokes({{{0, 0}, {2, 0}}, {{5, 5}}, {{2, 2}, {2.01, 2.01}}}, o);
  ASSERT_EQ(strokes.size(), 3u);
  ASSERT_EQ(strokes[0].size(), 3u);
  EXPECT_EQ(strokes[0][0].x, 100);
  EXPECT_EQ(strokes[0][0].y, 50);
  EXPECT_EQ(strokes[0][2].x, 102);
  for (size_t s = 1; s < 3; ++s) {  // a tap is two equal points
    ASSERT_EQ(strokes[s].size(), 2u);
    EXPECT_EQ(strokes[s][0].x, strokes[s][1].x);
  }
}

TEST(PenTrace, EncodingFollowsTheStrokeFormatWithinThePadsLimits) {
  int count = 0;
  EXPECT_EQ(EncodePenData({{{1, 2}, {3, 4}}, {{-5, 6}}}, &count),
            (std::vector<uint16_t>{kStrokeMark, 2, 1, 2, 3, 4, kStrokeMark, 1, static_cast<uint16_t>(-5), 6, kPenEnd}));
  EXPECT_EQ(count, 2);

  std::vector<PixelStroke> strokes(31, PixelStroke{{0, 0}, {1, 1}});
  strokes[0].assign(2000, PixelPoint{70000, -70000});
  const auto pen = EncodePenData(strokes, &count);
  EXPECT_EQ(count, 30);
  EXPECT_EQ(pen[1], 1024);
  EXPECT_EQ(static_cast<int16_t>(pen[2]), 32767);
  EXPECT_EQ(static_cast<int16_t>(pen[3]), -32768);
  EXPECT_EQ(pen.size(), 2 + 2 * 1024 + 29 * 6 + 1u);
  EXPECT_EQ(pen.back(), kPenEnd);
  EXPECT_EQ(EncodePenData({}, &count), std::vector<uint16_t>{kPenEnd});
  EXPECT_EQ(count, 0);
}

}  // namespace
