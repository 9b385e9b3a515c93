// The variable frame that parts characters in pen input, its grouping of strokes,
// the growth of the saved screen area, the fixed-frame window's size on a narrow
// screen, and the mode keys in engine terms.
#include <gtest/gtest.h>

#include <vector>

#include "app/winplace.h"
#include "pad/modes.h"
#include "pad/rect.h"
#include "pad/screensave.h"
#include "pad/vframe.h"

namespace {

::testing::AssertionResult Is(const Rect16& r, int x, int y, int w, int h) {
  if (r.x == x && r.y == y && r.width == w && r.height == h) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << r.x << "," << r.y << "," << r.width << ","
                                       << r.height << ")";
}

constexpr int kW = 1024, kH = 768;

// The first stroke becomes the character and its frame the square around it widened by
// the margin; a later stroke inside or touching the frame joins the character, one
// beyond it starts the next character and the frame follows it.
TEST(VFrame, StrokesJoinInsideTheFrameAndStartACharacterBeyondIt) {
  const Rect16 none{0, 0, 0, 0};
  const struct {
    const char* what;
    int margin;
    Rect16 first, second;  // second none: only the first stroke
    int decision;
    Rect16 charBox, frame;  // frame none: not checked
  } cases[] = {
      // half sides 50 and 20: r = 50 + 30 around the centre (250, 220)
      {"first stroke", 30, {200, 200, 100, 40}, none, 0, {200, 200, 100, 40}, {170, 140, 160, 160}},
      {"ten pixels right of the frame", 30, {200, 200, 100, 100}, {340, 210, 50, 50}, 1, {200, 200, 100, 100},
       {310, 180, 110, 110}},
      {"inside: the frame squares the whole character", 30, {200, 200, 100, 100}, {220, 250, 60, 60}, 0,
       {200, 200, 100, 110}, {165, 170, 170, 170}},
      {"touching the right edge", 30, {200, 200, 100, 100}, {330, 200, 10, 10}, 0, {200, 200, 140, 100}, none},
      {"no margin", 0, {300, 300, 100, 100}, none, 0, {300, 300, 100, 100}, {300, 300, 100, 100}},
      {"margin 60", 60, {300, 300, 100, 100}, none, 0, {300, 300, 100, 100}, {240, 240, 220, 220}},
      {"30 pixels off with margin 60", 60, {300, 300, 100, 100}, {430, 300, 20, 20}, 0, {300, 300, 150, 100}, none},
      {"30 pixels off with margin 0", 0, {300, 300, 100, 100}, {430, 300, 20, 20}, 1, {300, 300, 100, 100}, none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rect16 charBox = none, frame = none;
    int decision = VFrameDecide(&charBox, c.first, &frame, c.margin, kW, kH);
    if (c.second.width) decision = VFrameDecide(&charBox, c.second, &frame, c.margin, kW, kH);
    EXPECT_EQ(decision, c.decision);
    EXPECT_TRUE(Is(charBox, c.charBox.x, c.charBox.y, c.charBox.width, c.charBox.height));
    if (c.frame.width) {
      EXPECT_TRUE(Is(frame, c.frame.x, c.frame.y, c.frame.width, c.frame.height));
    }
  }
}

// Grouping strokes as the pen-ups do, where the twelve characters and the 30 strokes
// of one would otherwise lose strokes.
TEST(VFrame, GroupingMakesRoomRatherThanForgetStrokes) {
  const auto box = [](int x, int w) { return Rect16{static_cast<int16_t>(x), 0, static_cast<uint16_t>(w), 100}; };
  struct Case {
    const char* what;
    std::vector<Rect16> strokes;
    std::vector<int> groups;
  };
  std::vector<Case> cases;
  // 31 strokes on one spot: the 31st starts a character.
  Case crowded{"31 strokes in one place", std::vector<Rect16>(31, box(0, 100)), std::vector<int>(30, 0)};
  crowded.groups.push_back(1);
  cases.push_back(crowded);
  // Twelve characters 300 pixels apart, the 4th and 5th two narrow pieces of one
  // (the frame parts them, as it does 氵 and 毎); a 13th character joins them.
  Case pieces{"pieces joined for a 13th", {}, {}};
  for (int c = 0; c < 12; ++c)
    pieces.strokes.push_back(c == 3 ? box(900, 20) : c == 4 ? box(995, 5) : box(c * 300, 100));
  pieces.strokes.push_back(box(3600, 100));
  pieces.groups = {0, 1, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  const std::vector<int> apart = VFrameGroup(
      std::vector<Rect16>(pieces.strokes.begin(), pieces.strokes.begin() + 12), 30, 4000, 1000, 12);
  ASSERT_EQ(apart[4], 4);  // without a 13th the frame keeps the pieces apart
  cases.push_back(pieces);
  // A 13th stroke just beside the 12th character (い's second stroke written apart):
  // it stays with the 12th.
  Case beside{"a 13th stroke beside the 12th", {}, {}};
  for (int c = 0; c < 12; ++c) beside.strokes.push_back(box(c * 300, 100));
  beside.strokes.push_back(box(11 * 300 + 135, 25));
  beside.groups = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11};
  cases.push_back(beside);
  // Thirteen whole characters: the 13th is forgotten.
  Case whole{"a 13th whole character", {}, {}};
  for (int c = 0; c < 13; ++c) whole.strokes.push_back(box(c * 300, 100));
  whole.groups = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1};
  cases.push_back(whole);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(VFrameGroup(c.strokes, 30, 4000, 1000, 12), c.groups);
  }
  EXPECT_EQ(VFrameGroup(cases[0].strokes, 30, 4000, 1000, 12, false), std::vector<int>(31, 0));
}

