// Mode keys in engine terms, and the fixed-frame window's place at every size.
#include <gtest/gtest.h>

#include <string>

#include "app/winplace.h"
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

}  // namespace

// The fixed-frame window at its default place, at every size, on a large and a small
// screen: wholly on the screen where it fits, and never under the main window.
TEST(Modes, FrameWindowStaysOnTheScreenAndClearOfTheMainWindow) {
  struct Screen {
    int w, h;
  };
  for (const Screen s : {Screen{1280, 800}, Screen{640, 480}}) {
    for (int size = 1; size <= 3; ++size) {
      for (const int mainY : {s.h - 93, 0, s.h / 2 - 46}) {
        const WinRect main{0, mainY, 772, 92};
        const FrameSize fs = FixedFrameSize(FittingFrameSize(size, s.w));
        int x = 165, y = s.h - 220;
        PlaceClearOf(fs.width, fs.height, s.w, s.h, main, &x, &y);
        const std::string where = std::to_string(s.w) + "x" + std::to_string(s.h) + " size " +
                                  std::to_string(size) + " main y " + std::to_string(mainY);
        EXPECT_LE(fs.width, s.w) << where;
        EXPECT_GE(x, 0) << where;
        EXPECT_GE(y, 0) << where;
        EXPECT_LE(x + fs.width, s.w) << where;
        EXPECT_LE(y + fs.height, s.h) << where;
        EXPECT_TRUE(y + fs.height <= main.y || y >= main.y + main.height) << where;
      }
    }
  }
  // Where the screen is wide enough the size asked for is kept.
  EXPECT_EQ(FittingFrameSize(3, 1280), 3);
  EXPECT_EQ(FittingFrameSize(3, 640), 2);
}
