// zkrecog as scripts use it: good and bad lines, copied fields, per-line errors
// and the exit statuses 0, 1 and 2.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "json_lines.h"
#include "testdic.h"
#include "usrdic.h"

namespace {

using Json = nlohmann::ordered_json;

class ZkrecogTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef ZKRECOG_COMMAND
    GTEST_SKIP() << "zkrecog is not part of this build";
#else
    std::vector<SubDicSpec> subs(3);
    subs[0].typeMask = kClassKanji;
    AddWriting(&subs[0], 0x88EA, {PenLine(40, 100, 160, 100)});                              // 一
    AddWriting(&subs[0], 0x8F5C, {PenLine(40, 100, 160, 100), PenLine(100, 40, 100, 160)});  // 十
    subs[1].typeMask = kClassGesture;
    AddWriting(&subs[1], 0x8051, {PenPath({{30, 90}, {80, 170}, {175, 20}})});
    subs[2].typeMask = kClassDigit;
    AddWriting(&subs[2], 0x8250, {PenLine(100, 30, 100, 170)});  // １
    std::string error;
    DicWriteOptions options;
    options.keepEmptyGroups = false;
    ASSERT_TRUE(WriteDicFile(dir_.File("Crecs.ptn"), subs, options, &error)) << error;
#endif
  }

  CommandRun Zkrecog(const std::string& input, const std::string& args = "") {
#ifdef ZKRECOG_COMMAND
    const std::string in = dir_.File("in.jsonl");
    WriteFileBytes(in, std::vector<uint8_t>(input.begin(), input.end()));
    return RunJsonLines("timeout 60 " + ShellQuote(ZKRECOG_COMMAND) + " " + args + " < " + ShellQuote(in) + " 2>" +
                        ShellQuote(dir_.File("err")));
#else
    (void)input;
    (void)args;
    return CommandRun();
#endif
  }
  std::string DicArgs() const { return "--dic " + ShellQuote(dir_.File("Crecs.ptn")); }
  std::string Stderr() const {
    const auto bytes = ReadFileBytes(dir_.File("err"));
    return std::string(bytes.begin(), bytes.end());
  }
  TempDir dir_;
};

const char kIchi[] = R"({"id": 7, "strokes": [[[40,100],[100,100],[160,100]]], "width": 200, "height": 200, "char": "一"})";

}  // namespace

// Copied fields keep the order of the line, nested ones too; a key given twice keeps
// its first place and its last value.
TEST_F(ZkrecogTest, GoodLinesKeepTheirFieldsAndAddTheAnswer) {
  const std::string input =
      std::string(R"({"id": 6, "meta": {"z": 1, "a": 2}, )") + (kIchi + 1) + "\n" +
      R"({"strokes": [[[40,100],[160,100]],[[100,40],[100,160]]], "char": "十"})" + "\n";
  const CommandRun run = Zkrecog(input, DicArgs());
  EXPECT_EQ(run.status, 0) << run.raw;
  ASSERT_EQ(run.lines.size(), 2u);
  const Json& first = run.lines[0];
  EXPECT_EQ(run.raw.rfind(R"({"id":7,"meta":{"z":1,"a":2},"char":"一","kind":0,"cands":[)", 0), 0u) << run.raw;
  std::vector<std::string> keys;
  for (const auto& item : first.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, std::vector<std::string>({"id", "meta", "char", "kind", "cands", "dist", "us"}));
  EXPECT_EQ(first["kind"], 0);
  ASSERT_FALSE(first["cands"].empty());
  EXPECT_EQ(first["cands"][0], "一");
  EXPECT_EQ(first["cands"].size(), first["dist"].size());
  EXPECT_TRUE(first["dist"][0].is_number_integer());
  EXPECT_GE(first["us"].get<long long>(), 0);
  EXPECT_EQ(run.lines[1]["cands"][0], "十");
}

