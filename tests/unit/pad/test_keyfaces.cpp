// Pressed and released faces of the main window's keys.
#include <gtest/gtest.h>

#include "pad/keyfaces.h"

namespace {

TEST(MainKeyFaces, SymbolAndDigitKeysUseTheirTemplates) {
  EXPECT_EQ(MainKeyFixedFace(7, true), "51;9:17:、");
  EXPECT_EQ(MainKeyFixedFace(10, false), "52;9:17:，");
  EXPECT_EQ(MainKeyFixedFace(11, true), "51");
  EXPECT_EQ(MainKeyFixedFace(11, false), "52");
  EXPECT_EQ(MainKeyFixedFace(12, false), "52;6:22:０");
  EXPECT_EQ(MainKeyFixedFace(21, true), "51;6:22:９");
}

TEST(MainKeyFaces, CommandKeys) {
  EXPECT_EQ(MainKeyFixedFace(1, true), "51;1:13:結 10:26:分");
  EXPECT_EQ(MainKeyFixedFace(6, false), "50;5:20:？");
  EXPECT_EQ(MainKeyFixedFace(31, true), "54;6:20:←");
  EXPECT_EQ(MainKeyFixedFace(34, false), "53;6:20:↓");
  EXPECT_EQ(MainKeyFixedFace(36, true), "58;12:23:BS");
  EXPECT_EQ(MainKeyFixedFace(38, false), "57;2:22:数/記");
  EXPECT_EQ(MainKeyFixedFace(40, true), "82");
  EXPECT_EQ(MainKeyFixedFace(40, false), "81");
}

TEST(MainKeyFaces, StateDependentKeysHaveNoFixedFace) {
  for (int k : {4, 5, 22, 30, 35, 39, 41, 0, 42})
    EXPECT_EQ(MainKeyFixedFace(k, true), "") << k;
}

TEST(MainKeyFaces, PressedVariantsOfSettingsFaces) {
  EXPECT_EQ(MainKeyPressedVariant(4, "50;1:13:半 10:26:角"), "51;1:13:半 10:26:角");
  EXPECT_EQ(MainKeyPressedVariant(5, "50;1:13:記 10:26:号"), "51;1:13:記 10:26:号");
  EXPECT_EQ(MainKeyPressedVariant(39, "48;7:15:マウス 14:30:入力"), "49;7:15:マウス 14:30:入力");
}

}  // namespace
