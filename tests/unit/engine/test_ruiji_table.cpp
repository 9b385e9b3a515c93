// The look-alike table's lookup by a group's leading character.
#include <gtest/gtest.h>

#include "ruiji_table.h"

namespace {

TEST(RuijiTable, FindGroupTakesTheFirstGroupOfALeader) {
  EXPECT_EQ(RuijiFindGroup(0x8254), &ZkRuijiTable[5]);  // ５
  const RuijiGroup* zo = RuijiFindGroup(0x835D);         // ゾ leads two groups
  ASSERT_NE(zo, nullptr);
  EXPECT_EQ(zo->entry[0].check[0].number, 57);
  EXPECT_EQ(RuijiFindGroup(0x889F), nullptr);  // 亜 heads no group
  EXPECT_EQ(RuijiFindGroup(0xFFFF), nullptr);  // the closing group never matches
  EXPECT_EQ(RuijiFindGroup(0), nullptr);
}

}  // namespace
