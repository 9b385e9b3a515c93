// Mode keys in engine terms: character types, width and pen modes, frame sizes.
#include <gtest/gtest.h>

#include "pad/modes.h"

namespace {

TEST(Modes, SevenTypePressesReturnToAutomatic) {
  int mode = 0;
  ZkOptionRec option{};
  for (int i = 0; i < 7; ++i) {
    mode = NextCharType(mode);
    SetEngineOptions(mode, 2, &option);
    if (i < 6) {
      EXPECT_NE(option.mask, 0x0FFF407Fu) << i;
    }
  }
  EXPECT_EQ(mode, 0);
  EXPECT_EQ(option.mask, 0x0FFF407Fu);
}

TEST(Modes, HalfWidthSetsTheFlag) {
  ZkOptionRec option{};
  SetEngineOptions(1, NextWidthMode(2), &option);
  EXPECT_EQ(option.flags, 0x400u);
  EXPECT_EQ(option.mask, 0x40000u);
  SetEngineOptions(1, NextWidthMode(1), &option);
  EXPECT_EQ(option.flags, 0u);
}

TEST(Modes, PenModeCycles) {
  EXPECT_EQ(NextPenMode(0), 1);
  EXPECT_EQ(NextPenMode(1), 2);
  EXPECT_EQ(NextPenMode(2), 0);
}

TEST(Modes, FrameWindowSizes) {
  const int expected[3][3] = {{415, 128, 82}, {530, 156, 110}, {645, 184, 138}};
  for (int size = 1; size <= 3; ++size) {
    const FrameSize fs = FixedFrameSize(size);
    EXPECT_EQ(fs.width, expected[size - 1][0]);
    EXPECT_EQ(fs.height, expected[size - 1][1]);
    EXPECT_EQ(fs.rowHeight, expected[size - 1][2]);
  }
}

}  // namespace
