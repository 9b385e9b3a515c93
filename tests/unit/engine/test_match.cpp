// The candidate search: stroke ranges, the length and segment-count windows, the
// eleven-slot list (ties, duplicates across dictionaries, empty slots), ordering,
// and the coarse descriptor that pre-selects patterns.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "coarse.h"
#include "dicfile.h"
#include "dicindex.h"
#include "match.h"
#include "segdist.h"
#include "testdic.h"

namespace {

KusabiPattern Shape(const std::vector<KusabiSegment>& segs, int strokes) {
  KusabiPattern p{};
  p.strokes = static_cast<uint16_t>(strokes);
  p.segments = static_cast<int16_t>(segs.size());
  for (size_t i = 0; i < segs.size(); ++i) p.segment[i] = segs[i];
  return p;
}

// Runs ZkMatch of input over the whole system dictionary of the engine.
void MatchAll(KusabiPattern* input, KohoSlot* list) {
  ASSERT_EQ(ZkSetRequiredRecDic(kClassAll, Dic.ZkRecDic, Dic.ZkUsrDic, Dic.ZkRecDicTbl), 1);
  ZkMatch(input, Dic.ZkRecDicTbl, list);
}

std::vector<int> Codes(const KohoSlot* list, int n) {
  std::vector<int> codes;
  for (int i = 0; i < n; ++i) codes.push_back(list[i].code);
  return codes;
}

const KohoSlot* Find(const KohoSlot* list, uint16_t code) {
  for (int i = 0; i < kMatchSlots; ++i)
    if (list[i].code == code) return &list[i];
  return nullptr;
}

class SearchTest : public ::testing::Test {
 protected:
  void TearDown() override { ZkCRecEnd(); }
  // The system dictionary is `subs`; the input is compared with all of it.
  void Search(const std::vector<SubDicSpec>& subs, KusabiPattern input,
              const std::vector<SubDicSpec>& user = {}) {
    ASSERT_EQ(InitEngineWith(dir_, subs, user), 0);
    MatchAll(&input, list_);
  }
  static std::vector<SubDicSpec> OneSub(uint32_t typeMask) {
    std::vector<SubDicSpec> subs(1);
    subs[0].typeMask = typeMask;
    return subs;
  }
  TempDir dir_;
  KohoSlot list_[kKohoSlots];
};

}  // namespace

TEST(MatchList, OrderByLengthTiesAndZeros) {
  const int16_t lengths[] = {5, 9, 0, 9, 3, 0};
  uint16_t order[6];
  Get_Order_len_i(lengths, order, 6);
  EXPECT_EQ(std::vector<uint16_t>(order, order + 6), std::vector<uint16_t>({1, 3, 0, 4, 2, 5}));
}

TEST(MatchList, BubbleSortIsStable) {
  KohoSlot list[kKohoSlots] = {};
  const int16_t d[] = {5, 3, 5, 1, 3};
  for (int i = 0; i < 5; ++i) {
    list[i].distance = d[i];
    list[i].code = static_cast<uint16_t>(0x8250 + i);
  }
  ZkBubbleSort(5, list);
  EXPECT_EQ(Codes(list, 5), (std::vector<int>{0x8253, 0x8251, 0x8254, 0x8250, 0x8252}));
}

TEST(MatchList, DuplicatesKeepTheFirstAndCloseUp) {
  KohoSlot list[kKohoSlots] = {};
  const uint16_t codes[] = {0x82A0, 0x82A2, 0x82A0, 0x8140, 0x82A4, 0x82A2, 0x82A6};
  for (int i = 0; i < kMatchSlots; ++i) {
    list[i].distance = i < 7 ? static_cast<int16_t>(10 * i) : kAbsentDistance;
    list[i].code = i < 7 ? codes[i] : kEmptyCode;
  }
  RemoveDuplicateCandidates(list);
  std::vector<int> expected = {0x82A0, 0x82A2, 0x82A4, 0x82A6};
  expected.resize(kMatchSlots, kEmptyCode);
  EXPECT_EQ(Codes(list, kMatchSlots), expected);
  const int16_t dist[] = {0, 10, 40, 60, kAbsentDistance};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list[i].distance, dist[i]) << i;
}

TEST(MatchList, ThresholdIsExclusive) {
  KusabiPattern input = Shape({{0, 0, 100, 0}}, 1);
  KusabiPattern pattern = Shape({{0, 10, 100, 10}}, 1);
  int16_t inLen[kMaxSegments] = {100};
  uint8_t map[kMaxSegments] = {};
  SegmentCorrespondence corr{};
  EXPECT_EQ(KusabiMatch(&input, &pattern, 21, inLen, 100, map, &corr), 20);
  EXPECT_EQ((std::vector<int>{corr.inFirst[0], corr.groupPos[0]}), (std::vector<int>{0, 20}));
  EXPECT_EQ(KusabiMatch(&input, &pattern, 20, inLen, 100, map, &corr), kAbsentDistance);
}

