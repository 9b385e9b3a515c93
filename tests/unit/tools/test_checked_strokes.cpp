// The strokes the look-alike checks read, and which joined forms keep them in place.
#include <gtest/gtest.h>

#include "checked_strokes.h"

namespace {

constexpr uint16_t kChi = 0x8360;   // チ
constexpr uint16_t kU = 0x8345;     // ウ
constexpr uint16_t kBa = 0x82CE;    // ば
constexpr uint16_t kPi = 0x82D2;    // ぴ
constexpr uint16_t kKa = 0x82A9;    // か, in no group

TEST(CheckedStrokes, ReadFromTheTable) {
  // チ: its own direction check and that of 千's group read stroke 2.
  const CheckedStrokes chi = LookAlikeCheckedStrokes(kChi);
  EXPECT_EQ(chi.fromStart, (std::set<int>{2}));
  EXPECT_EQ(chi.fromEnd, 0);
  // ウ: its own turn check reads strokes 1 and 2, ワ's check 51 names its stroke 0.
  EXPECT_EQ(LookAlikeCheckedStrokes(kU).fromStart, (std::set<int>{0, 1, 2}));
  // A voiced kana: the checks of its groups read its last two strokes, the marks.
  const CheckedStrokes ba = LookAlikeCheckedStrokes(kBa);
  EXPECT_TRUE(ba.fromStart.empty());
  EXPECT_EQ(ba.fromEnd, 2);
  // A semi-voiced kana: only its last stroke, the circle.
  EXPECT_EQ(LookAlikeCheckedStrokes(kPi).fromEnd, 1);
  EXPECT_TRUE(LookAlikeCheckedStrokes(kKa).empty());
}

TEST(CheckedStrokes, JoinsThatKeepTheCheckedStrokes) {
  CheckedStrokes marks;  // ば: five strokes, the last two read
  marks.fromEnd = 2;
  CheckedStrokes circle;  // ぴ: the last stroke read
  circle.fromEnd = 1;
  CheckedStrokes first;  // stroke 0 read
  first.fromStart = {0};
  CheckedStrokes third;  // stroke 2 read: every join before it renumbers it
  third.fromStart = {2};
  const struct {
    const CheckedStrokes& checked;
    int strokes, joinAt;
    bool keeps;
  } cases[] = {
      {marks, 5, 0, true},  {marks, 5, 1, true},  {marks, 5, 2, true},  // the body run on into the first dot
      {marks, 5, 3, false},                                             // the two dots joined
      {circle, 2, 0, true},                                             // ぴ: the body run on into the circle
      {circle, 3, 1, true},
      {first, 3, 0, true},  // the checked stroke runs on into the next
      {first, 3, 1, true},  {third, 3, 0, false}, {third, 3, 1, false},
      {third, 5, 3, true},  // strokes 3 and 4 lie after it
  };
  for (const auto& c : cases)
    EXPECT_EQ(JoinKeepsCheckedStrokes(c.checked, c.strokes, c.joinAt), c.keeps) << c.strokes << " " << c.joinAt;
  EXPECT_TRUE(JoinKeepsCheckedStrokes(CheckedStrokes{}, 2, 0));
}

}  // namespace
