// Judging variant forms with the engine: a variant the dictionary already reads
// as its character is left out, one it reads as another character is kept.
#include <gtest/gtest.h>

#include "codes.h"
#include "dic_assembly.h"
#include "recog.h"
#include "tempdir.h"
#include "variant_filter.h"

namespace {

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

TEST_F(VariantFilter, AFormTheDictionaryReadsAlreadyIsLeftOut) {
  // 十 written a little differently: still read as 十.
  const StrokeList variant = {{{12, 48}, {88, 44}}, {{52, 12}, {48, 88}}};
  const VariantVerdict v = JudgeVariant(Form(0x8F5C, variant), PatternMakerOptions(), 0);
  EXPECT_FALSE(v.keep);
  EXPECT_GT(v.margin, 0);
  // With a margin wider than the one it has, the same form is kept.
  EXPECT_TRUE(JudgeVariant(Form(0x8F5C, variant), PatternMakerOptions(), v.margin + 1).keep);
}

TEST_F(VariantFilter, AFormReadAsAnotherCharacterIsKept) {
  // A "variant" of 一 that looks like 二.
  const VariantVerdict v = JudgeVariant(Form(0x88EA, kTwo), PatternMakerOptions(), 0);
  EXPECT_TRUE(v.keep);
  EXPECT_EQ(v.margin, -1);
}

}  // namespace
