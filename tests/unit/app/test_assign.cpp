// The key-assignment file: lines into 16-byte entries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/assign.h"
#include "tempdir.h"

namespace {

class Assignments : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    WriteFileBytes(dir_.File("Assignment.dat"), std::vector<uint8_t>(text.begin(), text.end()));
    ReadAssignments(dir_.File("Assignment.dat"), table_);
  }
  std::string Entry(int i) const { return table_[i]; }
  TempDir dir_;
  char table_[kAkeyEntries][kAkeyEntrySize];
};

TEST_F(Assignments, OneEntryPerLineWithoutNewline) {
  Load("hello\nworld\n");
  EXPECT_EQ(Entry(0), "hello");
  EXPECT_EQ(Entry(1), "world");
  EXPECT_EQ(Entry(2), "");
}

TEST_F(Assignments, MissingFileLeavesTheTableEmpty) {
  std::memset(table_, 'x', sizeof table_);
  ReadAssignments(dir_.File("none.dat"), table_);
  for (int i = 0; i < kAkeyEntries; ++i) EXPECT_EQ(Entry(i), "");
}

TEST_F(Assignments, FifteenBytesFitOneEntry) {
  Load("123456789012345\nnext\n");
  EXPECT_EQ(Entry(0), "123456789012345");
  EXPECT_EQ(Entry(1), "next");  // no empty entry in between
}

TEST_F(Assignments, LongerLinesContinueInTheNextEntry) {
  Load("1234567890123456789\nnext");
  EXPECT_EQ(Entry(0), "123456789012345");
  EXPECT_EQ(Entry(1), "6789");
  EXPECT_EQ(Entry(2), "next");
}

TEST_F(Assignments, ATwoByteCharacterIsNeverSplit) {
  // 14 ASCII bytes, then a two-byte EUC-JP character that would straddle the entry end.
  Load("12345678901234\xB4\xC1\n");
  EXPECT_EQ(Entry(0), "12345678901234");
  EXPECT_EQ(Entry(1), "\xB4\xC1");
}

TEST_F(Assignments, AtMostTenEntries) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "line" + std::to_string(i) + "\n";
  Load(text);
  EXPECT_EQ(Entry(9), "line9");
  for (int i = 0; i < kAkeyEntries; ++i) EXPECT_LT(std::strlen(table_[i]), 16u);
}

TEST_F(Assignments, AnEmptyLineGivesAnEmptyEntry) {
  Load("a\n\nb\n");
  EXPECT_EQ(Entry(0), "a");
  EXPECT_EQ(Entry(1), "");
  EXPECT_EQ(Entry(2), "b");
}

}  // namespace