TEST_F(SearchTest, LengthWindowEdgesAreInclusive) {
  // Input of length 100: patterns of 1 stroke are compared from 69 to 131.
  std::vector<SubDicSpec> subs = OneSub(kClassHiragana);
  subs[0].groups[0] = {SegmentsPattern(0x82A0, {{{0, 0, 68, 0}}}), SegmentsPattern(0x82A2, {{{0, 0, 69, 0}}}),
                       SegmentsPattern(0x82A4, {{{-15, 0, 116, 0}}}), SegmentsPattern(0x82A6, {{{-16, 0, 116, 0}}}),
                       SegmentsPattern(0x82A8, {{{0, 0, 100, 0}}})};
  Search(subs, Shape({{0, 0, 100, 0}}, 1));
  EXPECT_EQ(Find(list_, 0x82A0), nullptr);  // 68: one below
  EXPECT_NE(Find(list_, 0x82A2), nullptr);  // 69 = lo
  EXPECT_NE(Find(list_, 0x82A4), nullptr);  // 131 = hi
  EXPECT_EQ(Find(list_, 0x82A6), nullptr);  // 132: one above
  const KohoSlot* exact = Find(list_, 0x82A8);
  ASSERT_NE(exact, nullptr);
  EXPECT_EQ(list_[0].code, 0x82A8);
  // Its ordinal counts the patterns inside the window.
  EXPECT_EQ(std::make_tuple(exact->distance, exact->ordinal, exact->patternStrokes, exact->dicKind, exact->typeMask),
            std::make_tuple(0, 3, 1, kDicSystem, kClassHiragana));
  EXPECT_EQ(list_[3].code, kEmptyCode);  // fewer than eleven: empty slots follow
  EXPECT_EQ(list_[10].distance, kAbsentDistance);
}

TEST_F(SearchTest, StrokeRangeAndSegmentCountWindow) {
  // The same three bars stored as 1-, 2-, 3- and 4-stroke patterns; a 3-stroke input
  // is compared from 2 strokes on.
  const std::vector<std::array<int8_t, 4>> bars = {{-50, 60, 50, 60}, {-50, 0, 50, 0}, {-50, -60, 50, -60}};
  std::vector<SubDicSpec> subs = OneSub(kClassKanji);
  for (int g = 0; g < 4; ++g) subs[0].groups[g] = {SegmentsPattern(static_cast<uint16_t>(0x88A0 + g), bars)};
  // One stroke, one segment plus four or five zero-length segments.
  auto padded = [](int zeros) {
    std::vector<std::array<int8_t, 4>> s = {{-50, 0, 50, 0}};
    for (int i = 0; i < zeros; ++i) s.push_back({50, 0, 50, 0});
    return s;
  };
  subs[0].groups[0].push_back(SegmentsPattern(0x88B0, padded(4)));
  subs[0].groups[0].push_back(SegmentsPattern(0x88B1, padded(5)));
  Search(subs, Shape({{-50, 60, 50, 60}, {-50, 0, 50, 0}, {-50, -60, 50, -60}}, 3));
  EXPECT_EQ(Find(list_, 0x88A0), nullptr);
  for (uint16_t c : {0x88A1, 0x88A2, 0x88A3}) {
    ASSERT_NE(Find(list_, c), nullptr) << std::hex << c;
    EXPECT_EQ(Find(list_, c)->distance, 0);
  }
  EXPECT_EQ(Find(list_, 0x88A3)->patternStrokes, 4);

  KusabiPattern one = Shape({{-50, 0, 50, 0}}, 1);
  MatchAll(&one, list_);
  EXPECT_NE(Find(list_, 0x88B0), nullptr);  // 5 segments: inside 1 - 4 .. 1 + 4
  EXPECT_EQ(Find(list_, 0x88B1), nullptr);  // 6 segments: outside
}

TEST_F(SearchTest, EqualDistanceDoesNotReplaceTheWorstSlot) {
  std::vector<SubDicSpec> subs = OneSub(kClassKanji);
  for (int i = 0; i < 12; ++i)
    subs[0].groups[0].push_back(SegmentsPattern(static_cast<uint16_t>(0x88A0 + i), {{{0, 0, 100, 0}}}));
  Search(subs, Shape({{0, 0, 100, 0}}, 1));
  for (int i = 0; i < 11; ++i) EXPECT_NE(Find(list_, static_cast<uint16_t>(0x88A0 + i)), nullptr) << i;
  EXPECT_EQ(Find(list_, 0x88AB), nullptr);  // the twelfth, at the same distance
}

