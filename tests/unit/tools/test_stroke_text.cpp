// The hand-made stroke format (good files parse into blocks and strokes; every kind
// of mistake stops with a message naming the file and line), and tracing strokes
// into pen data: offset, repeated pixels, taps and the pad's limits.
#include <gtest/gtest.h>

#include <cstdlib>

#include "pen_trace.h"
#include "stroke_text.h"
#include "tempdir.h"
#include "types.h"

namespace {

std::string ParseError(const std::string& text) {
  std::vector<StrokeTextChar> out;
  std::string error;
  EXPECT_FALSE(ParseStrokeText(text, "t.txt", &out, &error)) << text;
  EXPECT_TRUE(out.empty());
  return error;
}

TEST(StrokeText, ParsesBlocksStrokesAndNotes) {
  const std::string text =
      "# comment\n"
      "\n"
      "char 817B ＋ plus sign\n"
      "15,50 85,50\n"
      "  50,15   50,85.5  \r\n"
      "char 819B ○\n"
      "# a comment inside a block\n"
      "50,10 10,50 50,90 90,50 50,10\n"
      "char 817C −\n10,50 90,50\nchar 817C －\n10,50 90,50\n";  // U+2212 and U+FF0D are both 817C
  std::vector<StrokeTextChar> out;
  std::string error;
  ASSERT_TRUE(ParseStrokeText(text, "t.txt", &out, &error)) << error;
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0].code, 0x817B);
  EXPECT_EQ(out[0].note, "plus sign");
  EXPECT_EQ(out[0].line, 3);
  ASSERT_EQ(out[0].strokes.size(), 2u);
  EXPECT_DOUBLE_EQ(out[0].strokes[1][1].y, 85.5);
  EXPECT_EQ(out[1].code, 0x819B);
  EXPECT_EQ(out[1].note, "");
  ASSERT_EQ(out[1].strokes.size(), 1u);
  EXPECT_EQ(out[1].strokes[0].size(), 5u);
}

TEST(StrokeText, MistakesNameTheLine) {
  const std::string code = "t.txt:1: expected a 4-digit hexadecimal Shift-JIS code after \"char\"";
  std::string many = "char 817B ＋\n";
  for (int i = 0; i < 31; ++i) many += "1,1 2,2\n";
  const std::pair<std::string, std::string> cases[] = {
      {"char 817 ＋\n1,1 2,2\n", code},
      {"char 81ZB ＋\n1,1 2,2\n", code},
      {"char 817B\n1,1 2,2\n", "t.txt:1: the character itself must follow the code"},
      {"char 817B ×\n1,1 2,2\n", "t.txt:1: \"×\" is not the character of code 817B"},
      {"char 817B ＋＋\n1,1 2,2\n", "t.txt:1: \"＋＋\" is not the character of code 817B"},
      {"char 8740 ①\n1,1 2,2\n", "t.txt:1: code 8740 is not a JIS X 0208 character"},  // NEC row 13
      {"10,10 20,20\n", "t.txt:1: stroke before the first \"char\" line"},
      {"char 817B ＋\n10,10\n", "t.txt:2: a stroke needs at least 2 points"},
      {"char 817B ＋\n10,10 101,5\n", "t.txt:2: point 101,5 lies outside the 0-100 box"},
      {"char 817B ＋\n10,10 -1,5\n", "t.txt:2: point -1,5 lies outside the 0-100 box"},
      {"char 817B ＋\n10;10 20,20\n", "t.txt:2: \"10;10\" is not a point x,y"},
      {"char 817B ＋\n10,10 20,x\n", "t.txt:2: \"20,x\" is not a point x,y"},
      {"char 817B ＋\n10,10 20,nan\n", "t.txt:2: \"20,nan\" is not a point x,y"},
      {"char 817B ＋\nchar 819B ○\n1,1 2,2\n", "t.txt:1: character has no stroke"},
      {"char 817B ＋\n1,1 2,2\nchar 819B ○\n", "t.txt:3: character has no stroke"},
      {many, "t.txt:32: more than 30 strokes"},
  };
  for (const auto& [text, error] : cases) EXPECT_EQ(ParseError(text), error);
}

TEST(StrokeText, ReadsFilesAndReportsMissingOnes) {
  TempDir dir;
  const std::string path = dir.File("a.txt");
  const std::string text = "char 8181 ＝\n15,36 85,36\n15,64 85,64\n";
  WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  std::vector<StrokeTextChar> out;
  std::string error;
  ASSERT_TRUE(ReadStrokeTextFile(path, &out, &error)) << error;
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].strokes.size(), 2u);
  EXPECT_FALSE(ReadStrokeTextFile(dir.File("none.txt"), &out, &error));
  EXPECT_EQ(error, dir.File("none.txt") + ": cannot open");
  ASSERT_TRUE(PlantAt(dir.File("fifo.txt"), "fifo"));  // refused, not waited on
  EXPECT_FALSE(ReadStrokeTextFile(dir.File("fifo.txt"), &out, &error));
}

TEST(PenTrace, OffsetRepeatedPixelsAndTaps) {
  const TraceOptions o{10, 10, 100, 50, 0.25};  // spacing finer than a pixel: repeats are dropped
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
