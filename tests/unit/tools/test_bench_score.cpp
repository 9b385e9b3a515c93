// The benchmark scorer: ranks counted per group, the look-alike and kana rows, failed lines.
#include <gtest/gtest.h>

#include "bench_score.h"

namespace {

TEST(BenchScore, CountsTopRanksPerGroup) {
  BenchScorer s;
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["あ","お"],"dist":[1,2],"us":100})"));
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["お","め","ぬ","の","あ"],"us":300})"));
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":["1","2","3","4","5","6","7","8","9","あ"],"us":200})"));
  EXPECT_TRUE(s.Add(R"({"char":"あ","class":"hiragana","cands":[],"us":400})"));
  // Without a class field the group comes from the code.
  EXPECT_TRUE(s.Add(R"({"char":"Ａ","cands":["Ａ"],"us":50})"));
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

TEST(BenchScore, FailedLines) {
  BenchScorer s;
  EXPECT_FALSE(s.Add(R"({"error": "line 3: bad"})"));
  EXPECT_FALSE(s.Add("not json"));
  EXPECT_FALSE(s.Add(R"({"char":"あ","us":1})"));
  EXPECT_FALSE(s.Add(R"({"char":"あ","cands":"あ","us":1})"));
  EXPECT_EQ(s.failed(), 4u);
  EXPECT_NE(s.Report().find("failed lines: 4"), std::string::npos);
}

}  // namespace
