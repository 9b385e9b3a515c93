// The look-alike stage on real extraction: writings turned into patterns by the
// engine's own preprocessing, matched against a small dictionary of writings, then
// reordered. Each test states how matching ranked the input before the stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dicindex.h"
#include "match.h"
#include "recog.h"
#include "recogstages.h"
#include "ruiji.h"
#include "testdic.h"
#include "textconv.h"

namespace {

uint16_t Code(const std::string& text) { return Utf8ToSjisCode(text); }

std::string Text(const KohoSlot* list) {
  std::string s;
  for (int r = 0; r < 10 && list[r].code != kEmptyCode; ++r) s += SjisCodeToUtf8(list[r].code);
  return s;
}

struct Ranking {
  std::string matched;    // after matching
  std::string reordered;  // after the look-alike stage, as the pad runs it
  std::string byChecks;   // after the checks alone, however far behind matching puts a member
};

class RuijiOnRealWriting : public ::testing::Test {
 protected:
  void TearDown() override { ZkCRecEnd(); }

  void Load(const std::vector<std::pair<std::string, PenStrokes>>& writings) {
    std::vector<SubDicSpec> subs(1);
    subs[0].typeMask = kClassAll & ~kClassGesture;
    for (const auto& w : writings) AddWriting(&subs[0], Code(w.first), w.second);
    ASSERT_EQ(InitEngineWith(dir_, subs), 0);
  }

  Ranking Rank(const PenStrokes& strokes) {
    const auto pen = PenWords(strokes);
    const int n = static_cast<int>(strokes.size());
    NormState norm{};
    ZkRNKinji(pen.data(), &ZkRun.ZkIMDType, &norm, n);
    EXPECT_EQ(ZkSetRequiredRecDic(kClassAll, Dic.ZkRecDic, Dic.ZkUsrDic, Dic.ZkRecDicTbl), 1);
    ZkMatch(&ZkRun.ZkIMDType, Dic.ZkRecDicTbl, ZkRun.ZkKoho);
    Ranking r;
    r.matched = Text(ZkRun.ZkKoho);
    KohoSlot copy[kKohoSlots];
    std::copy(ZkRun.ZkKoho, ZkRun.ZkKoho + kKohoSlots, copy);
    Ruiji.ZkRuijiGuarded = false;
    ZkRuiji(&ZkRun.ZkIMDType, pen.data(), n, copy);
    Ruiji = {};  // the settings back to their defaults
    r.byChecks = Text(copy);
    ZkRuiji(&ZkRun.ZkIMDType, pen.data(), n, ZkRun.ZkKoho);
    r.reordered = Text(ZkRun.ZkKoho);
    return r;
  }

  // The rankings of a writing; the checks alone order it as the pad does unless told.
  void ExpectRanks(const PenStrokes& strokes, const std::string& matched, const std::string& reordered,
                   const std::string& byChecks = "") {
    const Ranking r = Rank(strokes);
    EXPECT_EQ(r.matched, matched);
    EXPECT_EQ(r.reordered, reordered);
    EXPECT_EQ(r.byChecks, byChecks.empty() ? reordered : byChecks);
  }

