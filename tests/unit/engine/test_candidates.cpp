// The candidate list operations and the character rules: insertion, promotion,
// look-alike grouping, marks, voiced marks, symbols read as letters, small forms.
#include <gtest/gtest.h>

#include <vector>

#include "candlist.h"
#include "candrules.h"
#include "codes.h"

namespace {

constexpr uint16_t A = 0x82A0, I = 0x82A2, U = 0x82A4;          // あ い う
constexpr uint16_t SmallA = 0x829F, SmallI = 0x82A1;            // ぁ ぃ
constexpr uint16_t Touten = 0x8141, Kuten = 0x8142, Comma = 0x8143, Period = 0x8144;
constexpr uint16_t Dakuten = 0x814A, Handakuten = 0x814B;
constexpr uint16_t Circle = 0x819B, Zero = 0x824F, LetterO = 0x826E;
constexpr uint16_t Kanji1 = 0x88EA, Kanji2 = 0x93F1;            // 一 二
constexpr uint16_t Gesture = 0x8051;

struct List {
  KohoSlot slot[kKohoSlots];
  List(std::vector<uint16_t> codes, std::vector<int16_t> distances = {}) {
    for (int i = 0; i < kKohoSlots; ++i) {
      slot[i] = KohoSlot{};
      slot[i].distance = kAbsentDistance;
      slot[i].code = kEmptyCode;
    }
    for (size_t i = 0; i < codes.size(); ++i) {
      slot[i].code = codes[i];
      slot[i].distance = i < distances.size() ? distances[i] : static_cast<int16_t>(100 * (i + 1));
      slot[i].typeMask = ZkCheckJisyu(codes[i]);
    }
  }
  std::vector<uint16_t> Codes() const {
    std::vector<uint16_t> c;
    for (int i = 0; i < kRankedSlots && slot[i].code != kEmptyCode; ++i) c.push_back(slot[i].code);
    return c;
  }
};

RuleContext Ctx(int strokes, int16_t sizeClass = 0, uint32_t flags = 0, int16_t upper = 0, uint32_t mask = kClassAll) {
  return RuleContext{mask, flags, upper, sizeClass, sizeClass, strokes};
}

using Codes = std::vector<uint16_t>;

}  // namespace

TEST(CandidateList, RankStopsAtTheEndCode) {
  List l({A, I, kEmptyCode, U});
  EXPECT_EQ(ZkIsCodeKohoNo(I, l.slot), 1);
  EXPECT_EQ(ZkIsCodeKohoNo(U, l.slot), kNotRanked);
}

TEST(CandidateList, InsertBeforeAndAfterInheritDistances) {
  List before({A, I, U});
  EXPECT_TRUE(InsertCandidate(before.slot, 1, Kanji1, Place::kBefore, kClassAll));
  EXPECT_EQ(before.Codes(), Codes({A, Kanji1, I, U}));
  EXPECT_EQ(before.slot[1].distance, 200);
  EXPECT_EQ(before.slot[1].typeMask, kClassKanji);

  List after({A, I, U});
  EXPECT_TRUE(InsertCandidate(after.slot, 1, Kanji1, Place::kAfter, kClassAll));
  EXPECT_EQ(after.Codes(), Codes({A, I, Kanji1, U}));
  EXPECT_EQ(after.slot[2].distance, 200);

  List atEnd({A});
  EXPECT_TRUE(InsertCandidate(atEnd.slot, 1, I, Place::kBefore, kClassAll));
  EXPECT_EQ(atEnd.Codes(), Codes({A, I}));
  EXPECT_EQ(atEnd.slot[1].distance, 32766);
  EXPECT_EQ(atEnd.slot[1].pattern, nullptr);
}

TEST(CandidateList, InsertMovesALaterCopyAndRespectsBetterRanksAndMask) {
  List later({A, I, Kanji1, U});
  EXPECT_TRUE(InsertCandidate(later.slot, 1, Kanji1, Place::kBefore, kClassAll));
  EXPECT_EQ(later.Codes(), Codes({A, Kanji1, I, U}));

  List better({A, Kanji1, I, U});
  EXPECT_FALSE(InsertCandidate(better.slot, 2, Kanji1, Place::kBefore, kClassAll));
  EXPECT_EQ(better.Codes(), Codes({A, Kanji1, I, U}));

  List masked({A, I});
  EXPECT_FALSE(InsertCandidate(masked.slot, 0, Kanji1, Place::kBefore, kClassHiragana));
  EXPECT_EQ(masked.Codes(), Codes({A, I}));
}

