// Placement arithmetic: the ten-key window beside its owner, clamping, drag decisions.
#include <gtest/gtest.h>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winplace.h"

namespace {

constexpr int kW = 1024;
constexpr int kH = 768;

struct Place {
  int x, y;
};

Place TenKey(int owner, int x, int y, int w = kW, int h = kH) {
  Place p{-1, -1};
  EXPECT_TRUE(TenKeyPlace(owner, x, y, w, h, &p.x, &p.y));
  return p;
}

TEST(TenKeyPlace, MainWindowInTheLowerHalfGetsItAbove) {
  const Place p = TenKey(kOwnerMain, 0, 600);
  EXPECT_EQ(p.x, 606);  // right edges line up
  EXPECT_EQ(p.y, 335);
}

TEST(TenKeyPlace, SmallKeyboardAtTheCornerGetsItBelow) {
  const Place p = TenKey(kOwnerSmallKeyboard, 0, 0);
  EXPECT_EQ(p.x, 238);
  EXPECT_EQ(p.y, 163);
}

TEST(TenKeyPlace, HorizontalEdges) {
  EXPECT_EQ(TenKey(kOwnerMain, 300, 0).x, kW - 164);         // owner past the right edge
  EXPECT_EQ(TenKey(kOwnerSmallKeyboard, -300, 0).x, 0);     // right edge left of 165
  EXPECT_EQ(TenKey(kOwnerSmallKeyboard, -237, 0).x, 1);     // right edge at 165
  EXPECT_EQ(TenKey(kOwnerLargeKeyboard, 254, 0).x, 860);    // exactly at the screen edge
}

TEST(TenKeyPlace, VerticalEdges) {
  // Lower half but too close to the top: pinned at 0.
  EXPECT_EQ(TenKey(kOwnerMain, 0, 200, kW, 400).y, 0);
  // Upper half, no room below: pinned to the bottom.
  EXPECT_EQ(TenKey(kOwnerLargeKeyboard, 0, 100, kW, 600).y, 600 - 265);
  // The middle line, (900 - 278) / 2 = 311, counts as the lower half.
  EXPECT_EQ(TenKey(kOwnerLargeKeyboard, 0, 311, kW, 900).y, 311 - 265);
  EXPECT_EQ(TenKey(kOwnerLargeKeyboard, 0, 310, kW, 900).y, 310 + 278);
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
