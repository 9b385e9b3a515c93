// The transition table built from the Japanese documentation: it loads, fills its
// capacities sensibly, keeps its indexes sorted and reads like Japanese. Skipped
// when the build made no table (configured without data).
#include <gtest/gtest.h>

#include <fstream>

#include "seni_fixture.h"
#include "seni_state.h"

namespace {

class BuiltTable : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = SENI_BUILT_TABLE;
    if (path_.empty() || !std::ifstream(path_).good()) GTEST_SKIP() << "no built transition table";
    ASSERT_EQ(SeniJishoFrom(path_, &why_), kSeniLoaded) << why_;
  }
  void TearDown() override { SeniClose(); }
  int32_t PairCount(const char* from, const char* to) {
    int32_t c, p;
    SNrun.SNdatatype = 0;
    EXPECT_EQ(SeniGetPrbl(Sj(from), Sj(to), &c, &p), kSeniDone);
    return p;
  }
  std::string path_, why_;
};

}  // namespace

TEST_F(BuiltTable, HeaderAndCapacities) {
  std::ifstream in(path_);
  std::string header;
  std::getline(in, header);
  EXPECT_EQ(header, "SENI     1");
  EXPECT_EQ(SNtable.SNnomng, 1);
  EXPECT_EQ(SNtable.SNp_from[0], 0);
  EXPECT_EQ(SNtable.SNn_from[0], SNtable.SNnobmoji);
  EXPECT_GT(SNtable.SNnobmoji, 2000);
  EXPECT_LE(SNtable.SNnobmoji, SNmabmoji);
  EXPECT_GT(SNtable.SNnoprbl, 80000);
  EXPECT_LE(SNtable.SNnoprbl, SNmaprbl);
  EXPECT_GT(SNtable.SNmax_kaisuu[0], 10000);
}

TEST_F(BuiltTable, TransitionsFollowEachOtherAndCountsArePositive) {
  // Sorted indexes are the loader's own check.
  int32_t next = 0;
  for (int f = 0; f < SNtable.SNnobmoji; ++f) {
    ASSERT_EQ(SNtable.SNp_prbl[f], next) << "transitions follow each other without gaps";
    next += SNtable.SNn_prbl[f];
  }
  EXPECT_EQ(next, SNtable.SNnoprbl);
  for (int t = 0; t < SNtable.SNnoprbl; ++t) ASSERT_GE(SNtable.SNmjprbl[t], 1);
}

TEST_F(BuiltTable, CommonJapanesePairsOutweighRareOnes) {
  EXPECT_GT(PairCount("ま", "す"), 1000);
  EXPECT_GT(PairCount("し", "た"), PairCount("し", "ぬ"));
  EXPECT_GT(PairCount("日", "本"), PairCount("目", "本"));
  EXPECT_GT(PairCount("設", "定"), 10);
  EXPECT_EQ(PairCount("、", "の"), 0);  // never looked up, so never stored

  std::vector<SeniCharRecord> row = {Record({"目", "日"}), Record({"本"}), Record({"五", "語"})};
  ASSERT_EQ(SeniCntl(0, 3, row.data()), kSeniDone);
  EXPECT_EQ(FirstChoices(row), "日本語");
}
