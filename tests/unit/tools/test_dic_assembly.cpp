// Sub-dictionaries per class, split at the container's limits and read back by the
// engine's loader; variant forms the dictionary already reads are left out.
#include <gtest/gtest.h>

#include "codes.h"
#include "dic_assembly.h"
#include "dicfile.h"
#include "dicindex.h"
#include "recog.h"
#include "tempdir.h"
#include "variant_filter.h"

namespace {

DicPatternSpec Pattern(uint16_t code, int segments, int seed = 0) {
  DicPatternSpec p;
  p.code = code;
  for (int s = 0; s < segments; ++s)
    p.segments.push_back({static_cast<int8_t>(s + seed), static_cast<int8_t>(-s), static_cast<int8_t>(s + 1),
                          static_cast<int8_t>(seed % 100)});
  return p;
}

size_t CountPatterns(const std::vector<SubDicSpec>& subs) {
  size_t n = 0;
  for (const auto& sub : subs)
    for (const auto& g : sub.groups) n += g.size();
  return n;
}

ReferenceForm Form(uint16_t code, StrokeList strokes) {
  ReferenceForm f;
  f.code = code;
  f.box = 100;
  f.strokes = std::move(strokes);
  return f;
}

const StrokeList kOne = {{{10, 50}, {90, 50}}};
const StrokeList kTwo = {{{25, 30}, {75, 30}}, {{10, 75}, {90, 75}}};
const StrokeList kTen = {{{10, 45}, {90, 45}}, {{50, 10}, {50, 90}}};
const StrokeList kMouth = {{{20, 20}, {20, 80}}, {{20, 20}, {80, 20}, {80, 80}}, {{20, 80}, {80, 80}}};

class VariantFilter : public ::testing::Test {
 protected:
  void SetUp() override {
    PatternMakerOptions options;
    std::vector<BuiltPattern> patterns;
    for (const auto& f : {Form(0x88EA, kOne), Form(0x93F1, kTwo), Form(0x8F5C, kTen), Form(0x8CFB, kMouth)}) {
      BuiltPattern p;
      ASSERT_TRUE(MakePattern(f, options, &p));
      patterns.push_back(p);
    }
    std::vector<SubDicSpec> subs;
    size_t dropped = 0;
    std::string error;
    ASSERT_TRUE(AssembleSubDics(patterns, &subs, &dropped, &error)) << error;
    DicWriteOptions write;
    write.keepEmptyGroups = false;
    ASSERT_TRUE(WriteDicFile(dir_.File("base.ptn"), subs, write, &error)) << error;
    ASSERT_EQ(ZkCRecInitializesFrom(dir_.File("base.ptn").c_str(), dir_.File("none.upt").c_str()), 0);
  }
  void TearDown() override { ZkCRecEnd(); }
  TempDir dir_;
};

}  // namespace

TEST(SplitIntoSubDics, SplitsWhereAGroupWouldStartBeyondTheLimit) {
  // 90-segment records are 364 bytes: 3000 of them push group 1's start past
  // 65535 units of 16 bytes, so group 1 must open a second block.
  std::vector<DicPatternSpec> groups[kDicGroups];
  for (int i = 0; i < 3000; ++i) groups[0].push_back(Pattern(0x889F, 90, i));
  groups[1] = {Pattern(0x88A0, 2), Pattern(0x88A1, 2)};
  groups[20] = {Pattern(0x88A2, 5)};
  ASSERT_FALSE(SubDicFits([&] {
    SubDicSpec all;
    for (int k = 0; k < kDicGroups; ++k) all.groups[k] = groups[k];
    return all;
  }(), false));

  std::vector<SubDicSpec> out;
  std::string error;
  ASSERT_TRUE(SplitIntoSubDics(kClassKanji, groups, &out, &error)) << error;
  ASSERT_EQ(out.size(), 2u);
  for (const auto& sub : out) {
    EXPECT_TRUE(SubDicFits(sub, false));
    EXPECT_EQ(sub.typeMask, kClassKanji);
  }
  EXPECT_EQ(out[0].groups[0].size(), 3000u);
  EXPECT_TRUE(out[0].groups[1].empty());
  EXPECT_EQ(out[1].groups[1].size(), 2u);
  EXPECT_EQ(out[1].groups[20].size(), 1u);
  EXPECT_EQ(out[0].groups[0][2999].segments[0][0], static_cast<int8_t>(2999 % 256 + 0));
}

TEST(SplitIntoSubDics, SplitsAGroupOverItsCountLimitAndRefusesAPatternNoBlockCanHold) {
  std::vector<DicPatternSpec> groups[kDicGroups];
  groups[3].assign(70000, Pattern(0x8260, 0));
  std::vector<SubDicSpec> out;
  std::string error;
  ASSERT_TRUE(SplitIntoSubDics(kClassCapital, groups, &out, &error)) << error;
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].groups[3].size(), 65535u);
  EXPECT_EQ(out[1].groups[3].size(), 70000u - 65535u);

  groups[3].clear();
  groups[0] = {Pattern(0x8260, 91)};
  EXPECT_FALSE(SplitIntoSubDics(kClassCapital, groups, &out, &error));
  EXPECT_NE(error.find("8260"), std::string::npos) << error;
}

