// Placement arithmetic: the ten-key window beside its owner, clamping, drag decisions.
#include <gtest/gtest.h>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winplace.h"

namespace {

constexpr int kW = 1024;
constexpr int kH = 768;

constexpr int kAny = -9999;  // a coordinate the row does not check

// Above an owner in the lower half, below one in the upper half (the middle line counts
// as lower), right edges lined up, and clamped at every screen edge.
TEST(TenKeyPlace, BesideItsOwnerAndOnTheScreen) {
  const struct {
    int owner, x, y, screenH;
    int placeX, placeY;
  } cases[] = {
      {kOwnerMain, 0, 600, kH, 606, 335},
      {kOwnerSmallKeyboard, 0, 0, kH, 238, 163},
      {kOwnerMain, 300, 0, kH, kW - 164, kAny},                 // owner past the right edge
      {kOwnerSmallKeyboard, -300, 0, kH, 0, kAny},              // right edge left of 165
      {kOwnerSmallKeyboard, -237, 0, kH, 1, kAny},              // right edge at 165
      {kOwnerLargeKeyboard, 254, 0, kH, 860, kAny},             // exactly at the screen edge
      {kOwnerMain, 0, 200, 400, kAny, 0},                       // lower half, too near the top
      {kOwnerLargeKeyboard, 0, 100, 600, kAny, 600 - 265},      // upper half, no room below
      {kOwnerLargeKeyboard, 0, 311, 900, kAny, 311 - 265},      // (900 - 278) / 2: the middle
      {kOwnerLargeKeyboard, 0, 310, 900, kAny, 310 + 278},
  };
  for (const auto& c : cases) {
    int x = -1, y = -1;
    EXPECT_TRUE(TenKeyPlace(c.owner, c.x, c.y, kW, c.screenH, &x, &y));
    if (c.placeX != kAny) {
      EXPECT_EQ(x, c.placeX) << c.owner << " at " << c.x << "," << c.y;
    }
    if (c.placeY != kAny) {
      EXPECT_EQ(y, c.placeY) << c.owner << " at " << c.x << "," << c.y;
    }
  }
}

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
