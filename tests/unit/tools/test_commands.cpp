// zkdic-sheet and zkcode as people run them: wrong input or arguments give a message
// and status 2, never an abort or a hang, and zkcode shows what a single-byte
// character is.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tempdir.h"

namespace {

struct Outcome {
  int status = -1;  // the exit status; -1 when the command did not exit
  std::string out, err;
};

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string Text(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Runs `command` under a time limit (a hang becomes status 124).
[[maybe_unused]] Outcome Command(const TempDir& dir, const std::string& command) {
  const int status = std::system(("timeout 20 " + command + " > " + Quote(dir.File("out")) + " 2> " +
                                  Quote(dir.File("err")) + " < /dev/null").c_str());
  Outcome run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Text(dir.File("out"));
  run.err = Text(dir.File("err"));
  return run;
}

}  // namespace

TEST(ZkdicSheet, BadSamplesAndArgumentsAreReported) {
#ifndef ZKDIC_SHEET_COMMAND
  GTEST_SKIP() << "zkdic-sheet is not part of this build";
#else
  TempDir dir;
  const std::string good = R"({"strokes": [[[0,0],[50,50]]], "width": 100, "char": "一"})";
  ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
  const struct {
    std::string samples;  // the file's text, or "fifo"
    std::string args;
    int status;
    const char* message;  // on standard error, or on standard output with status 0
  } rows[] = {
      {good + "\n\n" + good + "\n", "", 0, "2 cells"},
      {good + "\n" + good + "\n", "--first 1", 0, "1 cells"},
      {R"({"strokes": 5})", "", 2, "samples.jsonl:1: \"strokes\" must be an array"},
      {good + "\n" + R"({"strokes": [[["a", 1]]]})", "", 2, "samples.jsonl:2: a point must be [x, y]"},
      {R"({"strokes": [], "width": "wide"})", "", 2, "\"width\" and \"height\""},
      {R"({"strokes": [], "char": 5})", "", 2, "\"char\" must be a string"},
      {"not json", "", 2, "samples.jsonl:1: not a JSON object"},
      {good, "--first x", 2, "--first wants a number"},
      {good, "--first -1", 2, "--first wants a number"},
      {"fifo", "", 2, "not a regular file"},
  };
  for (const auto& row : rows) {
    std::string samples = dir.File("fifo");
    if (row.samples != "fifo") {
      samples = dir.File("samples.jsonl");
      WriteFileBytes(samples, std::vector<uint8_t>(row.samples.begin(), row.samples.end()));
    }
    const Outcome run = Command(dir, Quote(ZKDIC_SHEET_COMMAND) + " --samples " + Quote(samples) + " " + row.args +
                                     " --out " + Quote(dir.File("sheet.mvg")));
    EXPECT_EQ(run.status, row.status) << row.samples << " " << row.args << "\n" << run.err;
    EXPECT_NE((row.status == 0 ? run.out : run.err).find(row.message), std::string::npos)
        << row.samples << " " << row.args << "\n" << run.out << run.err;
  }
#endif
}

// A single byte is shown as it is in Shift-JIS and EUC-JP, with the double-byte code
// the engine reads for it; a double-byte character as the engine codes it.
TEST(Zkcode, ShowsEachCharacterInTheEnginesCodes) {
#ifndef ZKCODE_COMMAND
  GTEST_SKIP() << "zkcode is not part of this build";
#else
  TempDir dir;
  const Outcome run = Command(dir, Quote(ZKCODE_COMMAND) + " 'A~' ｱ あ");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "A  sjis 41  class capital  (0000002)  euc 41  single 41  engine 8260 Ａ\n"
            "~  sjis 7E  class symbol   (0000078)  euc 7E  single 7E  engine 8150 ￣\n"
            "ｱ  sjis B1  class katakana (0020000)  euc 8E B1  single B1  engine 8341 ア\n"
            "あ  sjis 82A0  class hiragana (0010000)  euc A4 A2  single 00\n");
#endif
}
