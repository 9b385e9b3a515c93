// The character index of the transition table: code ranges tested in a fixed
// order, then 49 further kanji in the table's own order.
#include <iterator>

#include "seni.h"

namespace {

struct IndexRange {
  uint16_t first, last;
  int offset;  // index = code - offset
};

constexpr IndexRange kRanges[] = {
    {0x30, 0x39, 47},        // digits 1..10
    {0x41, 0x5A, 54},        // capitals 11..36
    {0x61, 0x7A, 60},        // small letters 37..62
    {0xA6, 0xDD, 103},       // half-width katakana 63..118
    {0x829F, 0x82F1, 0x8228},  // hiragana 119..201
    {0x8340, 0x8396, 0x8276},  // katakana 202..288
    {0x824F, 0x8258, 0x812E},  // full-width digits 289..298
    {0x8260, 0x8279, 0x8135},  // full-width capitals 299..324
    {0x8281, 0x829A, 0x813C},  // full-width small letters 325..350
    {0x889F, 0x9872, 0x8740},  // level-1 kanji 351..4402
    {0x8141, 0x81A7, 0x700E},  // symbols 4403..4505
};

constexpr int kExtraFirstIndex = 4506;
// 侑 國 廣 杣 檜 洸 洵 澤 瑶 皓 眸 籠 繩 翔 脩 茉 莉 菫 萬 赳 迪 頌 堯 凛 勁 奎 崚 彗 昴
// 晏 晟 晨 暉 栞 椰 毬 滉 漱 澪 煕 燎 燿 笙 綸 綺 詢 諄 颯 黎
constexpr uint16_t kExtraKanji[] = {
    0x98D0, 0x9AA0, 0x9C41, 0x9E5B, 0x9E77, 0x9FA9, 0x9FAB, 0xE056, 0xE0F4, 0xE1A9,
    0xE1C6, 0xE2C4, 0xE38A, 0xE3C4, 0xE3F9, 0xE49D, 0xE4BB, 0xE4BF, 0xE4DD, 0xE6E0,
    0xE78C, 0xE8F1, 0xEA9F, 0x997A, 0x99A4, 0x9AF5, 0x9BC3, 0x9C61, 0x9DE3, 0x9DE5,
    0x9DEE, 0x9DED, 0x9DF4, 0x9E78, 0x9EBD, 0x9F7B, 0x9FE4, 0x9FF9, 0xE059, 0xE086,
    0xE099, 0xE0A0, 0xE299, 0xE364, 0xE359, 0xE66D, 0xE678, 0xE944, 0xEA74,
};
static_assert(std::size(kExtraKanji) == 49, "49 further kanji");

}  // namespace

int16_t SeniCodeIndex(uint16_t code) {
  if (code == 10 || code == 13 || code == 0x8140) return 0;
  for (const IndexRange& r : kRanges)
    if (code >= r.first && code <= r.last) return static_cast<int16_t>(code - r.offset);
  for (size_t i = 0; i < std::size(kExtraKanji); ++i)
    if (kExtraKanji[i] == code) return static_cast<int16_t>(kExtraFirstIndex + i);
  return -1;
}
