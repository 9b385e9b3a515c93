// Pressed and released faces of the main window's keys.
#include <gtest/gtest.h>

#include "pad/keyfaces.h"

namespace {

TEST(MainKeyFaces, FixedFacesTemplatesAndPressedVariants) {
  // A template key, a symbol, a command key with two items, a key with its own picture.
  EXPECT_EQ(MainKeyFixedFace(11, true), "51");
  EXPECT_EQ(MainKeyFixedFace(10, false), "52;9:17:，");
  EXPECT_EQ(MainKeyFixedFace(1, true), "51;1:13:結 10:26:分");
  EXPECT_EQ(MainKeyFixedFace(40, false), "81");
  // Keys whose face follows the settings have none.
  for (int k : {4, 5, 22, 30, 35, 39, 41, 0, 42}) EXPECT_EQ(MainKeyFixedFace(k, true), "") << k;
  EXPECT_EQ(MainKeyPressedVariant(4, "50;1:13:半 10:26:角"), "51;1:13:半 10:26:角");
  EXPECT_EQ(MainKeyPressedVariant(39, "48;7:15:マウス 14:30:入力"), "49;7:15:マウス 14:30:入力");
}

}  // namespace