  TempDir dir_;
};

// In a 200 x 200 frame, y downwards.
const PenStrokes kRa = {PenLine(80, 30, 100, 48),
                        PenPath({{70, 60}, {62, 125}, {110, 95}, {148, 118}, {140, 160}, {90, 180}})};
const PenStrokes kChi = {PenLine(45, 62, 155, 55),
                         PenPath({{105, 25}, {80, 120}, {115, 98}, {150, 122}, {140, 162}, {85, 180}})};
const PenStrokes kGo = {PenPath({{70, 40}, {64, 105}, {110, 90}, {145, 122}, {128, 165}, {70, 172}}),
                        PenLine(72, 42, 145, 42)};

TEST_F(RuijiOnRealWriting, GoChiRaWrittenAsStoredKeepTheirPlace) {
  Load({{"５", kGo}, {"ち", kChi}, {"ら", kRa}});
  EXPECT_EQ(Rank(kRa).reordered.substr(0, 3), "ら");
  EXPECT_EQ(Rank(kChi).reordered.substr(0, 3), "ち");
  EXPECT_EQ(Rank(kGo).reordered.substr(0, 3), "５");
}

// ら with a long tick, and ち with a stroke starting on the bar, both matched as ５.
TEST_F(RuijiOnRealWriting, RaOrChiMatchedCloseBehindGoMovesUp) {
  Load({{"５", kGo}, {"ち", kChi}, {"ら", kRa}});
  const PenStroke bowl = PenPath({{70, 60}, {64, 110}, {110, 92}, {146, 120}, {130, 163}, {72, 172}});
  // The tick is long and flat like the bar of ５, but it does not start where the
  // bowl starts (５ fails) and touches nothing (ら passes).
  ExpectRanks({PenLine(75, 40, 115, 50), bowl}, "５らち", "ら５ち");
  // Longer still, matching puts ら about two standard deviations behind against this
  // dictionary of three writings: too far for the checks to overturn, which they would
  // on their own.
  ExpectRanks({PenLine(75, 40, 135, 44), bowl}, "５らち", "５らち", "ら５ち");

  // ち close behind ５: the strokes are joined (ち passes), not started together (５ fails).
  const auto hook = [](int x) {
    return PenPath({{x, 62}, {80, 120}, {115, 98}, {150, 122}, {140, 162}, {85, 180}});
  };
  ExpectRanks({PenLine(60, 60, 150, 60), hook(95)}, "５ちら", "ち５ら");
  // A shorter bar puts ち further behind than the checks may overturn.
  ExpectRanks({PenLine(60, 60, 140, 60), hook(100)}, "５ちら", "５ちら", "ち５ら");
}

const PenStrokes kJuu = {PenLine(40, 90, 160, 90), PenLine(100, 30, 100, 170)};
const PenStrokes kNa = {PenLine(40, 75, 160, 75), PenPath({{110, 25}, {100, 100}, {55, 170}})};
const PenStrokes kPlus = {PenLine(60, 100, 140, 100), PenLine(100, 60, 100, 140)};

TEST_F(RuijiOnRealWriting, JuuMatchedBelowNaAndTeeBecomesJuu) {
  Load({{"Ｔ", {PenLine(40, 40, 160, 40), PenLine(100, 42, 100, 170)}}, {"十", kJuu}, {"ナ", kNa}, {"＋", kPlus}});
  // The bars cross (Ｔ fails) and the second stroke goes straight down (十 passes).
  ExpectRanks({PenLine(40, 65, 160, 65), PenLine(100, 30, 100, 175)}, "Ｔ十ナ", "十Ｔナ");
  // Higher up, matching puts ナ between them (ナ fails: its stroke is not slanted) and
  // 十 too far behind for the pad; the checks alone would still move 十 up.
  ExpectRanks({PenLine(40, 60, 160, 60), PenLine(100, 30, 100, 175)}, "Ｔナ十", "Ｔナ十", "十Ｔナ");
}

TEST_F(RuijiOnRealWriting, NaMatchedAsTeeBecomesNa) {
  // A Ｔ stored with a leaning stem.
  Load({{"Ｔ", {PenLine(40, 40, 160, 40), PenLine(100, 42, 75, 170)}}, {"十", kJuu}, {"ナ", kNa}, {"＋", kPlus}});
  // The slant crosses the bar (Ｔ fails) and falls at less than 60 degrees (ナ passes).
  ExpectRanks({PenLine(40, 48, 160, 48), PenLine(110, 35, 35, 145)}, "Ｔナ", "ナＴ");
}

// は, with the voiced marks (variant 1) or the small circle (variant 2) moved by
// (dx, dy), the circle of radius r.
PenStrokes Ha(int variant, int dx = 0, int dy = 0, int r = 11) {
  PenStrokes s = {PenPath({{50, 40}, {42, 110}, {50, 165}}), PenLine(85, 75, 150, 70),
                  PenPath({{118, 35}, {120, 150}, {95, 168}, {110, 182}, {152, 162}})};
  if (variant == 1) {
    s.push_back(PenLine(160 + dx, 22 + dy, 167 + dx, 40 + dy));
    s.push_back(PenLine(174 + dx, 18 + dy, 181 + dx, 36 + dy));
  } else if (variant == 2) {
    s.push_back(PenArc(170 + dx, 32 + dy, r, 180, 540, 30));
  }
  return s;
}

class RuijiOnHa : public RuijiOnRealWriting {
 protected:
  void SetUp() override { Load({{"は", Ha(0)}, {"ば", Ha(1)}, {"ぱ", Ha(2)}}); }
};

TEST_F(RuijiOnHa, EachFormWrittenAsStoredStaysFirst) {
  EXPECT_EQ(Rank(Ha(0)).reordered, "はばぱ");  // ば's marks and ぱ's circle unmatched
  EXPECT_EQ(Rank(Ha(1)).reordered, "ばぱ");    // ぱ's circle matched to a mark: no loop
  EXPECT_EQ(Rank(Ha(2)).reordered, "ぱばは");
  EXPECT_EQ(Rank(Ha(1, 10, 20)).reordered, "ばぱ");
}

TEST_F(RuijiOnHa, ASmallCircleMatchedAsVoicedMarksBecomesPa) {
  // ば fails because ぱ is ranked and its last stroke closes a loop in the input.
  ExpectRanks(Ha(2, 0, 8, 8), "ばぱは", "ぱばは");
  // A tinier circle puts ぱ behind は and too far behind ば for the checks to decide.
  ExpectRanks(Ha(2, 0, 0, 6), "ばはぱ", "ばはぱ", "ぱばは");
}

TEST_F(RuijiOnHa, TheRecognitionResultCarriesTheReordering) {
  const auto pen = PenWords(Ha(2, 0, 8, 8));
  const ZkOptionRec opt{kClassAll, 0, 0, 0, 200, 200};
  ZkResult result{};
  ASSERT_EQ(ZkCRecognize(&opt, pen.data(), pen.size(), &result), 0);
  ASSERT_GE(result.count, 1);
  EXPECT_EQ(result.entry[0].code, Code("ぱ"));
}

}  // namespace
