// The options dialog's working copy: the value cycles and faces of its keys, and what
// OK leaves in the settings.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/settings.h"
#include "dialogs/optchng.h"

namespace {

TEST(OptionCycles, PauseMarginAndPostProcessingStepAndShowTheirFaces) {
  // From 5.0 s back to 0.5 s; an odd stored value keeps its remainder and shows its
  // half-second floor.
  for (const auto& [from, to] : {std::pair{1500, 2000}, {5000, 500}, {4700, 5200}, {5200, 700}, {200, 700}})
    EXPECT_EQ(NextRecogTimer(from), to) << from;
  EXPECT_EQ(PauseFace(4700), "63;9:17:4.5秒後認識");
  EXPECT_EQ(PauseFace(200), "63;9:17:0.0秒後認識");
  int32_t t = 1500;  // ten presses from the default come back to it
  for (int i = 0; i < 10; ++i) t = NextRecogTimer(t);
  EXPECT_EQ(t, 1500);
  // An odd stored margin steps on by 30 and wraps into the first class.
  for (const auto& [from, to] : {std::pair{0, 30}, {30, 60}, {60, 0}, {45, 75}, {75, 15}})
    EXPECT_EQ(NextMargin(static_cast<int16_t>(from)), to) << from;
  EXPECT_STREQ(MarginFace(45), "63;14:17:可変枠：中");
  EXPECT_STREQ(MarginFace(75), "63;14:17:可変枠：大");
  EXPECT_STREQ(SeniFace(NextSeni(0)), "63;14:17:後処理：有");
  EXPECT_EQ(NextSeni(NextSeni(0)), 0u);
  EXPECT_EQ(OptPressedFace(MarginFace(30)), "64;14:17:可変枠：中");
}

TEST(OptionControls, EachControlChangesOnlyItsFieldAndRadiosStayInRange) {
  const OptChngRec start{3, 0, 30, 1500, 1};
  auto fields = [](const OptChngRec& w) {
    return std::make_tuple(w.pen_bold, w.pen_color, w.vframe_margin, w.recog_timer, w.seni_exec);
  };
  const std::pair<int, OptChngRec> changes[] = {
      {0, {3, 0, 30, 1500, 1}},  {5, {3, 5, 30, 1500, 1}},  {11, {1, 0, 30, 1500, 1}},
      {13, {3, 0, 30, 1500, 1}}, {15, {5, 0, 30, 1500, 1}}, {21, {3, 0, 30, 2000, 1}},
      {22, {3, 0, 60, 1500, 1}}, {24, {3, 0, 30, 1500, 0}}};
  for (const auto& [code, expected] : changes) {
    OptChngRec w = start;
    EXPECT_TRUE(OptApplyControl(code, &w)) << code;
    EXPECT_EQ(fields(w), fields(expected)) << code;
  }
  // Not value controls: the user-dictionary key, OK, Cancel, the gaps, press/release.
  for (int code : {-1, 6, 10, 12, 14, 16, 23, 30, 31, 121, 221}) {
    OptChngRec w = start;
    EXPECT_FALSE(OptApplyControl(code, &w)) << code;
    EXPECT_EQ(fields(w), fields(start)) << code;
  }
  // Radio buttons of odd stored values stay inside their groups.
  const int widths[][2] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {0, 0}, {9, 2}};
  for (const auto& w : widths) EXPECT_EQ(WidthButtonIndex(static_cast<int16_t>(w[0])), w[1]) << w[0];
  for (const auto& c : {std::pair{0, 0}, {5, 5}, {-1, 0}, {6, 5}})
    EXPECT_EQ(ColorButtonIndex(static_cast<int16_t>(c.first)), c.second) << c.first;
}

// OK writes the five fields into the settings and nothing else (Cancel restoring them
// is walked through by e2e_options).
TEST(OptionAnswers, OkSavesTheWorkingCopyIntoTheSettings) {
  const ApTableRec saved = ApTableDefaults(1024, 768);
  OptChngRec w = OptFromSettings(saved);
  for (int code : {4, 15, 21, 22, 22, 24}) OptApplyControl(code, &w);
  EXPECT_TRUE(OptPenChanged(w, saved));

  ApTableRec table = saved;
  OptToSettings(w, &table);
  std::string expected = ApTableText(saved);
  for (auto [from, to] : {std::pair<std::string, std::string>{"MERGIN=30", "MERGIN=0"},
                          {"[RECOG]\nTIMER=1500", "[RECOG]\nTIMER=2000"},
                          {"COLOR=0\n", "COLOR=4\n"},
                          {"BOLD=3", "BOLD=5"},
                          {"[SENI]\nEXEC=1", "[SENI]\nEXEC=0"}}) {
    const size_t at = expected.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    expected.replace(at, from.size(), to);
  }
  EXPECT_EQ(ApTableText(table), expected);

  w = OptFromSettings(saved);
  OptApplyControl(21, &w);  // the pause alone keeps the ink context
  EXPECT_FALSE(OptPenChanged(w, saved));
}

}  // namespace