TEST(CandidateList, FullListDropsTheLastAndNeverTouchesTheEndSlot) {
  Codes ten;
  for (int i = 0; i < 10; ++i) ten.push_back(static_cast<uint16_t>(0x88A0 + i));
  List full(ten);
  EXPECT_TRUE(InsertCandidate(full.slot, 0, A, Place::kBefore, kClassAll));
  Codes expected = {A};
  expected.insert(expected.end(), ten.begin(), ten.begin() + 9);
  EXPECT_EQ(full.Codes(), expected);
  EXPECT_FALSE(InsertCandidate(full.slot, 9, I, Place::kAfter, kClassAll));
  EXPECT_FALSE(InsertCandidate(full.slot, 10, I, Place::kBefore, kClassAll));
  EXPECT_EQ(full.Codes(), expected);
  EXPECT_EQ(full.slot[kEndSlot].code, kEmptyCode);
}

TEST(CandidateList, DeleteGesturesClosesUp) {
  List l({Gesture, A, 0x8052, I});
  ZkDelGesture(l.slot);
  EXPECT_EQ(l.Codes(), Codes({A, I}));
  EXPECT_EQ(l.slot[2].distance, kAbsentDistance);
}

TEST(CandidateList, PreferredClassesMoveFrontStably) {
  List l({Kanji1, A, Kanji2, I});
  MovePreferredClasses(l.slot, kClassHiragana);
  EXPECT_EQ(l.Codes(), Codes({A, I, Kanji1, Kanji2}));
}

TEST(LookAlikes, MembersFollowTheBestRanked) {
  List l({A, Zero, I, LetterO, U}, {100, 200, 300, 400, 500});
  ApplyLookAlikeGroups(l.slot, Ctx(1));
  EXPECT_EQ(l.Codes(), Codes({A, Zero, LetterO, Kuten, Circle, I, U}));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(l.slot[i].distance, 200) << i;

  List digits({A, Zero, I}, {100, 200, 300});
  ApplyLookAlikeGroups(digits.slot, Ctx(1, 0, 0, 0, kClassDigit));
  EXPECT_EQ(digits.Codes(), Codes({A, Zero, I}));  // the others are outside the mask

  List none({A, I});
  ApplyLookAlikeGroups(none.slot, Ctx(1));
  EXPECT_EQ(none.Codes(), Codes({A, I}));

  List colon({0x8147, A});  // ； then ： after it; only for two strokes
  ApplyLookAlikeGroups(colon.slot, Ctx(2));
  EXPECT_EQ(colon.Codes(), Codes({0x8147, 0x8146, A}));
}

TEST(MarkRules, AWritingOfSomeSizeIsNoMark) {
  List l({Kuten, Touten, A, I});
  ApplyMarkRules(l.slot, Ctx(1));
  EXPECT_EQ(l.Codes(), Codes({A, Touten, Kuten, I}));
  List onlyMarks({Kuten, Touten});
  ApplyMarkRules(onlyMarks.slot, Ctx(1));
  EXPECT_EQ(onlyMarks.Codes(), Codes({Kuten, Touten}));
}

TEST(MarkRules, TinyDotRanksAMarkWithAllThreeInserted) {
  List l({A, I, U, Touten});
  ApplyMarkRules(l.slot, Ctx(1, kSizeSmall | kSizeVerySmall));
  EXPECT_EQ(l.Codes(), Codes({Touten, Period, Comma, I, U, A}));
}

TEST(MarkRules, TinyCircleBecomesTheFullStop) {
  List l({Circle, A});
  ApplyMarkRules(l.slot, Ctx(1, kSizeSmall | kSizeVerySmall));
  EXPECT_EQ(l.Codes(), Codes({Kuten, Period, Touten, Comma, Circle, A}));

  List handakuten({Handakuten, A});  // full width: ゜ alone becomes 。
  ApplyMarkRules(handakuten.slot, Ctx(1, kSizeSmall | kSizeVerySmall));
  EXPECT_EQ(handakuten.slot[0].code, Kuten);
}

TEST(MarkRules, HalfWidthUsesThePositionAndPrefersThePeriod) {
  List upper({Kuten, A});
  ApplyMarkRules(upper.slot, Ctx(1, 5, kHalfWidthFlag, 1));
  EXPECT_EQ(upper.slot[0].code, Handakuten);
  List lower({Handakuten, A});
  ApplyMarkRules(lower.slot, Ctx(1, 5, kHalfWidthFlag, 0));
  EXPECT_EQ(lower.slot[0].code, Kuten);
  List touten({Touten, A});
  ApplyMarkRules(touten.slot, Ctx(1, 5, kHalfWidthFlag, 0));
  EXPECT_EQ(touten.slot[0].code, Period);
  EXPECT_NE(ZkIsCodeKohoNo(Comma, touten.slot), kNotRanked);
}