TEST_F(ZkrecogTest, GestureAndOptions) {
  const std::string gesture = R"({"strokes": [[[35,95],[85,165],[170,25]]], "width": 200, "height": 200})";
  CommandRun run = Zkrecog(gesture + "\n", DicArgs());
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(run.lines[0]["kind"], 2);
  EXPECT_EQ(run.lines[0]["cands"], Json::array({"#8051"}));

  // Gestures only take part when the mask includes them; the two kanji are too far
  // from a check mark, so nothing is recognised.
  for (const std::string& line :
       {gesture, std::string(R"({"strokes": [[[35,95],[85,165],[170,25]]], "mask": "40000"})"),
        std::string(R"({"strokes": [[[35,95],[85,165],[170,25]]], "mask": 262144})")}) {
    run = Zkrecog(line + "\n", DicArgs() + (line == gesture ? " --mask 0x40000" : ""));
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0]["kind"], 4) << line;
    EXPECT_EQ(run.lines[0]["cands"], Json::array());
  }
  run = Zkrecog(std::string(kIchi) + "\n", DicArgs() + " --mask 40000");
  EXPECT_EQ(run.lines[0]["cands"][0], "一");
}

TEST_F(ZkrecogTest, HalfWidthOutput) {
  const std::string one = R"({"strokes": [[[100,30],[100,170]]], "width": 200, "height": 200)";
  CommandRun run = Zkrecog(one + "}\n" + one + R"(, "half": true})" + "\n", DicArgs());
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0]["cands"][0], "１");
  EXPECT_EQ(run.lines[1]["cands"][0], "1");
  run = Zkrecog(one + "}\n" + one + R"(, "half": false})" + "\n", DicArgs() + " --half");
  EXPECT_EQ(run.lines[0]["cands"][0], "1");
  EXPECT_EQ(run.lines[1]["cands"][0], "１");
}

// Every line gets one answer in its place, so a caller pairs them up by counting;
// hostile or oversized lines each get their own error and never end the run.
TEST_F(ZkrecogTest, BadLinesGiveNumberedErrorsAndTheRunGoesOn) {
  auto strokes = [](int count, int points) {
    std::string s = R"({"strokes": [)";
    for (int i = 0; i < count; ++i) {
      s += i ? ",[" : "[";
      for (int p = 0; p < points; ++p) s += (p ? "," : "") + std::string("[40,") + std::to_string(100 + p % 50) + "]";
      s += "]";
    }
    return s + "]}";
  };
  const struct {
    std::string line;
    const char* error;  // a part of its error; nullptr: no error
  } rows[] = {
      {"not json", ""},
      {R"({"id": 1})", ""},
      {R"({"strokes": [[[40,100],[40000,100]]]})", "-32768 to 32767"},
      {R"({"strokes": [[[40.5,100],[160,100]]]})", ""},
      {R"({"strokes": [[[40,100,3]]]})", ""},
      {R"({"strokes": [], "width": 200})", ""},
      {R"({"strokes": [[[1,2]]], "half": "yes"})", ""},
      {R"({"strokes": [[[1,2]]], "width": -5})", ""},
      {R"({"strokes": [[[1,2]]], "mask": "0xZZ"})", ""},
      {R"([1, 2])", ""},
      {"", ""},
      {" \t", ""},
      {std::string(kIchi) + std::string(1, '\0') + "more", "NUL"},
      {R"({"strokes": [[[40,100],[160,100]]], "note": 1e400})", "not usable"},
      {std::string(100000, '[') + std::string(100000, ']'), "nested more than 64 deep"},
      {R"({"strokes": [[[40,100],[160,100]]], "x": )" + std::string(60000, '[') + std::string(60000, ']') + "}",
       "nested more than 64 deep"},
      {R"({"note": ")" + std::string(1 << 20, 'a') + R"("})", "longer than 1048576 bytes"},
      {strokes(31, 2), "31 strokes; the engine reads at most 30"},
      {strokes(2, 800), "1600 points; the engine reads at most 1536"},
      {R"({"strokes": [[[40,100],[160,100]]], "x": "[[[[", "y": [[["]]]]"]]]})", nullptr},  // brackets in strings
  };
  std::string input;
  for (const auto& row : rows) input += row.line + "\n";
  const CommandRun run = Zkrecog(input + kIchi + "\n", DicArgs());
  EXPECT_EQ(run.status, 1);
  ASSERT_EQ(run.lines.size(), std::size(rows) + 1) << run.raw.substr(0, 2000);
  for (size_t i = 0; i < std::size(rows); ++i) {
    const std::string error = run.lines[i].value("error", "");
    if (!rows[i].error) {
      EXPECT_EQ(error, "") << i;
      continue;
    }
    EXPECT_EQ(error.rfind("line " + std::to_string(i + 1) + ": ", 0), 0u) << i << ": " << error;
    EXPECT_NE(error.find(rows[i].error), std::string::npos) << error;
  }
  EXPECT_EQ(run.lines.back()["cands"][0], "一");
}

