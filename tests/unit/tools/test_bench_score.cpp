// The benchmark: the sample generator (repeatable for a seed, different for other
// seeds, inside its frame, every stroke kept, small forms written small) and the
// scorer (ranks counted per group, the look-alike and kana rows, failed lines).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "bench_score.h"
#include "sample_distort.h"

namespace {

TEST(BenchScore, CountsTopRanksPerGroupAndFailedLines) {
  BenchScorer s;
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["あ","お"],"dist":[1,2],"us":100})"));
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["お","め","ぬ","の","あ"],"us":300})"));
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["1","2","3","4","5","6","7","8","9","あ"],"us":200})"));
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":[],"us":400})"));
  // Without a class field the group comes from the code.
  EXPECT_TRUE(s.Add(R"({"char":"Ａ","cands":["Ａ"],"us":50})"));
  // Lines that are no sample are counted as failed.
  EXPECT_FALSE(s.Add(R"({"error": "line 3: bad"})"));
  EXPECT_FALSE(s.Add("not json"));
  EXPECT_FALSE(s.Add(R"({"char":"あ","us":1})"));
  EXPECT_FALSE(s.Add(R"({"char":"あ","cands":"あ","us":1})"));
  EXPECT_EQ(s.failed(), 4u);
  const GroupTally& h = s.groups().at("hiragana");
  EXPECT_EQ(h.samples, 4u);
  EXPECT_EQ(h.top1, 1u);
  EXPECT_EQ(h.top5, 2u);
  EXPECT_EQ(h.top10, 3u);
  EXPECT_EQ(s.groups().at("letters").top1, 1u);
  const std::string report = s.Report();
  EXPECT_NE(report.find("hiragana          4   25.0%   50.0%   75.0%"), std::string::npos) << report;
  EXPECT_NE(report.find("あ->お 1"), std::string::npos) << report;
  EXPECT_NE(report.find("あ->(none) 1"), std::string::npos) << report;
  EXPECT_NE(report.find("failed lines: 4"), std::string::npos) << report;
}

TEST(BenchScore, CharactersOfTheLookAlikeGroupsHaveTheirOwnRow) {
  EXPECT_TRUE(IsLookAlikeCode(0x82CD));   // は, a leader
  EXPECT_TRUE(IsLookAlikeCode(0x82A0));   // あ, only a member (of 木's group)
  EXPECT_FALSE(IsLookAlikeCode(0x82A9));  // か
  EXPECT_FALSE(IsLookAlikeCode(0xFFFF));  // the closing group's leader
  BenchScorer s;
  EXPECT_TRUE(s.Add(R"({"char":"は","class":"hiragana","cands":["ば","は"],"us":10})"));
  EXPECT_TRUE(s.Add(R"({"char":"ぱ","class":"hiragana","cands":["ぱ"],"us":10})"));
  EXPECT_TRUE(s.Add(R"({"char":"か","class":"hiragana","cands":["か"],"us":10})"));
  const std::string report = s.Report();
  EXPECT_NE(report.find("look-alike        2   50.0%  100.0%  100.0%"), std::string::npos) << report;
}

TEST(BenchScore, JoinedKanaAndKanaWithSmallFormsFolded) {
  EXPECT_EQ(FoldSmallForm(0x829F), 0x82A0);  // ぁ -> あ
  EXPECT_EQ(FoldSmallForm(0x8362), 0x8363);  // ッ -> ツ
  EXPECT_EQ(FoldSmallForm(0x82A0), 0x82A0);  // あ stays
  BenchScorer s;
  // Small for large and large for small count in the folded kana row only.
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["ぁ","あ"],"us":10,"joined":true})"));
  EXPECT_TRUE(s.Add(R"({"char":"ッ","class":"katakana","cands":["ツ"],"us":10})"));
  EXPECT_TRUE(s.Add(R"({"char":"な","class":"hiragana","cands":["な"],"us":10,"joined":true})"));
  EXPECT_TRUE(s.Add(R"({"char":"な","class":"hiragana","cands":["た"],"us":10,"joined":false})"));
  EXPECT_TRUE(s.Add(R"({"char":"木","class":"kanji","cands":["木"],"us":10,"joined":true})"));
  const std::string report = s.Report();
  EXPECT_NE(report.find("joined            3   66.7%  100.0%  100.0%"), std::string::npos) << report;
  EXPECT_NE(report.find("kana              4   75.0%   75.0%   75.0%"), std::string::npos) << report;
  EXPECT_NE(report.find("all               5   40.0%"), std::string::npos) << report;
}

