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

TEST(TenKeyPlace, UnknownOwnerChangesNothing) {
  ResetStartupState(kW, kH);
  Ap_table.tenk_x = 11;
  Ap_table.tenk_y = 22;
  Tenk_Move(7, 0, 0);
  EXPECT_EQ(Ap_table.tenk_x, 11);
  EXPECT_EQ(Ap_table.tenk_y, 22);
  Tenk_Move(kOwnerMain, 0, 600);
  EXPECT_EQ(Ap_table.tenk_y, 335);
}

TEST(WinPosition, ClampsOntoTheScreen) {
  ResetStartupState(kW, kH);
  int x = -40, y = 9999;
  WinPosition(402, 163, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, kH - 163);
  x = 9999;
  y = -1;
  WinPosition(770, 93, &x, &y);
  EXPECT_EQ(x, kW - 770);
  EXPECT_EQ(y, 0);
  x = 100;
  y = 100;
  WinPosition(770, 93, &x, &y);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 100);
  // The whole main window stays on the screen (its close key is at the right end)...
  x = 99999;
  WinPosition(772, 92, &x, &y);
  EXPECT_EQ(x + 772, kW);
  // ...and a window wider than the screen keeps its title strip's left end on it.
  x = 50;
  WinPosition(kW + 10, 92, &x, &y);
  EXPECT_EQ(x, 0);
}

TEST(DragStartsAt, OnlyTheFreePartOfTheTitleStrip) {
  EXPECT_FALSE(DragStartsAt(10, 5, 772, true));   // the shrink key
  EXPECT_TRUE(DragStartsAt(30, 5, 772, true));
  EXPECT_TRUE(DragStartsAt(23, 0, 772, true));
  EXPECT_TRUE(DragStartsAt(751, 20, 772, true));
  EXPECT_FALSE(DragStartsAt(752, 5, 772, true));  // the close key
  EXPECT_FALSE(DragStartsAt(30, 21, 772, true));  // below the strip
  EXPECT_FALSE(DragStartsAt(30, -1, 772, true));
  EXPECT_TRUE(DragStartsAt(0, 5, 164, false));    // no shrink key on other windows
  EXPECT_FALSE(DragStartsAt(30, 5, 43, true));    // a shrunk strip does not drag
}

TEST(Drag, FollowsThePointerByItsMovement) {
  MovDataRec mov{};
  DragBegin(&mov, 100, 600, 772, 92, 150, 610);
  EXPECT_EQ(mov.dragging, 1);
  DragFollow(&mov, 160, 590);
  DragFollow(&mov, 100, 500);
  EXPECT_EQ(mov.x, 50);
  EXPECT_EQ(mov.y, 490);
  EXPECT_EQ(mov.width, 772);
}

TEST(OutsideRaiseArea, EdgesAreInside) {
  EXPECT_FALSE(OutsideRaiseArea(0, 0, 252, 675));
  EXPECT_FALSE(OutsideRaiseArea(252, 675, 252, 675));
  EXPECT_TRUE(OutsideRaiseArea(253, 675, 252, 675));
  EXPECT_TRUE(OutsideRaiseArea(0, 676, 252, 675));
  EXPECT_TRUE(OutsideRaiseArea(-1, 0, 252, 675));
}

}  // namespace
