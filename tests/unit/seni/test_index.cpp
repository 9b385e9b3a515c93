// The character index of the transition table: one code per index, none left out.
#include <gtest/gtest.h>

#include <set>

#include "seni.h"
#include "textconv.h"

TEST(SeniCodeIndex, EveryIndexBelongsToOneCode) {
  std::set<int> seen;
  for (int code = 0; code <= 0xFFFF; ++code) {
    const int index = SeniCodeIndex(static_cast<uint16_t>(code));
    ASSERT_LE(index, 4554);
    if (index <= 0) continue;
    EXPECT_TRUE(seen.insert(index).second) << "index " << index << " twice, at " << std::hex << code;
  }
  EXPECT_EQ(seen.size(), 4554u);  // 1..4554; index 0 is shared by the line ends and the space
}