TEST(ScreenSave, StartsAroundThePointAndGrowsByStrips) {
  Rect16 area{0, 0, 0, 0};
  Rect16 strips[4];
  ASSERT_EQ(ClearAreaGrow(&area, 100, 100, kW, kH, strips), 1);
  EXPECT_TRUE(Is(area, 95, 95, 10, 10));
  EXPECT_TRUE(Is(strips[0], 95, 95, 10, 10));
  EXPECT_EQ(ClearAreaGrow(&area, 101, 100, kW, kH, strips), 0);  // already covered
  ASSERT_EQ(ClearAreaGrow(&area, 120, 90, kW, kH, strips), 2);
  EXPECT_TRUE(Is(strips[0], 95, 87, 10, 8));    // top
  EXPECT_TRUE(Is(strips[1], 105, 87, 19, 18));  // right, up to 123
  EXPECT_TRUE(Is(area, 95, 87, 29, 18));
  ASSERT_EQ(ClearAreaGrow(&area, 80, 120, kW, kH, strips), 2);
  EXPECT_TRUE(Is(strips[0], 77, 87, 18, 18));   // left
  EXPECT_TRUE(Is(strips[1], 77, 105, 47, 19));  // bottom, down to 123
  EXPECT_TRUE(Is(area, 77, 87, 47, 37));
  // Points are clamped into the screen.
  area = Rect16{0, 0, 0, 0};
  ClearAreaGrow(&area, -50, 2000, kW, kH, strips);
  EXPECT_TRUE(Is(area, 1, 760, 10, 10));
  ClearAreaGrow(&area, 5000, 2000, kW, kH, strips);
  EXPECT_EQ(area.x + area.width, 1025);
}

TEST(Modes, SevenTypePressesReturnToAutomatic) {
  int mode = 0;
  ZkOptionRec option{};
  for (int i = 0; i < 7; ++i) {
    mode = NextCharType(mode);
    SetEngineOptions(mode, 2, &option);
    EXPECT_EQ(option.mask == 0x0FFF407Fu, i == 6) << i;  // automatic: every class
  }
  EXPECT_EQ(mode, 0);
}

// The frame window's place is walked through by e2e_framesize; a small screen is not.
TEST(Modes, FrameSizeShrinksToFitANarrowScreen) {
  EXPECT_EQ(FittingFrameSize(3, 1280), 3);
  EXPECT_EQ(FittingFrameSize(3, 640), 2);
}

}  // namespace
