// zkrecog's sequence mode: engine results become the pad's records, rows go to
// the rescoring twelve characters at a time, and both readings come back.
#include <gtest/gtest.h>

#include "seni_fixture.h"
#include "zkrecog_seq.h"

namespace {

ZkResult ResultOf(const std::vector<const char*>& chars, int first = 1000) {
  ZkResult r{};
  r.count = static_cast<int16_t>(chars.size());
  for (size_t i = 0; i < chars.size(); ++i) {
    r.entry[i].code = Sj(chars[i]);
    r.entry[i].type = kCodeDoubleByte;
    r.entry[i].distance = static_cast<uint16_t>(first + 10 * static_cast<int>(i));
  }
  return r;
}

class SeqMode : public LoadedTable {
 protected:
  void SetUp() override { ASSERT_EQ(LoadTable(dir_, TableOf({{"日", "本", 500}, {"本", "語", 300}})), kSeniLoaded); }
};

}  // namespace

TEST(SeqRecord, CountAndPairsComeFromTheResult) {
  ZkResult r = ResultOf({"あ", "お"}, -20);  // normalised distances may be negative
  const SeniCharRecord record = SeqRecordOf(r);
  EXPECT_EQ(record.count, 2);
  EXPECT_EQ(record.cand[0].code, Sj("あ"));
  EXPECT_EQ(record.cand[0].distance, -20);
  EXPECT_EQ(record.cand[1].distance, -10);
  r.count = 40;
  EXPECT_EQ(SeqRecordOf(r).count, 10);
}

TEST_F(SeqMode, ReadsTheRowBeforeAndAfterRescoring) {
  std::vector<ZkResult> row = {ResultOf({"目", "日"}), ResultOf({"木", "本"}), ZkResult{}, ResultOf({"誤", "語"})};
  const SeqReading reading = ReadRow(row);
  EXPECT_EQ(reading.plain, "目木？誤");
  // The character without candidates stays out, as in the pad: 本 and 語 meet.
  EXPECT_EQ(reading.rescored, "日本？語");
  EXPECT_EQ(reading.result, kSeniDone);
}

TEST_F(SeqMode, RowsGoToTheRescoringTwelveAtATime) {
  std::vector<ZkResult> row(11, ResultOf({"あ"}));
  row.push_back(ResultOf({"日"}));
  row.push_back(ResultOf({"木", "本"}));  // the 13th character starts a new row
  EXPECT_EQ(ReadRow(row).rescored, "あああああああああああ日木");
  row.erase(row.begin());
  EXPECT_EQ(ReadRow(row).rescored, "ああああああああああ日本");
}
