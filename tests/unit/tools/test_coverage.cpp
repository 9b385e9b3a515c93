// Coverage targets and the check that fails the build when a required character
// is missing.
#include <gtest/gtest.h>

#include "coverage.h"
#include "rule_forms.h"

namespace {

std::map<uint16_t, size_t> AllOf(const std::vector<CoverageTarget>& targets) {
  std::map<uint16_t, size_t> present;
  for (const auto& t : targets)
    for (uint16_t c : t.codes) present[c] = 1;
  return present;
}

TEST(Coverage, CompleteOnlyWhenNoRequiredCharacterIsMissing) {
  const auto targets = DictionaryTargets();
  auto present = AllOf(targets);
  CoverageReport report = CheckCoverage(present, targets);
  EXPECT_TRUE(report.complete);
  for (const auto& line : report.lines) EXPECT_TRUE(line.missing.empty()) << line.name;
  EXPECT_EQ(report.classes.at("hiragana").characters, 83u);
  EXPECT_NE(FormatCoverage(report).find("coverage complete"), std::string::npos);

  present.erase(0x82A0);   // あ
  present[0x817B] = 0;     // ＋ with no pattern counts as missing
  report = CheckCoverage(present, targets);
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