TEST(AssembleSubDics, ByClassInOrderWithoutDuplicatesAndNothingElse) {
  std::vector<BuiltPattern> patterns = {
      {1, Pattern(0x8193, 2)},   // ％ symbols
      {2, Pattern(0x82A0, 3)},   // あ hiragana
      {2, Pattern(0x82A0, 3)},   // the same pattern again: stored once
      {2, Pattern(0x82A0, 3, 1)},  // another form of あ: kept
      {3, Pattern(0x889F, 4)},   // 亜 kanji
      {1, Pattern(0x8158, 2)},   // 々 counts as kanji
      {1, Pattern(0x815B, 1)},   // ー counts as katakana
      {2, Pattern(0x8250, 2)},   // １ digit
      {2, Pattern(0x8281, 2)},   // ａ small letter
      {2, Pattern(0x8260, 2)},   // Ａ capital
      {25, Pattern(0x9F98, 60)}, // many strokes go to group 20
  };
  std::vector<SubDicSpec> subs;
  size_t dropped = 0;
  std::string error;
  ASSERT_TRUE(AssembleSubDics(patterns, &subs, &dropped, &error)) << error;
  EXPECT_EQ(dropped, 1u);
  ASSERT_EQ(subs.size(), 7u);
  const uint32_t order[] = {kClassKanji, kClassHiragana, kClassKatakana, kClassCapital,
                            kClassSmall, kClassDigit,    kClassSymbol};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(subs[i].typeMask, order[i]);
    EXPECT_EQ(subs[i].flags, 0u);
    for (const auto& g : subs[i].groups)
      for (const auto& p : g) EXPECT_EQ(ZkCheckJisyu(p.code), order[i]);
  }
  EXPECT_EQ(subs[0].groups[0][0].code, 0x8158);
  EXPECT_EQ(subs[0].groups[20][0].code, 0x9F98);
  EXPECT_EQ(subs[1].groups[1].size(), 2u);
  // Gesture codes and codes of no class are refused.
  EXPECT_FALSE(AssembleSubDics({{1, Pattern(0x8051, 1)}}, &subs, &dropped, &error));
  EXPECT_NE(error.find("8051"), std::string::npos);
  EXPECT_FALSE(AssembleSubDics({{1, Pattern(0x41, 1)}}, &subs, &dropped, &error));
}

TEST(AssembleSubDics, LargeClassRoundTripsThroughTheEngineLoader) {
  std::vector<BuiltPattern> patterns;
  // Group 3 starts beyond 3000 records of 364 bytes.
  for (int i = 0; i < 4000; ++i) patterns.push_back({1 + i % 4, Pattern(static_cast<uint16_t>(0x889F + i % 90), 90, i)});
  patterns.push_back({1, Pattern(0x82A0, 2)});
  std::vector<SubDicSpec> subs;
  size_t dropped = 0;
  std::string error;
  ASSERT_TRUE(AssembleSubDics(patterns, &subs, &dropped, &error)) << error;
  ASSERT_GE(subs.size(), 3u);  // the kanji needed more than one block
  EXPECT_EQ(CountPatterns(subs), patterns.size() - dropped);

  TempDir dir;
  DicWriteOptions options;
  options.keepEmptyGroups = false;
  ASSERT_TRUE(WriteDicFile(dir.File("Crecs.ptn"), subs, options, &error)) << error;
  const std::string noUser = dir.File("none.upt");
  ASSERT_EQ(HiRecLoadRecDic(Dic.ZkRecDic, Dic.ZkUsrDic, dir.File("Crecs.ptn").c_str(), noUser.c_str()), kDicOk);
  ASSERT_EQ(ZkBuildDicIndex(Dic.ZkRecDic, Dic.ZkUsrDic), 0);
  size_t loaded = 0;
  for (int e = 0; Dic.ZkRecDic[e].kind == kDicSystem; ++e) {
    EXPECT_EQ(Dic.ZkRecDic[e].typeMask, subs[e].typeMask);
    for (int k = 0; k < kDicGroups; ++k)
      for (const DicIndexItem* item = Dic.ZkRecDic[e].groupList[k]; item && item->pattern; ++item) ++loaded;
  }
  EXPECT_EQ(loaded, CountPatterns(subs));
  ZkReleaseDicTable(Dic.ZkRecDic);
  ZkReleaseDicTable(Dic.ZkUsrDic);
}

TEST_F(VariantFilter, AFormTheDictionaryReadsAlreadyIsLeftOutOneReadAsAnotherIsKept) {
  // 十 written a little differently: still read as 十.
  const StrokeList variant = {{{12, 48}, {88, 44}}, {{52, 12}, {48, 88}}};
  const VariantVerdict v = JudgeVariant(Form(0x8F5C, variant), PatternMakerOptions(), 0);
  EXPECT_FALSE(v.keep);
  EXPECT_GT(v.margin, 0);
  // With a margin wider than the one it has, the same form is kept.
  EXPECT_TRUE(JudgeVariant(Form(0x8F5C, variant), PatternMakerOptions(), v.margin + 1).keep);
  // A "variant" of 一 that looks like 二 is kept.
  const VariantVerdict misread = JudgeVariant(Form(0x88EA, kTwo), PatternMakerOptions(), 0);
  EXPECT_TRUE(misread.keep);
  EXPECT_EQ(misread.margin, -1);
}
