// The key-assignment file: lines into 16-byte entries.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "app/assign.h"
#include "tempdir.h"

namespace {

std::vector<std::string> Load(const std::string& path) {
  char table[kAkeyEntries][kAkeyEntrySize];
  std::memset(table, 'x', sizeof table);
  ReadAssignments(path, table);
  std::vector<std::string> entries;
  for (const auto& entry : table) {
    EXPECT_LT(strnlen(entry, kAkeyEntrySize), static_cast<size_t>(kAkeyEntrySize));  // always terminated
    entries.emplace_back(entry);
  }
  while (!entries.empty() && entries.back().empty()) entries.pop_back();
  return entries;
}

TEST(Assignments, LinesFillEntriesOfFifteenBytes) {
  std::string twelve;
  for (int i = 0; i < 12; ++i) twelve += "line" + std::to_string(i) + "\n";
  const struct {
    std::string text;
    std::vector<std::string> entries;
  } rows[] = {
      {"hello\r\nworld\n", {"hello", "world"}},
      {"123456789012345\nnext\n", {"123456789012345", "next"}},  // no empty entry in between
      {"1234567890123456789\nnext", {"123456789012345", "6789", "next"}},
      // 14 ASCII bytes, then a two-byte EUC-JP character that would straddle the entry end.
      {"12345678901234\xB4\xC1\n", {"12345678901234", "\xB4\xC1"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {twelve, {"line0", "line1", "line2", "line3", "line4", "line5", "line6", "line7", "line8", "line9"}},
      {std::string(1 << 20, 'y'), std::vector<std::string>(10, std::string(15, 'y'))},
  };
  TempDir dir;
  for (const auto& row : rows) {
    WriteFileBytes(dir.File("Assignment.dat"), std::vector<uint8_t>(row.text.begin(), row.text.end()));
    EXPECT_EQ(Load(dir.File("Assignment.dat")), row.entries) << row.text.substr(0, 40);
  }
}

TEST(Assignments, NoRegularFileLeavesTheTableEmpty) {
  TempDir dir;
  EXPECT_TRUE(Load(dir.File("none.dat")).empty());
  ASSERT_EQ(mkfifo(dir.File("fifo.dat").c_str(), 0600), 0);  // a plain open would wait for a writer
  EXPECT_TRUE(Load(dir.File("fifo.dat")).empty());
  EXPECT_TRUE(Load("/dev/zero").empty());
}

}  // namespace
