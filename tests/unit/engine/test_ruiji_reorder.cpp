// ZkRuiji's reordering rule on groups of the real table, and its robustness against
// correspondences and patterns that no matcher would produce.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "candlist.h"
#include "penbuild.h"
#include "recogstages.h"
#include "ruiji.h"
#include "ruiji_fixture.h"
#include "ruiji_table.h"

namespace {

constexpr uint16_t kGo = 0x8254;     // ５
constexpr uint16_t kChi = 0x82BF;    // ち
constexpr uint16_t kRa = 0x82E7;     // ら
constexpr uint16_t kA = 0x889F;      // 亜, in no group
constexpr uint16_t kModo = 0x96DF;   // 戻
constexpr uint16_t kShiri = 0x904B;  // 尻
constexpr uint16_t kE = 0x82A6;      // え
constexpr uint16_t kMoto = 0x8CB3;   // 元
constexpr uint16_t kWa = 0x82ED;     // わ
constexpr uint16_t kRe = 0x82EA;     // れ
constexpr uint16_t kNe = 0x82CB;     // ね

std::vector<uint16_t> Codes(const RuijiFixture& f) {
  std::vector<uint16_t> codes;
  for (int r = 0; r < 10 && f.list[r].code != kEmptyCode; ++r) codes.push_back(f.list[r].code);
  return codes;
}

void Reorder(RuijiFixture& f) { ZkRuiji(&f.input, nullptr, 0, f.list); }

// Two vertical strokes far apart: ５ fails (they do not start together), ち fails
// (they are not joined), ら passes (they do not touch).
RuijiFixture GoChiRa(const std::vector<uint16_t>& codes) {
  RuijiFixture f;
  f.SetInput({{{-50, 50}, {-50, 0}}, {{0, 50}, {0, -50}}});
  for (uint16_t c : codes) f.AddLikeInput(c);
  return f;
}

TEST(RuijiReorder, APassingMemberMovesToTheFrontAndTheOthersShiftDown) {
  const struct {
    std::vector<uint16_t> ranked, reordered;
  } cases[] = {
      {{kA, kRa}, {kA, kRa}},                        // a first candidate in no group is never moved
      {{0xFFFF, kRa}, {0xFFFF, kRa}},                // nor the closing group's code
      {{kGo, kChi, kRa, kA}, {kRa, kGo, kChi, kA}},  // ら passes
      {{kGo, kA, kRa}, {kRa, kGo, kA}},              // codes outside the group between members do not matter
      {{kGo, kChi}, {kGo, kChi}},                    // no passing member leaves the list
  };
  for (const auto& c : cases) {
    RuijiFixture f = GoChiRa(c.ranked);
    const int16_t firstDistance = f.list[ZkIsCodeKohoNo(c.reordered[0], f.list)].distance;
    Reorder(f);
    EXPECT_EQ(Codes(f), c.reordered);
    EXPECT_EQ(f.list[0].distance, firstDistance);  // whole slots move
  }
}

TEST(RuijiReorder, TheSearchEndsAtTheFirstEmptySlot) {
  RuijiFixture f = GoChiRa({kGo, kChi, kRa});
  f.list[1] = EmptySlot();
  Reorder(f);
  EXPECT_EQ(f.list[0].code, kGo);
  EXPECT_EQ(f.list[2].code, kRa);
}

TEST(RuijiReorder, AMemberWhoseFirstCheckIsZeroWinsWheneverTheLeaderFails) {
  // 戻 passes when each of its strokes 0..2 is matched in full.
  const Drawing modo = {{{0, 40}, {30, 40}}, {{0, 20}, {30, 20}}, {{0, 0}, {30, 0}}};
  RuijiFixture f;
  f.SetInput(modo);
  f.AddLikeInput(kModo);
  f.Add(kShiri, {{{0, 0}, {1, 1}}}, false).patternStrokes = 3;  // nothing of it matched
  Reorder(f);
  EXPECT_EQ(Codes(f), (std::vector<uint16_t>{kModo, kShiri}));
  f.list[0].corr.patFirst[1] = kUnpaired;  // stroke 1 of 戻 not written
  Reorder(f);
  EXPECT_EQ(Codes(f), (std::vector<uint16_t>{kShiri, kModo}));
}

TEST(RuijiReorder, AMemberMatchingPutsBeyondTheMarginIsNotPromoted) {
  // ら passes its check, but only a member within a fraction of the standard deviation
  // of the distances for the writing's stroke count (ZkDstStDv) may overturn matching.
  const int spread = ZkRuijiOvertakeMargin(2);
  ASSERT_GT(spread, 0);
  ASSERT_LT(spread, ZkDstStDv[2]);
  RuijiFixture f = GoChiRa({kGo, kChi, kRa});
  f.list[2].distance = static_cast<int16_t>(f.list[0].distance + spread + 1);
  Reorder(f);
  EXPECT_EQ(Codes(f), (std::vector<uint16_t>{kGo, kChi, kRa}));
  f.list[2].distance = static_cast<int16_t>(f.list[0].distance + spread);
  Reorder(f);
  EXPECT_EQ(Codes(f), (std::vector<uint16_t>{kRa, kGo, kChi}));

  RuijiFixture unguarded = GoChiRa({kGo, kChi, kRa});  // as the table alone has it
  unguarded.list[2].distance = 30000;
  Ruiji.ZkRuijiGuarded = false;
  Reorder(unguarded);
  Ruiji = {};  // the settings back to their defaults
  EXPECT_EQ(Codes(unguarded), (std::vector<uint16_t>{kRa, kGo, kChi}));
}

// Inputs written for one group each; every candidate stores the input itself.
TEST(RuijiReorder, GroupsOnTheirWritings) {
  const struct {
    const char* what;
    Drawing input;
    std::vector<uint16_t> ranked, reordered;
    std::vector<uint16_t> strokes = {};  // the candidates' stored stroke counts; empty: the input's
  } cases[] = {
      // The strokes start together: ５ passes and stays ahead of ら, ahead of 尻 from no group.
      {"a passing leader stays", {{{-50, 50}, {-50, 0}}, {{-45, 47}, {0, -50}}}, {kGo, kShiri, kRa},
       {kGo, kShiri, kRa}},
      // え 1; 元 52(3): 元 needs an input of at most three strokes.
      {"a leader with check 1 always gives way", {{{0, 40}, {30, 40}}, {{0, 0}, {30, 0}}}, {kE, kMoto}, {kMoto, kE}},
      // ... but a two-stroke writing matched by a two-stroke え is no four-stroke 元; when
      // the leader's count differs from the writing's too, the checks decide.
      {"no overtaking by another stroke count", {{{0, 40}, {30, 40}}, {{0, 0}, {30, 0}}}, {kE, kMoto}, {kE, kMoto},
       {2, 4}},
      {"leader of another stroke count", {{{0, 40}, {30, 40}}, {{0, 0}, {30, 0}}}, {kE, kMoto}, {kMoto, kE}, {3, 4}},
      // Group わ lists れ before ね. A vertical, then a clockwise curl whose last segment
      // heads 297 degrees and closes a turning run: わ fails (the direction ね gives it is
      // outside 88..268), れ fails (its stroke does end a run), ね passes.
      {"every member is found out of code order",
       {{{0, 40}, {0, -40}}, {{30, 0}, {30, 20}, {50, 30}, {70, 20}, {80, 0}}}, {kWa, kRe, kNe}, {kNe, kWa, kRe}},
  };
  for (const auto& c : cases) {
    RuijiFixture f;
    f.SetInput(c.input);
    for (size_t i = 0; i < c.ranked.size(); ++i)
      f.AddLikeInput(c.ranked[i]).patternStrokes = c.strokes.empty() ? f.input.strokes : c.strokes[i];
    Reorder(f);
    EXPECT_EQ(Codes(f), c.reordered) << c.what;
  }
}

TEST(RuijiReorder, KuStaysFirstWhenWrittenWithASharpCorner) {
  // く 70(0,4,22); （ 69(0,4,16): both look at stroke 0, the only stroke they have.
  constexpr uint16_t kKu = 0x82AD, kParen = 0x8169;
  RuijiFixture f;
  f.SetInput({{{30, 50}, {-30, 0}, {30, -50}}});
  f.AddLikeInput(kKu);
  f.AddLikeInput(kParen);
  const auto sharp = PenWords({PenPath({{130, 35}, {65, 100}, {130, 165}})});
  ZkRuiji(&f.input, sharp.data(), 1, f.list);
  EXPECT_EQ(Codes(f), (std::vector<uint16_t>{kKu, kParen}));
  const auto round = PenWords({PenArc(140, 100, 70, 240, 120, 40)});
  ZkRuiji(&f.input, round.data(), 1, f.list);
  EXPECT_EQ(Codes(f), (std::vector<uint16_t>{kParen, kKu}));
}

// Garbage correspondences, absent or short patterns and empty inputs: every group's
// leader and members are run; the list must stay a permutation of itself.
TEST(RuijiReorder, SurvivesDegenerateCorrespondencesInEveryGroup) {
  std::mt19937 rng(7);
  const std::vector<uint16_t> pen = PenWords({PenPath({{10, 10}, {10, 90}, {80, 90}}), PenLine(50, 10, 60, 50)});
  const uint8_t values[] = {0, 1, 2, 3, 5, 60, 89, 127, 128, 200, 253, 254, 255};
  auto pick = [&rng, &values]() { return values[rng() % sizeof(values)]; };
  for (int g = 0; ZkRuijiTable[g].count != kRuijiTableEnd; ++g) {
    const RuijiGroup& group = ZkRuijiTable[g];
    if (group.count > kRuijiEntriesPerGroup) continue;
    for (int round = 0; round < 6; ++round) {
      RuijiFixture f;
      if (round % 3 != 0) f.SetInput({{{0, 0}, {10, 30}, {20, 0}}, {{-5, 10}, {25, 10}}, {{40, 40}, {40, -40}}});
      for (int e = 0; e < group.count; ++e) {
        KohoSlot& s = f.Add(group.entry[e].code, {{{0, 0}, {10, 30}, {20, 0}}, {{-5, 10}, {25, 10}}}, round == 1);
        for (int k = 0; k < kMaxSegments; ++k) {
          s.corr.patFirst[k] = pick();
          s.corr.patLast[k] = pick();
          s.corr.inFirst[k] = pick();
        }
        if (round == 2) s.pattern = nullptr;
        if (round == 4) s.patternStrokes = 40;
        if (round == 5) s.patternStrokes = 0;
      }
      if (round == 3) f.input.segments = -4;
      if (round == 4) f.input.segments = 200;  // more than the arrays hold
      std::vector<uint16_t> before = Codes(f);
      ZkRuiji(&f.input, round % 2 ? pen.data() : nullptr, 2, f.list);
      std::vector<uint16_t> after = Codes(f);
      std::sort(before.begin(), before.end());
      std::sort(after.begin(), after.end());
      EXPECT_EQ(before, after) << "group " << g << " round " << round;
    }
  }
}

}  // namespace
