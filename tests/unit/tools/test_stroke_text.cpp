// The hand-made stroke format: good files parse into blocks and strokes; every kind
// of mistake stops with a message naming the file and line.
#include <gtest/gtest.h>

#include "stroke_text.h"
#include "tempdir.h"

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
      "50,10 10,50 50,90 90,50 50,10\n";
  std::vector<StrokeTextChar> out;
  std::string error;
  ASSERT_TRUE(ParseStrokeText(text, "t.txt", &out, &error)) << error;
  ASSERT_EQ(out.size(), 2u);
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

TEST(StrokeText, AcceptsEitherFormOfAFullWidthSign) {
  // U+2212 and U+FF0D are both 0x817C.
  std::vector<StrokeTextChar> out;
  std::string error;
  EXPECT_TRUE(ParseStrokeText("char 817C −\n10,50 90,50\nchar 817C －\n10,50 90,50\n", "t", &out, &error)) << error;
  EXPECT_EQ(out.size(), 2u);
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

}  // namespace
