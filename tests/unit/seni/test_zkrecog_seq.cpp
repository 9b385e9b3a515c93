// zkrecog's sequence mode: engine results become the pad's records, rows go to the
// rescoring twelve characters at a time, and both readings come back; and
// `zkrecog --seq` as the measurement uses it, with its errors and exit statuses.
#include <gtest/gtest.h>

#include "json_lines.h"
#include "seni_fixture.h"
#include "seni_record.h"
#include "testdic.h"
#include "zkrecog_seq.h"

namespace {

using Json = nlohmann::ordered_json;

// A horizontal stroke reads as 一 or as the long-vowel mark ー, whose stored forms
// differ a little; 十 is written clearly.
const char kDash[] = R"({"strokes": [[[40,100],[100,100],[160,100]]]})";
const char kTen[] = R"({"strokes": [[[40,100],[160,100]],[[100,40],[100,160]]]})";

class ZkrecogSeq : public LoadedTable {
 protected:
  void SetUp() override {
#ifndef ZKRECOG_COMMAND
    GTEST_SKIP() << "zkrecog is not part of this build";
#endif
    std::vector<SubDicSpec> subs(2);
    subs[0].typeMask = kClassKanji;
    AddWriting(&subs[0], Sj("一"), {PenLine(40, 100, 160, 100)});
    AddWriting(&subs[0], Sj("十"), {PenLine(40, 100, 160, 100), PenLine(100, 40, 100, 160)});
    subs[1].typeMask = kClassKatakana;
    AddWriting(&subs[1], Sj("ー"), {PenLine(50, 104, 150, 96)});
    std::string error;
    DicWriteOptions options;
    options.keepEmptyGroups = false;
    ASSERT_TRUE(WriteDicFile(dir_.File("Crecs.ptn"), subs, options, &error)) << error;
  }

  // Runs zkrecog --seq on `input` with the table `table` (written unless empty).
  Json Run(const std::string& input, const SeniTable& table, int* status) {
    std::string error;
    const std::string tablePath = dir_.File("Senijish.dat");
    if (!table.types.empty()) {
      EXPECT_TRUE(SeniWriteTable(tablePath, table, &error)) << error;
    }
    const std::string in = dir_.File("in.jsonl");
    WriteFileBytes(in, std::vector<uint8_t>(input.begin(), input.end()));
#ifdef ZKRECOG_COMMAND
    const CommandRun run = RunJsonLines(ShellQuote(ZKRECOG_COMMAND) + " --seq --dic " + ShellQuote(dir_.File("Crecs.ptn")) +
                                        " --seni " + ShellQuote(tablePath) + " < " + ShellQuote(in) + " 2>/dev/null");
    *status = run.status;
    return Json(run.lines);
#else
    (void)status;
    return Json::array();
#endif
  }
};

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

TEST_F(ZkrecogSeq, TransitionsChooseTheOtherReadingOfTheDash) {
  const std::string row = std::string(R"({"id": 3, "width": 200, "height": 200, "chars": [)") + kDash + "," +
                          kTen + "]}\n";
  int status = -1;
  Json out = Run(row, TableOf({{"あ", "い", 10}}), &status);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(out.size(), 1u);
  const std::string plain = out[0]["plain"];
  ASSERT_TRUE(plain == "一十" || plain == "ー十") << plain;
  EXPECT_EQ(out[0]["pairs"], plain);  // unknown pairs change nothing
  EXPECT_EQ(out[0]["id"], 3);
  EXPECT_EQ(out[0]["seni"], 0);
  EXPECT_FALSE(out[0].contains("width"));

  const char* other = plain == "一十" ? "ー" : "一";
  out = Run(row, TableOf({{other, "十", 50}}), &status);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0]["plain"], plain);
  EXPECT_EQ(out[0]["pairs"], std::string(other) + "十");
}

TEST_F(ZkrecogSeq, BadRowsGiveErrorsAndAMissingTableStopsTheCommand) {
  const std::string input = std::string(R"({"chars": "no"})") + "\n" + R"({"chars": [{"strokes": 5}]})" + "\n" +
                            R"({"chars": [{"strokes": []}, )" + kTen + "]}\n";
  int status = -1;
  Json out = Run(input, TableOf({{"一", "十", 5}}), &status);
  EXPECT_EQ(status, 1);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0]["error"], "line 1: no \"chars\" array of writings");
  EXPECT_NE(out[1]["error"].get<std::string>().find("line 2: character 1:"), std::string::npos);
  EXPECT_EQ(out[2]["plain"], "？十");  // a writing without strokes has no candidate

  std::remove(dir_.File("Senijish.dat").c_str());
  out = Run(input, SeniTable{}, &status);
  EXPECT_EQ(status, 2);
  EXPECT_TRUE(out.empty());
}

TEST(SeqRecord, CountAndPairsComeFromTheResult) {
  ZkResult r = ResultOf({"あ", "お"}, -20);  // normalised distances may be negative
  const SeniCharRecord record = SeniRecordOf(r);
  EXPECT_EQ(record.count, 2);
  EXPECT_EQ(record.cand[0].code, Sj("あ"));
  EXPECT_EQ(record.cand[0].distance, -20);
  EXPECT_EQ(record.cand[1].distance, -10);
  r.count = 40;
  EXPECT_EQ(SeniRecordOf(r).count, 10);
}

TEST_F(SeqMode, ReadsTheRowBeforeAndAfterRescoringTwelveCharactersAtATime) {
  std::vector<ZkResult> row = {ResultOf({"目", "日"}), ResultOf({"木", "本"}), ZkResult{}, ResultOf({"誤", "語"})};
  const SeqReading reading = ReadRow(row);
  EXPECT_EQ(reading.plain, "目木？誤");
  // The character without candidates stays out, as in the pad: 本 and 語 meet.
  EXPECT_EQ(reading.rescored, "日本？語");
  EXPECT_EQ(reading.result, kSeniDone);

  // Rows go to the rescoring twelve characters at a time, each twelve read as
  // following the text before it: the twelve before, or `before`.
  row.assign(11, ResultOf({"あ"}));
  row.push_back(ResultOf({"日"}));
  row.push_back(ResultOf({"木", "本"}));  // the 13th character starts a new twelve
  EXPECT_EQ(ReadRow(row).rescored, "あああああああああああ日本");
  EXPECT_EQ(ReadRow({ResultOf({"木", "本"})}).rescored, "木");
  EXPECT_EQ(ReadRow({ResultOf({"木", "本"})}, nullptr, WordSettings{}, Sj("日")).rescored, "本");
}
