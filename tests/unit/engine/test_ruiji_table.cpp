// The look-alike table: group count, entries, codes and parameters, checked against
// fixed expectations and against the readable table it is generated from.
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

int GroupCount() {
  int n = 0;
  while (ZkRuijiTable[n].count != kRuijiTableEnd) ++n;
  return n;
}

const RuijiEntry& Entry(int group, int entry) { return ZkRuijiTable[group].entry[entry]; }

void ExpectCheck(const RuijiCheck& c, int number, int p0, int p1, int p2) {
  EXPECT_EQ(c.number, number);
  EXPECT_EQ(c.p[0], p0);
  EXPECT_EQ(c.p[1], p1);
  EXPECT_EQ(c.p[2], p2);
  EXPECT_EQ(c.p[3], 0);
}

TEST(RuijiTable, HoldsTheGroupsThenTheNeverMatchingGroupThenTheEnd) {
  ASSERT_EQ(GroupCount(), kGroups + 1);
  for (int g = 0; g < kGroups; ++g) {
    EXPECT_GE(ZkRuijiTable[g].count, 2) << g;
    EXPECT_LE(ZkRuijiTable[g].count, 8) << g;
    EXPECT_EQ(ZkRuijiTable[g].zero, 0) << g;
  }
  EXPECT_EQ(ZkRuijiTable[kGroups].count, kRuijiNeverGroup);
  EXPECT_EQ(Entry(kGroups, 0).code, 0xFFFF);
  EXPECT_EQ(ZkRuijiTable[kGroups + 1].count, 0);
}

TEST(RuijiTable, EntryCountsOfEveryGroup) {
  const std::string expected =
      "22232332743325362325322462233233433333333333332228735332422242222222222222232334334433333"
      "3332522442422226222322324222332222222222222252222222222222222223222242223323252222222222322";
  ASSERT_EQ(expected.size(), static_cast<size_t>(kGroups));
  for (int g = 0; g < kGroups; ++g) EXPECT_EQ(ZkRuijiTable[g].count, expected[g] - '0') << "group " << g;
}

TEST(RuijiTable, SpotChecksOfCodesAndParameters) {
  // ￥ 1; 半 58(0,4)
  EXPECT_EQ(Entry(0, 0).code, 0x818F);
  ExpectCheck(Entry(0, 0).check[0], 1, -1, -1, -1);
  EXPECT_EQ(Entry(0, 0).check[1].number, kRuijiNoCheck);
  EXPECT_EQ(Entry(0, 1).code, 0x94BC);
  ExpectCheck(Entry(0, 1).check[0], 58, 0, 4, -1);
  // 〒 59(1,2); 干 58(1,2)
  EXPECT_EQ(Entry(2, 0).code, 0x81A7);
  // ３ 69(0,0,-31) 66(0,22,67) 2(る): check 2 holds the code of る in p0, p1.
  EXPECT_EQ(Entry(4, 0).code, 0x8252);
  ExpectCheck(Entry(4, 0).check[0], 69, 0, 0, -31);
  ExpectCheck(Entry(4, 0).check[2], 2, static_cast<int8_t>(0x82), static_cast<int8_t>(0xE9), -1);
  // ５ 10(0,1); ち 58(1,0); ら 40(0,1)
  EXPECT_EQ(Entry(5, 0).code, 0x8254);
  EXPECT_EQ(Entry(5, 1).code, 0x82BF);
  EXPECT_EQ(Entry(5, 2).code, 0x82E7);
  // Ｃ ...; ℃ 53(2,0); く ...
  EXPECT_EQ(Entry(6, 0).code, 0x8262);
  EXPECT_EQ(Entry(6, 1).code, 0x818E);
  ExpectCheck(Entry(6, 1).check[0], 53, 2, 0, -1);
  // Ｅ 21(0,2) 10(0,1) 13(0,3); た ...
  EXPECT_EQ(Entry(8, 0).code, 0x8264);
  ExpectCheck(Entry(8, 0).check[2], 13, 0, 3, -1);
  // Ｆ ...; 〒 21(1,2); た 20(0,1) 50(3,た): the named code in p1, p2.
  EXPECT_EQ(Entry(9, 1).code, 0x81A7);
  ExpectCheck(Entry(9, 2).check[1], 50, 3, static_cast<int8_t>(0x82), static_cast<int8_t>(0xBD));
  // く 70(0,4,22); （ 69(0,4,16): stroke 0, the only stroke of both.
  EXPECT_EQ(Entry(18, 1).code, 0x8169);
  ExpectCheck(Entry(18, 0).check[0], 70, 0, 4, 22);
  ExpectCheck(Entry(18, 1).check[0], 69, 0, 4, 16);
  // ざ —; ず —; ぢ —; で —; ビ —: no checks at all.
  EXPECT_EQ(ZkRuijiTable[19].count, 5);
  for (int e = 0; e < 5; ++e) EXPECT_EQ(Entry(19, e).check[0].number, kRuijiNoCheck);
  // は 63(-1,ば) 64(-1,ぱ)
  EXPECT_EQ(Entry(31, 0).code, 0x82CD);
  ExpectCheck(Entry(31, 0).check[0], 63, -1, static_cast<int8_t>(0x82), static_cast<int8_t>(0xCE));
  ExpectCheck(Entry(31, 0).check[1], 64, -1, static_cast<int8_t>(0x82), static_cast<int8_t>(0xCF));
  // エ 21(0,1); ± 20(0,1); ユ 55(0); 土 20(0,1)
  EXPECT_EQ(Entry(56, 1).code, 0x817D);
  // ケ 59(1,2); ４ 52(2)
  EXPECT_EQ(Entry(61, 1).code, 0x8253);
  // 叉 50(2,0xFFFF) 57(0,2) 57(0,1); 又 52(2)
  const RuijiEntry& cha = Entry(124, 0);
  EXPECT_EQ(cha.code, 0x8DB3);
  ExpectCheck(cha.check[0], 50, 2, -1, -1);
  // 戻 50(0,戻) 50(1,戻) 50(2,戻); 尻 0
  EXPECT_EQ(Entry(176, 1).code, 0x904B);
  ExpectCheck(Entry(176, 1).check[0], 0, -1, -1, -1);
  // 六 57(2,3); 亡 52(3), the last group.
  EXPECT_EQ(Entry(179, 0).code, 0x985A);
  EXPECT_EQ(Entry(179, 1).code, 0x9653);
}

TEST(RuijiTable, MembersAscendExceptInGroupWa) {
  for (int g = 0; g < kGroups; ++g) {
    const RuijiGroup& group = ZkRuijiTable[g];
    for (int e = 2; e < group.count; ++e) {
      if (group.entry[0].code == 0x82ED) continue;  // わ; れ; ね
      EXPECT_LE(group.entry[e - 1].code, group.entry[e].code) << "group " << g;
    }
  }
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
}

}  // namespace
