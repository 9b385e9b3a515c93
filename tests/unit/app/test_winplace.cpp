// Window placement: every window is clamped onto the screen.
#include <gtest/gtest.h>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winplace.h"

namespace {

constexpr int kW = 1024;
constexpr int kH = 768;

// Windows are clamped onto the screen; the whole main window stays on it (its close
// key is at the right end), and one wider than the screen keeps its title strip's left
// end on it.
TEST(WinPosition, ClampsOntoTheScreen) {
  ResetStartupState(kW, kH);
  const struct {
    int width, height, x, y, placeX, placeY;
  } cases[] = {
      {402, 163, -40, 9999, 0, kH - 163}, {770, 93, 9999, -1, kW - 770, 0}, {770, 93, 100, 100, 100, 100},
      {772, 92, 99999, 100, kW - 772, 100}, {kW + 10, 92, 50, 100, 0, 100},
  };
  for (const auto& c : cases) {
    int x = c.x, y = c.y;
    WinPosition(c.width, c.height, &x, &y);
    EXPECT_EQ(x, c.placeX) << c.width << " at " << c.x << "," << c.y;
    EXPECT_EQ(y, c.placeY) << c.width << " at " << c.x << "," << c.y;
  }
}

}  // namespace