TEST_F(SearchTest, SameCodeFromUserAndSystemKeepsTheCloser) {
  std::vector<SubDicSpec> sys = OneSub(kClassHiragana), usr = OneSub(kClassHiragana);
  sys[0].groups[0] = {SegmentsPattern(0x82A0, {{{0, 0, 100, 0}}}), SegmentsPattern(0x82A2, {{{0, 30, 100, 30}}})};
  usr[0].groups[0] = {SegmentsPattern(0x82A0, {{{0, 10, 100, 10}}}), SegmentsPattern(0x82A2, {{{0, 5, 100, 5}}})};
  Search(sys, Shape({{0, 0, 100, 0}}, 1), usr);
  const auto slot = [this](int i) { return std::make_tuple(list_[i].code, list_[i].distance, list_[i].dicKind); };
  EXPECT_EQ(slot(0), std::make_tuple(0x82A0, 0, kDicSystem));
  EXPECT_EQ(slot(1), std::make_tuple(0x82A2, 10, kDicUser));
  EXPECT_EQ(list_[2].code, kEmptyCode);
}

TEST_F(SearchTest, PreselectionKeepsARareAnswerBehindManyOthers) {
  // More patterns pass the windows than are compared in full: hundreds of three
  // upright bars, then the answer (three flat bars) last in its list, once stored
  // with the writing's stroke count and once with a fourth stroke (a rare form).
  struct Case {
    int group;  // where the answer is stored
    std::vector<std::array<int8_t, 4>> answer;
  };
  const Case cases[] = {
      {2, {{-50, 60, 50, 60}, {-50, 0, 50, 0}, {-50, -60, 50, -60}}},
      {3, {{-50, 60, 50, 60}, {-50, 0, 0, 0}, {2, 0, 50, 0}, {-50, -60, 50, -60}}},
  };
  for (const Case& c : cases) {
    std::vector<SubDicSpec> subs = OneSub(kClassKanji);
    constexpr int kDecoys = 3 * static_cast<int>(kPreselected);
    for (int i = 0; i < kDecoys; ++i) {
      const int8_t x = static_cast<int8_t>(-60 + i % 40), mirrored = static_cast<int8_t>(-x);
      const int8_t top = static_cast<int8_t>(50 + i % 7), bottom = static_cast<int8_t>(-50 + i % 7);
      subs[0].groups[2].push_back(SegmentsPattern(static_cast<uint16_t>(0x8A40 + i), {{x, top, x, bottom},
                                                                                      {0, 50, 0, -50},
                                                                                      {mirrored, 50, mirrored, -50}}));
    }
    subs[0].groups[c.group].push_back(SegmentsPattern(0x88A0, c.answer));
    Search(subs, Shape({{-50, 60, 50, 60}, {-50, 0, 50, 0}, {-50, -60, 50, -60}}, 3));
    EXPECT_EQ(list_[0].code, 0x88A0) << "answer in group " << c.group;
    ZkCRecEnd();
  }
}

namespace {

using Segments = std::vector<KusabiSegment>;

int Distance(const Segments& a, const Segments& b) {
  uint8_t da[kCoarseBins], db[kCoarseBins];
  CoarseDescriptor(a.data(), static_cast<int>(a.size()), da);
  CoarseDescriptor(b.data(), static_cast<int>(b.size()), db);
  return CoarseDistance(da, db);
}

Segments Moved(const Segments& s, int dx, int dy, int slant) {
  Segments out;
  for (const KusabiSegment& g : s)  // slant: x moves by y * slant / 10
    out.push_back({static_cast<int16_t>(g.x0 + dx + g.y0 * slant / 10), static_cast<int16_t>(g.y0 + dy),
                   static_cast<int16_t>(g.x1 + dx + g.y1 * slant / 10), static_cast<int16_t>(g.y1 + dy)});
  return out;
}

}  // namespace

// Also across cell and direction borders.
TEST(CoarseDescriptor, SmallShiftsAndTurnsStayNearerTheirOwnShape) {
  const Segments bars = {{-40, 40, 40, 40}, {-40, 0, 40, 0}, {-40, -40, 40, -40}};     // 三
  const Segments posts = {{-40, 40, -40, -40}, {0, 40, 0, -40}, {40, 40, 40, -40}};   // 川
  const Segments box = {{-40, 40, 40, 40}, {40, 40, 40, -40}, {40, -40, -40, -40}};   // コ
  EXPECT_EQ(Distance(bars, bars), 0);
  const struct {
    int dx, dy, slant;
  } moves[] = {{9, 0, 0}, {0, -9, 0}, {5, 5, 0}, {0, 0, 3}, {0, 0, -3}, {-9, 9, 2}};
  for (const auto& m : moves) {
    for (const Segments* own : {&bars, &posts, &box}) {
      const Segments written = Moved(*own, m.dx, m.dy, m.slant);
      for (const Segments* other : {&bars, &posts, &box}) {
        if (other == own) continue;
        EXPECT_LT(Distance(written, *own), Distance(written, *other))
            << "move " << m.dx << "," << m.dy << " slant " << m.slant;
      }
    }
  }
}
