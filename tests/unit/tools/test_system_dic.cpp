// Coverage: the check that fails the build when a required character is missing; the
// built system dictionary loads, covers them all, each class in its own sub-dictionary.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "codes.h"
#include "coverage.h"
#include "dicfile.h"
#include "dicindex.h"
#include "rule_forms.h"

namespace {

class SystemDic : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef SORENIX_SYSTEM_DIC
    path_ = SORENIX_SYSTEM_DIC;
#endif
    struct stat st;
    if (path_.empty() || stat(path_.c_str(), &st) != 0) GTEST_SKIP() << "no built Crecs.ptn in this build";
    ASSERT_EQ(HiRecLoadRecDic(Dic.ZkRecDic, Dic.ZkUsrDic, path_.c_str(), "/nonexistent/Crecs.upt"), kDicOk);
    ASSERT_EQ(ZkBuildDicIndex(Dic.ZkRecDic, Dic.ZkUsrDic), 0);
  }
  void TearDown() override {
    ZkReleaseDicTable(Dic.ZkRecDic);
    ZkReleaseDicTable(Dic.ZkUsrDic);
  }
  std::string path_;
};

TEST_F(SystemDic, HoldsEveryRequiredCharacterInItsOwnClass) {
  std::map<uint16_t, size_t> perCode;
  std::set<uint32_t> classes;
  int entries = 0;
  for (const DicEntry* e = Dic.ZkRecDic; e->kind == kDicSystem; ++e, ++entries) {
    EXPECT_EQ(e->flags, 0u);
    classes.insert(e->typeMask);
    for (int k = 0; k < kDicGroups; ++k) {
      for (const DicIndexItem* item = e->groupList[k]; item && item->pattern; ++item) {
        KusabiPattern pattern{};
        const uint16_t code = ZkGetDicOnePattern(item->pattern, &pattern);
        ++perCode[code];
        EXPECT_EQ(ZkCheckJisyu(code), e->typeMask) << std::hex << code;
        EXPECT_GE(pattern.segments, 1) << std::hex << code;
        EXPECT_LE(pattern.segments, kMaxSegments);
      }
    }
  }
  EXPECT_LE(entries, kMaxSubDics);
  EXPECT_EQ(classes, (std::set<uint32_t>{kClassKanji, kClassHiragana, kClassKatakana, kClassCapital, kClassSmall,
                                         kClassDigit, kClassSymbol}));
  const CoverageReport report = CheckCoverage(perCode, DictionaryTargets(), RuleReachableForms(perCode));
  EXPECT_TRUE(report.complete) << FormatCoverage(report);
  for (const auto& line : report.lines) EXPECT_TRUE(line.missing.empty()) << line.name;
  // No gesture codes, and no patterns of the small forms the engine derives from
  // their large form (they would compete with it by chance).
  for (const auto& [code, n] : perCode) {
    EXPECT_NE(ZkCheckJisyu(code), kClassGesture) << std::hex << code;
    EXPECT_EQ(RuleLargeFormOf(code), 0) << std::hex << code;
  }
}

std::map<uint16_t, size_t> AllOf(const std::vector<CoverageTarget>& targets) {
  std::map<uint16_t, size_t> present;
  for (const auto& t : targets)
    for (uint16_t c : t.codes) present[c] = 1;
  return present;
}

TEST(Coverage, CompleteOnlyWhenNoRequiredCharacterIsMissingAndOtherKanjiAreReportedOnly) {
  const auto targets = DictionaryTargets();
  auto present = AllOf(targets);
  CoverageReport report = CheckCoverage(present, targets);
  EXPECT_TRUE(report.complete);
  for (const auto& line : report.lines) EXPECT_TRUE(line.missing.empty()) << line.name;
  EXPECT_EQ(report.classes.at("hiragana").characters, 83u);
  EXPECT_NE(FormatCoverage(report).find("coverage complete"), std::string::npos);
  // A missing level-2 kanji is reported only, unless it is one of the 49 the
  // transition table needs.
  present.erase(0xEAA4);  // 熙
  report = CheckCoverage(present, targets);
  EXPECT_TRUE(report.complete);
  EXPECT_NE(FormatCoverage(report).find("EAA4"), std::string::npos);
  present.erase(0xEA9F);  // 堯 is one of them
  EXPECT_FALSE(CheckCoverage(present, targets).complete);
  present[0xEA9F] = 1;

  present.erase(0x82A0);   // あ
  present[0x817B] = 0;     // ＋ with no pattern counts as missing
  report = CheckCoverage(present, targets);
  EXPECT_FALSE(report.complete);
  const std::string table = FormatCoverage(report);
  EXPECT_NE(table.find("82A0(あ)"), std::string::npos) << table;
  EXPECT_NE(table.find("817B(＋)"), std::string::npos) << table;
  EXPECT_NE(table.find("INCOMPLETE"), std::string::npos);
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
