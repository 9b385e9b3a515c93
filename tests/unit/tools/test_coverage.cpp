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
