// The character index of the transition table: the corners of every range, the
// order in which ranges are tested, and the 49 further kanji.
#include <gtest/gtest.h>

#include <set>

#include "seni.h"
#include "textconv.h"

TEST(SeniCodeIndex, RangeCorners) {
  struct Case {
    uint16_t code;
    int index;
  } cases[] = {
      {10, 0},        {13, 0},        {0x8140, 0},    {0, -1},        {9, -1},        {0x20, -1},
      {0x2F, -1},     {0x30, 1},      {0x39, 10},     {0x3A, -1},     {0x40, -1},     {0x41, 11},
      {0x5A, 36},     {0x5B, -1},     {0x60, -1},     {0x61, 37},     {0x7A, 62},     {0x7B, -1},
      {0xA5, -1},     {0xA6, 63},     {0xDD, 118},    {0xDE, -1},     {0x829E, -1},   {0x829F, 119},
      {0x82F1, 201},  {0x82F2, -1},   {0x833F, -1},   {0x8340, 202},  {0x8396, 288},  {0x8397, -1},
      {0x824E, -1},   {0x824F, 289},  {0x8258, 298},  {0x8259, -1},   {0x825F, -1},   {0x8260, 299},
      {0x8279, 324},  {0x827A, -1},   {0x8280, -1},   {0x8281, 325},  {0x829A, 350},  {0x889E, -1},
      {0x889F, 351},  {0x9872, 4402}, {0x9873, -1},   {0x8141, 4403}, {0x81A7, 4505}, {0x81A8, -1},
      {0xEAA4, -1},   {0xFFFF, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(SeniCodeIndex(c.code), c.index) << std::hex << c.code;
}

TEST(SeniCodeIndex, FurtherKanjiFollowTheSymbolsInTheirOwnOrder) {
  const char* kanji[] = {"侑", "國", "廣", "杣", "檜", "洸", "洵", "澤", "瑶", "皓", "眸", "籠", "繩",
                         "翔", "脩", "茉", "莉", "菫", "萬", "赳", "迪", "頌", "堯", "凛", "勁", "奎",
                         "崚", "彗", "昴", "晏", "晟", "晨", "暉", "栞", "椰", "毬", "滉", "漱", "澪",
                         "煕", "燎", "燿", "笙", "綸", "綺", "詢", "諄", "颯", "黎"};
  ASSERT_EQ(std::size(kanji), 49u);
  for (size_t i = 0; i < std::size(kanji); ++i)
    EXPECT_EQ(SeniCodeIndex(Utf8ToSjisCode(kanji[i])), 4506 + static_cast<int>(i)) << kanji[i];
  // Level-2 kanji outside the list stay unknown.
  EXPECT_EQ(SeniCodeIndex(Utf8ToSjisCode("弌")), -1);
  EXPECT_EQ(SeniCodeIndex(Utf8ToSjisCode("熙")), -1);
}

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
