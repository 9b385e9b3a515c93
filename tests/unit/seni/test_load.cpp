// Loading the transition table: a written table reads back field for field, every
// damaged file is refused with 3 and leaves nothing loaded; the character index; the
// table built from the documentation (skipped when the build made none).
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "seni_fixture.h"
#include "seni_format.h"
#include "seni_state.h"

namespace {

// Two data types over three from-entries and five transitions.
const char kValid[] =
    "SENI     2\n"
    "    0      2\n"
    "    2      1\n"
    "    3\n"
    "  119         40          0     2\n"
    "  351        900          2     2\n"
    "  120          7          4     1\n"
    "         5\n"
    "  120    30\n"
    " 4403     5\n"
    "  352   800\n"
    " 4505     1\n"
    "  119     7\n";

int LoadText(const TempDir& dir, const std::string& text, std::string* why = nullptr) {
  const std::string path = dir.File("table.dat");
  std::ofstream(path, std::ios::binary) << text;
  return SeniJishoFrom(path, why);
}

// kValid with the line `line` (0-based) replaced; npos-safe for tests.
std::string Replace(int line, const std::string& with) {
  std::string text = kValid;
  size_t start = 0;
  for (int i = 0; i < line; ++i) start = text.find('\n', start) + 1;
  const size_t end = text.find('\n', start);
  return text.replace(start, end - start, with);
}

std::string Truncate(int lines) {
  std::string text = kValid;
  size_t end = 0;
  for (int i = 0; i < lines; ++i) end = text.find('\n', end) + 1;
  return text.substr(0, end);
}

void ExpectNothingLoaded() {
  EXPECT_EQ(SNtable.SNnomng, 0);
  EXPECT_EQ(SNtable.SNnobmoji, 0);
  EXPECT_EQ(SNtable.SNnoprbl, 0);
  EXPECT_EQ(SNtable.SNmjfrom.capacity(), 0u);
  EXPECT_EQ(SNtable.SNmjto.capacity(), 0u);
  EXPECT_EQ(SNtable.SNmjprbl.capacity(), 0u);
  SeniCharRecord r{};
  EXPECT_EQ(SeniCntl(0, 1, &r), kSeniBadType);
}

class SeniLoad : public LoadedTable {};

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

TEST_F(SeniLoad, ReadsEveryFieldAndTheLargestOccurrencePerType) {
  ASSERT_EQ(LoadText(dir_, kValid), kSeniLoaded);
  const auto first = [](const auto& v, int n) { return std::vector<long>(v.begin(), v.begin() + n); };
  EXPECT_EQ((std::vector<long>{SNtable.SNnomng, SNtable.SNp_from[1], SNtable.SNn_from[1], SNtable.SNnobmoji,
                               SNtable.SNnoprbl, SNtable.SNmax_kaisuu[0], SNtable.SNmax_kaisuu[1]}),
            (std::vector<long>{2, 2, 1, 3, 5, 900, 7}));
  EXPECT_EQ(first(SNtable.SNmjfrom, 3), (std::vector<long>{119, 351, 120}));
  EXPECT_EQ(first(SNtable.SNkaisuu, 3), (std::vector<long>{40, 900, 7}));
  EXPECT_EQ(first(SNtable.SNp_prbl, 3), (std::vector<long>{0, 2, 4}));
  EXPECT_EQ(first(SNtable.SNn_prbl, 3), (std::vector<long>{2, 2, 1}));
  EXPECT_EQ(first(SNtable.SNmjto, 5), (std::vector<long>{120, 4403, 352, 4505, 119}));
  EXPECT_EQ(first(SNtable.SNmjprbl, 5), (std::vector<long>{30, 5, 800, 1, 7}));
  SeniClose();
  ExpectNothingLoaded();
}

TEST_F(SeniLoad, WriterOutputReadsBackAndToleratesCrLf) {
  const SeniTable table = TableOf({{"日", "本", 120}, {"日", "曜", 30}, {"本", "日", 9}});
  ASSERT_EQ(LoadTable(dir_, table), kSeniLoaded);
  EXPECT_EQ(SNtable.SNnobmoji, 2);
  EXPECT_EQ(SNtable.SNnoprbl, 3);
  EXPECT_EQ(SNtable.SNmax_kaisuu[0], 150);

  std::string crlf;
  for (char c : std::string(kValid)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(LoadText(dir_, crlf), kSeniLoaded);
  EXPECT_EQ(LoadText(dir_, std::string(kValid) + "\n  \n"), kSeniLoaded);
}

TEST_F(SeniLoad, MissingFileGivesOneTruncationAnywhereThreeAndReleasesTheTableBefore) {
  EXPECT_EQ(SeniJishoFrom(dir_.File("none.dat")), kSeniNoFile);
  ExpectNothingLoaded();
  // 0 lines: no header; 3: no from-count line; 5: inside the from-entries;
  // 7: no transition count; 10: inside the transitions.
  for (int lines : {0, 1, 2, 3, 5, 7, 10, 12}) {
    std::string why;
    EXPECT_EQ(LoadText(dir_, Truncate(lines), &why), kSeniBadFile) << lines << " lines";
    EXPECT_FALSE(why.empty());
    ExpectNothingLoaded();
  }
}

TEST_F(SeniLoad, DamagedFieldsGiveThree) {
  const std::string valid = kValid;
  const std::string cases[] = {
      // Counts beyond the capacities.
      Replace(0, "SENI   201"), Replace(3, " 5001"), Replace(7, "     87001"), Replace(0, "SENI    -1"),
      // Ranges running past their tables.
      Replace(2, "    2      2"), Replace(2, "   -1      1"),
      Replace(6, "  120          7          4     2"), Replace(6, "  120          7         -1     1"),
      Replace(4, " 4555         40          0     2"),  // from index beyond the index table
      Replace(4, "   -3         40          0     2"),
      Replace(4, "  119          0          0     2"),  // never-seen character: would divide by 0
      Replace(4, "  119 9999999999          0     2"),  // beyond 32 bits
      Replace(8, " 4555    30"),                        // to index
      Replace(8, "  120 40000"),                        // pair count beyond 16 bits
      Replace(8, "  120    -5"), Replace(8, "  1x0    30"), Replace(0, "SENI    2x"), Replace(0, "SENI"),
      Replace(1, "    0"),  // count column missing
      Replace(4, "  119         4O          0     2"), Replace(9, ""),
      // Unsorted from- and to-indexes, an over-long line, text after the end.
      Replace(5, "  100        900          2     2"), Replace(9, "  100     5"),
      Replace(4, "  119         40          0     2" + std::string(50, ' ')), valid + "  119     7\n",
  };
  for (const std::string& text : cases) {
    std::string why;
    EXPECT_EQ(LoadText(dir_, text, &why), kSeniBadFile) << text;
    EXPECT_FALSE(why.empty()) << text;
  }
  ExpectNothingLoaded();
  // A failed load releases the table loaded before.

  ASSERT_EQ(LoadText(dir_, kValid), kSeniLoaded);
  EXPECT_EQ(LoadText(dir_, Truncate(6)), kSeniBadFile);
  ExpectNothingLoaded();
}

TEST(SeniCodeIndex, EveryIndexBelongsToOneCode) {
  std::set<int> seen;
  for (int code = 0; code <= 0xFFFF; ++code) {
    const int index = SeniCodeIndex(static_cast<uint16_t>(code));
    ASSERT_LE(index, 4554);
    if (index <= 0) continue;
    EXPECT_TRUE(seen.insert(index).second) << "index " << index << " twice, at " << std::hex << code;
  }
  EXPECT_EQ(seen.size(), 4554u);  // 1..4554; index 0 is shared by the line ends and the space
}

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