TEST(VoicedMarkRules, SmallHalfWidthAndFullWidth) {
  List small({I, A});
  ApplyVoicedMarkRules(small.slot, Ctx(2, 5, kHalfWidthFlag));
  EXPECT_EQ(small.slot[0].code, Dakuten);

  List mark({Dakuten, A, 0x82E8});  // り ranked: exchanged
  ApplyVoicedMarkRules(mark.slot, Ctx(2));
  EXPECT_EQ(mark.Codes(), Codes({0x82E8, A, Dakuten}));

  List alone({Dakuten, A});
  ApplyVoicedMarkRules(alone.slot, Ctx(2, 5));  // very small but full width
  EXPECT_EQ(alone.Codes(), Codes({I, Dakuten, A}));

  List three({Dakuten, A});
  ApplyVoicedMarkRules(three.slot, Ctx(3));
  EXPECT_EQ(three.slot[0].code, Dakuten);
}

TEST(SymbolRules, CloseLetterWins) {
  List close({0x8181, A, Kanji2}, {1000, 1010, 1038});  // ＝ vs 二: 38 / 2 = 19
  ApplySymbolToLetterRules(close.slot, Ctx(2));
  EXPECT_EQ(close.Codes(), Codes({Kanji2, A, 0x8181}));

  List far({0x8181, A, Kanji2}, {1000, 1010, 1040});  // 40 / 2 = 20
  ApplySymbolToLetterRules(far.slot, Ctx(2));
  EXPECT_EQ(far.slot[0].code, 0x8181);

  List afterGesture({Gesture, 0x817C, 0x88EA}, {900, 1000, 1005});  // − then 一
  ApplySymbolToLetterRules(afterGesture.slot, Ctx(1));
  EXPECT_EQ(afterGesture.Codes(), Codes({Gesture, 0x88EA, 0x817C}));

  List four({0x8181, Kanji2}, {1000, 1000});
  ApplySymbolToLetterRules(four.slot, Ctx(4));
  EXPECT_EQ(four.slot[0].code, 0x8181);
}

TEST(SmallForms, AfterWhenLargeBeforeWhenSmall) {
  List large({A, Kanji1, I});
  AddSmallForms(large.slot, Ctx(3));
  EXPECT_EQ(large.Codes(), Codes({A, SmallA, Kanji1, I, SmallI}));
  EXPECT_EQ(large.slot[1].distance, large.slot[0].distance);

  List small({A, I});
  AddSmallForms(small.slot, Ctx(3, kSizeSmall));
  EXPECT_EQ(small.Codes(), Codes({SmallA, A, SmallI, I}));

  List letters({0x8262, Zero});  // Ｃ ０ -> ｃ ｏ, not for a mask without small letters
  AddSmallForms(letters.slot, Ctx(1, 0, 0, 0, kClassCapital | kClassDigit));
  EXPECT_EQ(letters.Codes(), Codes({0x8262, Zero}));
  AddSmallForms(letters.slot, Ctx(1));
  EXPECT_EQ(letters.Codes(), Codes({0x8262, 0x8283, Zero, 0x828F}));
  EXPECT_EQ(SmallFormOf(0x8396), 0);
  EXPECT_EQ(SmallFormOf(0x8350), 0x8396);  // ケ -> ヶ
}

TEST(SizeClasses, ThresholdsAndUpperHalf) {
  ZkOptionRec opt{kClassAll, 0, 0, 10, 100, 100};
  NormState n{};
  auto classes = [&](int w, int h, int y) {
    n.minX = 0, n.maxX = static_cast<int16_t>(w), n.minY = 0, n.maxY = static_cast<int16_t>(h);
    ZkSizeClasses(opt, y, &n);
  };
  classes(19, 20, 59);
  EXPECT_EQ(n.widthClass, 5);
  EXPECT_EQ(n.heightClass, 1);
  EXPECT_EQ(n.upperHalf, 1);  // (59 - 10) % 100 = 49 < 50
  classes(39, 40, 60);
  EXPECT_EQ(n.widthClass, 1);
  EXPECT_EQ(n.heightClass, 0);
  EXPECT_EQ(n.upperHalf, 0);
  classes(40, 40, -5);
  EXPECT_EQ(n.upperHalf, 1);  // the remainder keeps the sign: -15 < 50
  opt.frameWidth = 0;
  classes(1, 1, 59);
  EXPECT_EQ(n.widthClass, 0);
  EXPECT_EQ(n.heightClass, 0);
  EXPECT_EQ(n.upperHalf, 0);
}
