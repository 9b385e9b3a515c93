// Face-text parsing: index, items, the small-font switch and templates.
#include <gtest/gtest.h>

#include "ui/facetext.h"

namespace {

TEST(FaceText, IndexAloneHasNoItems) {
  const FaceText f = ParseFaceText("53");
  ASSERT_TRUE(f.valid);
  EXPECT_EQ(f.index, 53);
  EXPECT_TRUE(f.items.empty());
}

TEST(FaceText, SmallFontItem) {
  const FaceText f = ParseFaceText("84;*4:15:F1");
  ASSERT_EQ(f.items.size(), 1u);
  EXPECT_EQ(f.index, 84);
  EXPECT_TRUE(f.items[0].small);
  EXPECT_EQ(f.items[0].x, 4);
  EXPECT_EQ(f.items[0].y, 15);
  EXPECT_EQ(f.items[0].text, "F1");
}

TEST(FaceText, TwoNormalItems) {
  const FaceText f = ParseFaceText("2;8:28:1 21:19:!");
  ASSERT_EQ(f.items.size(), 2u);
  EXPECT_FALSE(f.items[0].small);
  EXPECT_FALSE(f.items[1].small);
  EXPECT_EQ(f.items[0].text, "1");
  EXPECT_EQ(f.items[1].x, 21);
  EXPECT_EQ(f.items[1].y, 19);
  EXPECT_EQ(f.items[1].text, "!");
}

TEST(FaceText, ColonAndStarInsideTexts) {
  const FaceText f = ParseFaceText("3;8:29:: 21:19:*");
  ASSERT_EQ(f.items.size(), 2u);
  EXPECT_EQ(f.items[0].text, ":");
  EXPECT_EQ(f.items[1].text, "*");
  EXPECT_FALSE(f.items[1].small);  // "*" as text, not as the font switch
  EXPECT_EQ(ParseFaceText("0;1:2:a:b*c").items[0].text, "a:b*c");
}

TEST(FaceText, SmallFontStaysForLaterItems) {
  const FaceText f = ParseFaceText("83;*2:12:Pri 4:20:nt");
  ASSERT_EQ(f.items.size(), 2u);
  EXPECT_TRUE(f.items[0].small);
  EXPECT_TRUE(f.items[1].small);
  const FaceText g = ParseFaceText("4;4:17:Pri *17:30:nt 1:2:x");
  EXPECT_FALSE(g.items[0].small);
  EXPECT_TRUE(g.items[1].small);
  EXPECT_TRUE(g.items[2].small);
}

TEST(FaceText, MultiByteTextsAreKeptWhole) {
  const FaceText f = ParseFaceText("48;7:15:マウス 14:30:入力");
  ASSERT_EQ(f.items.size(), 2u);
  EXPECT_EQ(f.items[0].text, "マウス");
  EXPECT_EQ(f.items[1].text, "入力");
}

TEST(FaceText, TemplatesAndLeadingBlanks) {
  const FaceText t = ParseFaceText("51%s");
  ASSERT_TRUE(t.valid);
  EXPECT_EQ(t.index, 51);
  EXPECT_TRUE(t.items.empty());
  EXPECT_EQ(ParseFaceText("  7;1:2:x").index, 7);
}

TEST(FaceText, InvalidIndexes) {
  EXPECT_FALSE(ParseFaceText("99").valid);
  EXPECT_FALSE(ParseFaceText("-1").valid);
  EXPECT_FALSE(ParseFaceText(";1:2:x").valid);
  EXPECT_FALSE(ParseFaceText("").valid);
  EXPECT_FALSE(ParseFaceText(nullptr).valid);
  EXPECT_TRUE(ParseFaceText("98").valid);
}

TEST(FaceText, MalformedAndEmptyItemsAreLeftOut) {
  const FaceText f = ParseFaceText("2;8:28:2 21:23: x:1:y 5:6 7:8:ok");
  ASSERT_EQ(f.items.size(), 2u);  // "21:23:" has no text; "x:1:y" and "5:6" are malformed
  EXPECT_EQ(f.items[0].text, "2");
  EXPECT_EQ(f.items[1].text, "ok");
  EXPECT_EQ(f.skipped, 2);
  EXPECT_EQ(ParseFaceText("1;-3:+4:t").items[0].x, -3);
}

TEST(ReplaceFaceStyle, PutsTheNewStyleInFront) {
  EXPECT_EQ(ReplaceFaceStyle("50;1:13:全 10:26:角", "51"), "51;1:13:全 10:26:角");
  EXPECT_EQ(ReplaceFaceStyle("48;7:23:固定枠", "49"), "49;7:23:固定枠");
  EXPECT_EQ(ReplaceFaceStyle("5", "51"), "51");
}

}  // namespace
