// The key-assignment file: lines in UTF-8 or EUC-JP into 16-byte EUC-JP entries.
// Command-line options: the background option and what the command line asks for.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/assign.h"
#include "app/options.h"
#include "tempdir.h"
#include "textconv.h"

namespace {

// The entries up to the last non-empty one, in UTF-8 ("?" for one that is not EUC-JP).
std::vector<std::string> Load(const std::string& path, std::vector<std::string>* warnings = nullptr) {
  char table[kAkeyEntries][kAkeyEntrySize];
  std::memset(table, 'x', sizeof table);
  ReadAssignments(path, table, warnings);
  std::vector<std::string> entries;
  for (const auto& entry : table) {
    EXPECT_LT(strnlen(entry, kAkeyEntrySize), static_cast<size_t>(kAkeyEntrySize));  // always terminated
    std::string utf8;
    entries.push_back(EucToUtf8(entry, &utf8) ? utf8 : "?");
  }
  while (!entries.empty() && entries.back().empty()) entries.pop_back();
  return entries;
}

std::string Euc(const std::string& utf8) {
  std::string euc;
  EXPECT_TRUE(Utf8ToEuc(utf8, &euc));
  return euc;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

struct Args {
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {
    for (std::string& w : words_) argv_.push_back(w.data());
  }
  int argc() const { return static_cast<int>(argv_.size()); }
  char** argv() { return argv_.data(); }
  std::vector<std::string> words_;
  std::vector<char*> argv_;
};

}  // namespace

TEST(Assignments, LinesInEitherEncodingFillEntriesOfFifteenBytes) {
  std::string twelve;
  for (int i = 0; i < 12; ++i) twelve += "line" + std::to_string(i) + "\n";
  const struct {
    const char* name;
    std::string text;                  // the file's bytes
    std::vector<std::string> entries;  // UTF-8
    int warnings;
  } rows[] = {
      {"CRLF", "hello\r\nworld\n", {"hello", "world"}, 0},
      {"15 bytes fill one entry", "123456789012345\nnext\n", {"123456789012345", "next"}, 0},
      {"longer lines go on", "1234567890123456789\nnext", {"123456789012345", "6789", "next"}, 0},
      {"empty line", "a\n\nb\n", {"a", "", "b"}, 0},
      {"ten lines at most", twelve,
       {"line0", "line1", "line2", "line3", "line4", "line5", "line6", "line7", "line8", "line9"}, 0},
      {"a huge line", std::string(1 << 20, 'y'), std::vector<std::string>(10, std::string(15, 'y')), 0},
      {"UTF-8", "Ok!\n漢字\n", {"Ok!", "漢字"}, 0},
      {"UTF-8 split between characters", "東京都千代田区丸の内一丁目\n", {"東京都千代田区", "丸の内一丁目"}, 0},
      {"UTF-8 after ASCII", "12345678901234漢\n", {"12345678901234", "漢"}, 0},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBFかな\n", {"かな"}, 0},
      {"a UTF-8 line cut inside a character", Repeat("漢", 100), std::vector<std::string>(10, Repeat("漢", 7)), 0},
      {"a character EUC-JP lacks", "漢字\n😀\nabc\n", {"漢字", "abc"}, 1},
      {"EUC-JP", Euc("山田\n半角ｶﾅ\n"), {"山田", "半角ｶﾅ"}, 0},
      {"EUC-JP split between characters", Euc("12345678901234漢\n"), {"12345678901234", "漢"}, 0},
      {"EUC-JP three-byte character", "1234567890123\x8F\xB0\xA1\n", {"1234567890123", "丂"}, 0},
      {"neither", "ok\n\xB4\xFF\nok2\n", {"ok", "ok2"}, 1},
  };
  TempDir dir;
  for (const auto& row : rows) {
    WriteFileBytes(dir.File("Assignment.dat"), std::vector<uint8_t>(row.text.begin(), row.text.end()));
    std::vector<std::string> warnings;
    EXPECT_EQ(Load(dir.File("Assignment.dat"), &warnings), row.entries) << row.name;
    EXPECT_EQ(warnings.size(), static_cast<size_t>(row.warnings)) << row.name;
  }
}

TEST(Assignments, NoRegularFileLeavesTheTableEmpty) {
  TempDir dir;
  EXPECT_TRUE(Load(dir.File("none.dat")).empty());
  ASSERT_EQ(mkfifo(dir.File("fifo.dat").c_str(), 0600), 0);  // a plain open would wait for a writer
  EXPECT_TRUE(Load(dir.File("fifo.dat")).empty());
  EXPECT_TRUE(Load("/dev/zero").empty());
}

// Three values clamped to a byte each; incomplete values refused with a message and the
// colour untouched; no option at all is no error.
TEST(CommandLine, BackColorValuesAreClampedKnownOptionsPassAndOthersAreNamed) {
  const struct {
    std::vector<std::string> words;
    bool given;
    uint32_t rgb;
    bool message;
  } rows[] = {
      {{"sorenix", "-b", "300", "-5", "16"}, true, 0xFF0010, false},
      {{"sorenix", "-b", "1", "2"}, false, 0x123456, true},
      {{"sorenix", "-b", "1", "x", "3"}, false, 0x123456, true},
      {{"sorenix", "-b"}, false, 0x123456, true},
      {{"sorenix", "-s"}, false, 0x123456, false},
  };
  for (const auto& row : rows) {
    Args a(row.words);
    uint32_t rgb = 0x123456;
    std::string error = "x";
    EXPECT_EQ(BackColorOption(a.argc(), a.argv(), &rgb, &error), row.given) << row.words.size();
    EXPECT_EQ(rgb, row.rgb) << row.words.size();
    EXPECT_EQ(!error.empty(), row.message) << row.words.size();
  }

  // --help and --version win wherever they stand; "-s..." and "-b" with its values pass;
  // any other argument starting with '-' is named as unknown.
  const struct {
    std::vector<std::string> words;
    CommandLine expected;
    const char* unknown;
  } lines[] = {
      {{"sorenix"}, CommandLine::kRun, ""},
      {{"sorenix", "-sx", "-b", "1", "-2", "3"}, CommandLine::kRun, ""},
      {{"sorenix", "-b", "1", "-x"}, CommandLine::kUnknown, "-x"},
      {{"sorenix", "-s", "--bogus", "--help"}, CommandLine::kHelp, ""},
      {{"sorenix", "--version"}, CommandLine::kVersion, ""},
      {{"sorenix", "-s", "--versions"}, CommandLine::kUnknown, "--versions"},
  };
  for (const auto& line : lines) {
    Args a(line.words);
    std::string unknown = "x";
    EXPECT_EQ(ReadCommandLine(a.argc(), a.argv(), &unknown), line.expected) << line.words.back();
    EXPECT_EQ(unknown, line.unknown) << line.words.back();
  }
}
