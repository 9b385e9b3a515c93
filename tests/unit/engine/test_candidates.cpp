// The candidate list operations and the character rules: insertion, promotion,
// look-alike grouping, marks, voiced marks, symbols read as letters, small forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "candlist.h"
#include "candrules.h"
#include "codes.h"
#include "textconv.h"

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

// An inserted candidate takes the distance of the slot it is placed at (an empty slot
// gives 32766); a later copy of it moves up, a better-ranked copy or the mask refuses
// it, and a full list drops its last candidate but never writes the end slot.
TEST(CandidateList, InsertPlacesMovesOrRefuses) {
  Codes ten;
  for (int i = 0; i < 10; ++i) ten.push_back(static_cast<uint16_t>(0x88A0 + i));
  Codes tenAfterA = {A};
  tenAfterA.insert(tenAfterA.end(), ten.begin(), ten.begin() + 9);
  const struct {
    const char* what;
    Codes codes;
    int rank;
    uint16_t code;
    Place place;
    uint32_t mask;
    Codes after;  // empty: refused, the list unchanged
    int16_t distance = 0;
  } cases[] = {
      {"before", {A, I, U}, 1, Kanji1, Place::kBefore, kClassAll, {A, Kanji1, I, U}, 200},
      {"after", {A, I, U}, 1, Kanji1, Place::kAfter, kClassAll, {A, I, Kanji1, U}, 200},
      {"at the end", {A}, 1, I, Place::kBefore, kClassAll, {A, I}, 32766},
      {"a later copy moves up", {A, I, Kanji1, U}, 1, Kanji1, Place::kBefore, kClassAll, {A, Kanji1, I, U}, 200},
      {"a better copy refuses", {A, Kanji1, I, U}, 2, Kanji1, Place::kBefore, kClassAll, {}},
      {"outside the mask", {A, I}, 0, Kanji1, Place::kBefore, kClassHiragana, {}},
      {"a full list drops its last", ten, 0, A, Place::kBefore, kClassAll, tenAfterA, 100},
      {"after the tenth", ten, 9, I, Place::kAfter, kClassAll, {}},
      {"beyond the tenth", ten, 10, I, Place::kBefore, kClassAll, {}},
  };
  for (const auto& c : cases) {
    List l(c.codes);
    EXPECT_EQ(InsertCandidate(l.slot, c.rank, c.code, c.place, c.mask), !c.after.empty()) << c.what;
    EXPECT_EQ(l.Codes(), c.after.empty() ? c.codes : c.after) << c.what;
    EXPECT_EQ(l.slot[kEndSlot].code, kEmptyCode) << c.what;
    if (c.after.empty()) continue;
    const int at = ZkIsCodeKohoNo(c.code, l.slot);
    EXPECT_EQ(l.slot[at].distance, c.distance) << c.what;
    EXPECT_EQ(l.slot[at].typeMask, ZkCheckJisyu(c.code)) << c.what;
  }
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

namespace {

using Rule = void (*)(KohoSlot*, const RuleContext&);
constexpr uint16_t kMore = 0xFFFE;  // ends an expected prefix: more candidates may follow
constexpr uint16_t kTiny = kSizeSmall | kSizeVerySmall;

struct RuleCase {
  Rule rule;
  Codes codes;
  std::vector<int16_t> distances;  // empty: 100, 200, ...
  RuleContext ctx;
  Codes expected;
};

const RuleCase kRuleCases[] = {
    // Look-alikes follow the best ranked member, inside the mask; ： after ； for two strokes only.
    {ApplyLookAlikeGroups, {A, Zero, I, LetterO, U}, {}, Ctx(1), {A, Zero, LetterO, Kuten, Circle, I, U}},
    {ApplyLookAlikeGroups, {A, Zero, I}, {}, Ctx(1, 0, 0, 0, kClassDigit), {A, Zero, I}},
    {ApplyLookAlikeGroups, {A, I}, {}, Ctx(1), {A, I}},
    {ApplyLookAlikeGroups, {0x8147, A}, {}, Ctx(2), {0x8147, 0x8146, A}},
    // A writing of some size is no mark; a tiny dot ranks a mark with the other dots
    // and 。 (a small circle resampled) inserted; a tiny circle or full-width ゜ becomes 。.
    {ApplyMarkRules, {Kuten, Touten, A, I}, {}, Ctx(1), {A, Touten, Kuten, I}},
    {ApplyMarkRules, {Kuten, Touten}, {}, Ctx(1), {Kuten, Touten}},
    {ApplyMarkRules, {A, I, U, Touten}, {}, Ctx(1, kTiny), {Touten, Period, Comma, Kuten, I, U, A}},
    {ApplyMarkRules, {Circle, A}, {}, Ctx(1, kTiny), {Kuten, Period, Touten, Comma, Circle, A}},
    {ApplyMarkRules, {Handakuten, A}, {}, Ctx(1, kTiny), {Kuten, kMore}},
    // Half width: the position decides ゜ or 。, and the period is preferred.
    {ApplyMarkRules, {Kuten, A}, {}, Ctx(1, 5, kHalfWidthFlag, 1), {Handakuten, kMore}},
    {ApplyMarkRules, {Handakuten, A}, {}, Ctx(1, 5, kHalfWidthFlag, 0), {Kuten, kMore}},
    {ApplyMarkRules, {Touten, A}, {}, Ctx(1, 5, kHalfWidthFlag, 0), {Period, kMore}},
    // Voiced marks: small half width, り ranked (exchanged), very small full width, three strokes.
    {ApplyVoicedMarkRules, {I, A}, {}, Ctx(2, 5, kHalfWidthFlag), {Dakuten, kMore}},
    {ApplyVoicedMarkRules, {Dakuten, A, 0x82E8}, {}, Ctx(2), {0x82E8, A, Dakuten}},
    {ApplyVoicedMarkRules, {Dakuten, A}, {}, Ctx(2, 5), {I, Dakuten, A}},
    {ApplyVoicedMarkRules, {Dakuten, A}, {}, Ctx(3), {Dakuten, kMore}},
    // い written apart as ‥ follows it, moved up where it was further down; not in カナ mode.
    {ApplyVoicedMarkRules, {0x8164, A, U}, {}, Ctx(2), {0x8164, I, A, U}},
    {ApplyVoicedMarkRules, {0x8164, A, I}, {}, Ctx(2), {0x8164, I, A}},
    {ApplyVoicedMarkRules, {0x8164, A}, {}, Ctx(2, 0, 0, 0, kClassKatakana | kClassSymbol), {0x8164, A}},
    // A close letter wins over a symbol: ＝ against 二 at 38 / 2 = 19, not at 20; − then 一.
    {ApplySymbolToLetterRules, {0x8181, A, Kanji2}, {1000, 1010, 1038}, Ctx(2), {Kanji2, A, 0x8181}},
    {ApplySymbolToLetterRules, {0x8181, A, Kanji2}, {1000, 1010, 1040}, Ctx(2), {0x8181, kMore}},
    {ApplySymbolToLetterRules, {Gesture, 0x817C, 0x88EA}, {900, 1000, 1005}, Ctx(1), {Gesture, 0x88EA, 0x817C}},
    {ApplySymbolToLetterRules, {0x8181, Kanji2}, {1000, 1000}, Ctx(4), {0x8181, kMore}},
    // Small forms after a large writing, before a small one; Ｃ ０ -> ｃ ｏ only where the mask allows.
    {AddSmallForms, {A, Kanji1, I}, {}, Ctx(3), {A, SmallA, Kanji1, I, SmallI}},
    {AddSmallForms, {A, I}, {}, Ctx(3, kSizeSmall), {SmallA, A, SmallI, I}},
    {AddSmallForms, {0x8262, Zero}, {}, Ctx(1, 0, 0, 0, kClassCapital | kClassDigit), {0x8262, Zero}},
    {AddSmallForms, {0x8262, Zero}, {}, Ctx(1), {0x8262, 0x8283, Zero, 0x828F}},
};

}  // namespace

TEST(CandidateRules, EachRuleOnItsLists) {
  for (size_t i = 0; i < sizeof kRuleCases / sizeof kRuleCases[0]; ++i) {
    const RuleCase& c = kRuleCases[i];
    List l(c.codes, c.distances);
    c.rule(l.slot, c.ctx);
    Codes got = l.Codes();
    Codes expected = c.expected;
    if (expected.back() == kMore) {
      expected.pop_back();
      got.resize(std::min(got.size(), expected.size()));
    }
    EXPECT_EQ(got, expected) << "case " << i;
  }
}

TEST(CandidateRules, InsertedCandidatesTakeTheirLeadersDistance) {
  List l({A, Zero, I, LetterO, U});
  ApplyLookAlikeGroups(l.slot, Ctx(1));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(l.slot[i].distance, 200) << i;
  List large({A, Kanji1, I});
  AddSmallForms(large.slot, Ctx(3));
  EXPECT_EQ(large.slot[1].distance, large.slot[0].distance);
  List touten({Touten, A});  // half width prefers the period but keeps the comma
  ApplyMarkRules(touten.slot, Ctx(1, 5, kHalfWidthFlag, 0));
  EXPECT_NE(ZkIsCodeKohoNo(Comma, touten.slot), kNotRanked);
}

TEST(SizeClasses, ThresholdsAndUpperHalf) {
  ZkOptionRec opt{kClassAll, 0, 0, 10, 100, 100};
  NormState n{};
  // Width class, height class, upper half.
  auto classes = [&](int w, int h, int y) {
    n.minX = 0, n.maxX = static_cast<int16_t>(w), n.minY = 0, n.maxY = static_cast<int16_t>(h);
    ZkSizeClasses(opt, y, &n);
    return std::vector<int>{n.widthClass, n.heightClass, n.upperHalf};
  };
  EXPECT_EQ(classes(19, 20, 59), (std::vector<int>{5, 1, 1}));  // (59 - 10) % 100 = 49 < 50
  EXPECT_EQ(classes(39, 40, 60), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(classes(40, 40, -5)[2], 1);  // the remainder keeps the sign: -15 < 50
  opt.frameWidth = 0;
  EXPECT_EQ(classes(1, 1, 59), (std::vector<int>{0, 0, 0}));
}