// A FIFO or device named as a file is refused at once, never waited on or read (the
// command's time limit turns a hang into a failure). A user dictionary named is as
// required as the system one: missing, not a file or damaged, it stops the run rather
// than answering without it.
TEST_F(ZkrecogTest, DictionaryProblemsStopWithStatusTwo) {
  WriteFileBytes(dir_.File("bad.ptn"), std::vector<uint8_t>(700, 0x41));
  ASSERT_EQ(mkfifo(dir_.File("fifo").c_str(), 0600), 0);
  const std::string userDic = DicArgs() + " --user-dic ";
  const struct {
    std::string args;
    const char* error = "";  // a part of what the command tells
  } runs[] = {
      {"--dic " + ShellQuote(dir_.File("missing.ptn")), "missing.ptn"},
      {"--dic " + ShellQuote(dir_.File("bad.ptn")), "not a valid pattern dictionary"},
      {DicArgs() + " --mask nothex"},
      {"--dic " + ShellQuote(dir_.File("fifo"))},
      {"--dic /dev/zero"},
      {DicArgs() + " --seq --seni " + ShellQuote(dir_.File("fifo"))},
      {DicArgs() + " --seq --seni /dev/zero"},
      {userDic + ShellQuote(dir_.File("fifo"))},
      {userDic + ShellQuote(dir_.File("missing.upt"))},
      {userDic + ShellQuote(dir_.path())},
      {userDic + ShellQuote(dir_.File("bad.ptn"))},
  };
  for (const auto& r : runs) {
    const CommandRun run = Zkrecog(std::string(kIchi) + "\n", r.args);
    EXPECT_EQ(run.status, 2) << r.args;
    EXPECT_TRUE(run.lines.empty()) << r.args;
    EXPECT_NE(Stderr().find(r.error), std::string::npos) << r.args;
  }
}

TEST_F(ZkrecogTest, ReadsAUserDictionaryTheEngineSaved) {
  // 二 taught as a cross written bottom-up and right to left, saved by the engine.
  const PenStrokes odd = {PenLine(100, 160, 100, 40), PenLine(160, 100, 40, 100)};
  const std::string usr = dir_.File("Crecs.upt");
  ASSERT_EQ(ZkCRecInitializesFrom(dir_.File("Crecs.ptn").c_str(), usr.c_str()), 0);
  const auto pen = PenWords(odd);
  ASSERT_GE(ZkChrckEntryPatternUsr(0x93F1, pen.data(), pen.size()), 0);
  ASSERT_EQ(ZkEntryPatternUsr(), 0);
  ASSERT_EQ(ZkSaveUsrDic(), 0);
  ZkCRecEnd();

  const std::string line = R"({"strokes": [[[100,160],[100,100],[100,40]],[[160,100],[100,100],[40,100]]]})";
  const CommandRun run = Zkrecog(line + "\n", DicArgs() + " --user-dic " + ShellQuote(usr));
  ASSERT_EQ(run.lines.size(), 1u) << run.raw;
  EXPECT_EQ(run.lines[0]["cands"][0], "二");
  EXPECT_EQ(Zkrecog(line + "\n", DicArgs()).lines[0]["cands"], Json::array());  // reversed strokes match nothing
}
