// The look-alike table: lookups, and every group (codes in their order,
// checks and arguments) checked against the readable table it is generated from.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ruiji_table.h"
#include "textconv.h"

namespace {

constexpr int kGroups = 180;

std::string TableTextPath() {
  const std::string here = __FILE__;  // .../tests/unit/engine/test_ruiji_table.cpp
  return here.substr(0, here.rfind("tests/unit/engine/")) + "engine/ruiji_table.txt";
}

std::vector<std::string> TableLines() {
  std::ifstream in(TableTextPath());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  return lines;
}

TEST(RuijiTable, FindGroupTakesTheFirstGroupOfALeader) {
  EXPECT_EQ(RuijiFindGroup(0x8254), &ZkRuijiTable[5]);  // ５
  const RuijiGroup* zo = RuijiFindGroup(0x835D);         // ゾ leads two groups
  ASSERT_NE(zo, nullptr);
  EXPECT_EQ(zo->entry[0].check[0].number, 57);
  EXPECT_EQ(RuijiFindGroup(0x889F), nullptr);  // 亜 heads no group
  EXPECT_EQ(RuijiFindGroup(0xFFFF), nullptr);  // the closing group never matches
  EXPECT_EQ(RuijiFindGroup(0), nullptr);
}

// Parses one line of the readable table the way a reader would, with the program's own
// code conversion, and compares it with the compiled group.
void CompareGroup(int g, const std::string& line) {
  static const std::set<int> kCodeChecks = {50, 51, 54, 62, 63, 64, 65};
  std::vector<std::string> entries;
  std::stringstream split(line);
  for (std::string part; std::getline(split, part, ';');) entries.push_back(part);
  const RuijiGroup& group = ZkRuijiTable[g];
  ASSERT_EQ(group.count, entries.size()) << line;
  for (size_t e = 0; e < entries.size(); ++e) {
    std::stringstream words(entries[e]);
    std::string ch;
    words >> ch;
    const RuijiEntry& entry = group.entry[e];
    EXPECT_EQ(entry.code, Utf8ToSjisCode(ch)) << line;
    int slot = 0;
    for (std::string token; words >> token;) {
      if (token == "\u2014") break;
      ASSERT_LT(slot, kRuijiChecksPerEntry) << line;
      const RuijiCheck& c = entry.check[slot++];
      const size_t open = token.find('(');
      const int number = std::stoi(token.substr(0, open));
      EXPECT_EQ(c.number, number) << line;
      std::vector<std::string> args;
      if (open != std::string::npos) {
        std::stringstream as(token.substr(open + 1, token.size() - open - 2));
        for (std::string a; std::getline(as, a, ',');) args.push_back(a);
      }
      std::vector<int> p;
      auto pushCode = [&p](const std::string& a) {
        const uint16_t code = a == "0xFFFF" ? 0xFFFF : Utf8ToSjisCode(a);
        p.push_back(static_cast<int8_t>(code >> 8));
        p.push_back(static_cast<int8_t>(code & 0xFF));
      };
      if (number == 2 && !args.empty()) {
        pushCode(args[0]);
      } else if (kCodeChecks.count(number)) {
        p.push_back(std::stoi(args[0]));
        pushCode(args[1]);
      } else {
        for (const std::string& a : args) p.push_back(std::stoi(a));
      }
      while (p.size() < 3) p.push_back(-1);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(c.p[i], p[i]) << line << " check " << slot;
      EXPECT_EQ(c.p[3], 0);
    }
    for (; slot < kRuijiChecksPerEntry; ++slot) EXPECT_EQ(entry.check[slot].number, kRuijiNoCheck) << line;
  }
}

TEST(RuijiTable, MatchesTheReadableTableLineByLine) {
  const std::vector<std::string> lines = TableLines();
  ASSERT_EQ(lines.size(), static_cast<size_t>(kGroups)) << TableTextPath();
  for (int g = 0; g < kGroups; ++g) CompareGroup(g, lines[g]);
  EXPECT_EQ(ZkRuijiTable[kGroups].count, kRuijiNeverGroup);  // then the group that never matches
}

}  // namespace
