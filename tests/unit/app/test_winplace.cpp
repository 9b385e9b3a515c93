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
