// Coverage targets and the check that fails the build when a required character
// is missing.
#include <gtest/gtest.h>

#include <algorithm>

#include "coverage.h"
#include "rule_forms.h"

namespace {

std::map<uint16_t, size_t> AllOf(const std::vector<CoverageTarget>& targets) {
  std::map<uint16_t, size_t> present;
  for (const auto& t : targets)
    for (uint16_t c : t.codes) present[c] = 1;
  return present;
}

const CoverageTarget& Target(const std::vector<CoverageTarget>& targets, const std::string& prefix) {
  for (const auto& t : targets)
    if (t.name.rfind(prefix, 0) == 0) return t;
  ADD_FAILURE() << "no target " << prefix;
  return targets.front();
}

TEST(Coverage, TargetSizes) {
  const auto targets = DictionaryTargets();
  EXPECT_EQ(Target(targets, "level-1").codes.size(), 2965u);
  EXPECT_EQ(Target(targets, "level-2").codes.size(), 3390u);
  EXPECT_FALSE(Target(targets, "level-2").required);
  EXPECT_EQ(Target(targets, "transition").codes.size(), 49u);
  EXPECT_EQ(Target(targets, "hiragana").codes.size(), 83u);
  EXPECT_EQ(Target(targets, "katakana").codes.size(), 86u);
  EXPECT_EQ(Target(targets, "digits").codes.size(), 10u);
  EXPECT_EQ(Target(targets, "capital").codes.size(), 26u);
  EXPECT_EQ(Target(targets, "small").codes.size(), 26u);
  const auto& symbols = Target(targets, "handwritten symbols").codes;
  for (uint16_t c : {0x8141, 0x8142, 0x8143, 0x8144, 0x814A, 0x814B, 0x815E, 0x815F, 0x8160, 0x817C, 0x817D,
                     0x8182, 0x819B, 0x819E, 0x81A0, 0x81A7, 0x8158, 0x8156})
    EXPECT_NE(std::find(symbols.begin(), symbols.end(), c), symbols.end()) << std::hex << c;
  EXPECT_EQ(std::count(symbols.begin(), symbols.end(), 0), 0);
}

TEST(Coverage, CompleteWhenEverythingIsThere) {
  const auto targets = DictionaryTargets();
  const CoverageReport report = CheckCoverage(AllOf(targets), targets);
  EXPECT_TRUE(report.complete);
  for (const auto& line : report.lines) EXPECT_TRUE(line.missing.empty()) << line.name;
  EXPECT_EQ(report.classes.at("hiragana").characters, 83u);
  EXPECT_NE(FormatCoverage(report).find("coverage complete"), std::string::npos);
}

TEST(Coverage, FailsForAMissingRequiredCharacter) {
  const auto targets = DictionaryTargets();
  auto present = AllOf(targets);
  present.erase(0x82A0);   // あ
  present[0x817B] = 0;     // ＋ with no pattern counts as missing
  const CoverageReport report = CheckCoverage(present, targets);
  EXPECT_FALSE(report.complete);
  const std::string table = FormatCoverage(report);
  EXPECT_NE(table.find("82A0(あ)"), std::string::npos) << table;
  EXPECT_NE(table.find("817B(＋)"), std::string::npos) << table;
  EXPECT_NE(table.find("INCOMPLETE"), std::string::npos);
}

TEST(Coverage, MissingLevelTwoKanjiAreReportedOnly) {
  const auto targets = DictionaryTargets();
  auto present = AllOf(targets);
  present.erase(0xEAA4);  // 熙 (level 2, not one of the 49)
  const CoverageReport report = CheckCoverage(present, targets);
  EXPECT_TRUE(report.complete);
  EXPECT_NE(FormatCoverage(report).find("EAA4"), std::string::npos);
  present.erase(0xEA9F);  // 堯 is one of the 49 transition-table kanji
  EXPECT_FALSE(CheckCoverage(present, targets).complete);
}

TEST(Coverage, PatternsAndCharactersPerClass) {
  const CoverageReport report = CheckCoverage({{0x889F, 2}, {0x8158, 1}, {0x82A0, 3}, {0x8260, 1}}, {});
  EXPECT_EQ(report.classes.at("kanji").patterns, 3u);
  EXPECT_EQ(report.classes.at("kanji").characters, 2u);
  EXPECT_EQ(report.classes.at("hiragana").patterns, 3u);
  EXPECT_EQ(report.classes.at("capitals").characters, 1u);
  EXPECT_TRUE(report.complete);
}

TEST(RuleForms, SmallFormsTheEngineDerives) {
  EXPECT_EQ(RuleLargeFormOf(0x829F), 0x82A0);  // ぁ from あ
  EXPECT_EQ(RuleLargeFormOf(0x8396), 0x8350);  // ヶ from ケ
  EXPECT_EQ(RuleLargeFormOf(0x828F), 0x824F);  // ｏ from ０ (and Ｏ)
  EXPECT_EQ(RuleLargeFormOf(0x8290), 0);       // ｐ has a shape of its own
  EXPECT_EQ(RuleLargeFormOf(0x82A0), 0);
  EXPECT_EQ(RuleLargeFormOf(0x838B), 0);       // ル is no small form, whatever a table says
  EXPECT_EQ(RuleLargeFormOf(0), 0);
  const auto reachable = RuleReachableForms({{0x82A0, 1}, {0x826F, 2}, {0x82C2, 0}});
  EXPECT_EQ(reachable, (std::set<uint16_t>{0x829F}));  // not ｐ, and not っ: つ has no pattern
}

TEST(Coverage, SmallFormsCountThroughTheRule) {
  const auto targets = DictionaryTargets();
  auto present = AllOf(targets);
  for (uint16_t c = 0x829F; c <= 0x8396; ++c)
    if (RuleLargeFormOf(c)) present.erase(c);
  EXPECT_FALSE(CheckCoverage(present, targets).complete);
  const CoverageReport report = CheckCoverage(present, targets, RuleReachableForms(present));
  EXPECT_TRUE(report.complete) << FormatCoverage(report);
  EXPECT_GE(report.byRule.size(), 28u);
  EXPECT_NE(FormatCoverage(report).find("small-form rule"), std::string::npos);
}

}  // namespace