const StrokeList kPlus = {{{15, 50}, {85, 50}}, {{50, 15}, {50, 85}}};
const StrokeList kDot = {{{50, 50}, {51, 51}}};

Sample Make(uint64_t seed, const StrokeList& strokes = kPlus) {
  BenchRng rng(seed);
  return DistortSample(strokes, 100, DistortOptions(), &rng);
}

bool Same(const Sample& a, const Sample& b) {
  if (a.width != b.width || a.strokes.size() != b.strokes.size()) return false;
  for (size_t s = 0; s < a.strokes.size(); ++s) {
    if (a.strokes[s].size() != b.strokes[s].size()) return false;
    for (size_t i = 0; i < a.strokes[s].size(); ++i)
      if (a.strokes[s][i].x != b.strokes[s][i].x || a.strokes[s][i].y != b.strokes[s][i].y) return false;
  }
  return true;
}

TEST(BenchSamples, RepeatableForASeedStrokesKeptAndInsideTheFrame) {
  EXPECT_TRUE(Same(Make(7), Make(7)));
  EXPECT_FALSE(Same(Make(7), Make(8)));
  EXPECT_NE(MixSeed(1, 2), MixSeed(2, 1));
  for (uint64_t seed = 0; seed < 200; ++seed) {
    const Sample tiny = Make(seed, kDot);  // a tiny stroke stays a stroke
    ASSERT_EQ(tiny.strokes.size(), 1u);
    EXPECT_GE(tiny.strokes[0].size(), 2u);
    const Sample s = Make(seed);
    ASSERT_EQ(s.strokes.size(), 2u);
    EXPECT_GE(s.width, 80);
    EXPECT_LE(s.width, 200);
    EXPECT_EQ(s.width, s.height);
    for (const auto& stroke : s.strokes) {
      EXPECT_GE(stroke.size(), 2u);
      for (const auto& p : stroke) {
        // Slant, rotation and wobble may carry a point a little past the frame.
        EXPECT_GT(p.x, -s.width / 4);
        EXPECT_LT(p.x, s.width + s.width / 4);
        EXPECT_GT(p.y, -s.height / 4);
        EXPECT_LT(p.y, s.height + s.height / 4);
      }
    }
  }
}

TEST(BenchSamples, SmallFormsWrittenSmallAndLow) {
  // A small kana drawn, as in its reference, at half the box in its lower left.
  const StrokeList smallTsu = {{{20, 55}, {45, 50}, {62, 58}, {55, 80}, {40, 92}}};
  int small = 0;
  for (uint64_t seed = 0; seed < 200; ++seed) {
    BenchRng rng(seed);
    const Sample s = DistortSample(smallTsu, 100, DistortOptions(), &rng, true);
    int x0 = s.width, y0 = s.height, x1 = 0, y1 = 0;
    for (const auto& p : s.strokes[0]) {
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
      x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    const double larger = std::max(x1 - x0, y1 - y0) / static_cast<double>(s.width);
    EXPECT_GT(larger, 0.2) << seed;
    EXPECT_LT(larger, 0.47) << seed;  // 25-38% before slant, wobble and overshoot
    EXPECT_GT(y0, s.height / 3) << seed;
    // The engine's size classes: small is below 2/5 of the frame both ways.
    if (5 * (x1 - x0) < 2 * s.width && 5 * (y1 - y0) < 2 * s.height) ++small;
  }
  EXPECT_GT(small, 170);  // most; a few come out larger, as some people write them
}

}  // namespace
