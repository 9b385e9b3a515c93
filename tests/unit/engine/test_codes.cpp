// Character classes and code conversions at the corners of their tables.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <utility>
#include <vector>

#include "codes.h"
#include "textconv.h"

TEST(CheckJisyu, RangeCornersAndOrder) {
  // 々 (0x8158) inside the symbol range counts as kanji, ー (0x815B) as katakana.
  const std::pair<uint32_t, std::vector<uint16_t>> byClass[] = {
      {kClassKanji, {0x8158, 0x8157, 0x889F, 0x9872, 0x989F, 0xEAA4, 0xFA5C, 0xFC4B}},
      {kClassKatakana, {0x815B, 0x8340, 0x8396}},
      {kClassSymbol, {0x8156, 0x8159, 0x8141, 0x81FC, 0xFA5B, 0x839F, 0x84BE, 0x8740, 0x879C}},
      {kClassNone, {0x8140, 0x889E, 0x9873, 0xEAA5, 0xFC4C, 0x82F2, 0x8397, 0x8259, 0x8050, 0x805E, 0x0041}},
      {kClassHiragana, {0x829F, 0x82F1}},
      {kClassCapital, {0x8260, 0x8279}},
      {kClassSmall, {0x8281, 0x829A}},
      {kClassDigit, {0x824F, 0x8258}},
      {kClassGesture, {0x8051, 0x805D}},
  };
  for (const auto& [cls, codes] : byClass)
    for (uint16_t code : codes) EXPECT_EQ(ZkCheckJisyu(code), cls) << std::hex << code;
}

TEST(SingleByte, TablesAndFirstHitWins) {
  // ガ, 0x8259, ヶ, 0x8198 and 亜 have no half-width form; yen, not the backslash entry;
  // イ, エ, ヮ rather than ヰ, ヱ, ワ for the half-width kana.
  const std::pair<uint16_t, uint16_t> toAscii[] = {{0x834B, 0}, {0x8140, 0x20}, {0x8260, 'A'}, {0x829A, 'z'},
                                                   {0x8259, 0},  {0x838F, 0xDC}, {0x8396, 0},   {0x8198, 0},
                                                   {0x889F, 0}};
  for (const auto& c : toAscii) EXPECT_EQ(ZkSJisToAscii(c.first), c.second) << std::hex << c.first;
  const std::pair<uint16_t, uint16_t> toSjis[] = {
      {0x5C, 0x818F}, {0x7F, 0},      {0xA0, 0},      {0x1F, 0},      {0xE0, 0},      {0x7E, 0x8150},
      {0x2D, 0x815D}, {0xB2, 0x8343}, {0xB4, 0x8347}, {0xDC, 0x838E}, {'0', 0x824F}, {'a', 0x8281},
      {0xB1, 0x8341}};
  for (const auto& c : toSjis) EXPECT_EQ(ZkAsciiToSJis(c.first), c.second) << std::hex << c.first;

  // Every byte that has a Shift-JIS form maps back to itself.
  for (int b = 0x20; b <= 0xDF; ++b) {
    const uint16_t code = ZkAsciiToSJis(static_cast<uint16_t>(b));
    if (code != 0) {
      EXPECT_EQ(ZkSJisToAscii(code), b) << std::hex << b;
    }
  }
}

namespace {

// EUC-JP bytes of a Shift-JIS code through the C library, "" when it has none.
std::string IconvSjisToEuc(uint16_t code) {
  iconv_t cd = iconv_open("EUC-JP", "SHIFT_JIS");
  char in[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  char out[8];
  char* src = in;
  char* dst = out;
  size_t srcLeft = 2, dstLeft = sizeof out;
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return "";
  return std::string(out, static_cast<size_t>(dst - out));
}

}  // namespace

TEST(SjisToEuc, AgreesWithIconvOverJisX0208AndInverts) {
  int checked = 0;
  for (int lead = 0x81; lead <= 0xEF; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const uint16_t code = static_cast<uint16_t>((lead << 8) | trail);
      const std::string expected = IconvSjisToEuc(code);
      if (expected.size() != 2) continue;  // not a JIS X 0208 character
      char b[2];
      SjisToEucBytes(code, b);
      ASSERT_EQ(std::string(b, 2), expected) << std::hex << code;
      ASSERT_EQ(EucToSjis(static_cast<uint8_t>(b[0]), static_cast<uint8_t>(b[1])), code);
      ++checked;
    }
  }
  EXPECT_GT(checked, 6800);
  EXPECT_EQ(SjisToEuc(0x82A0), 0xA2A4);  // the code form: lead byte in the low half
  EXPECT_EQ(EucToSjis(0x8E, 0xB1), 0);  // half-width katakana is not two-byte JIS
  EXPECT_EQ(EucToSjis(0xA4, 0x41), 0);
}

TEST(TextConv, CodesAndStrings) {
  // A gesture code is not a character.
  for (const auto& [code, text] : std::vector<std::pair<uint16_t, std::string>>{
           {0x82A0, "あ"}, {0x41, "A"}, {0xB1, "ｱ"}, {0x8051, ""}, {0, ""}})
    EXPECT_EQ(SjisCodeToUtf8(code), text) << std::hex << code;
  // Only the first character counts; a truncated sequence is none.
  for (const auto& [text, code] : std::vector<std::pair<std::string, uint16_t>>{
           {"漢字", 0x8ABF}, {"A", 0x41}, {"ｱ", 0xB1}, {"〜", 0x8160}, {"①", 0x8740}, {"😀", 0}, {"", 0},
           {"\xE6\xBC", 0}})
    EXPECT_EQ(Utf8ToSjisCode(text), code) << text;

  std::string euc, back;
  ASSERT_TRUE(Utf8ToEuc("漢字かなカナABC①", &euc));
  ASSERT_TRUE(EucToUtf8(euc, &back));
  EXPECT_EQ(back, "漢字かなカナABC①");
  EXPECT_FALSE(EucToUtf8("\xA4", &back));  // half a character
  // The EUC bytes of the arithmetic conversion read back as the character.
  char b[2];
  SjisToEucBytes(Utf8ToSjisCode("書"), b);
  ASSERT_TRUE(EucToUtf8(std::string(b, 2), &back));
  EXPECT_EQ(back, "書");
}

TEST(CheckDictype, StopsAtTheEndSlot) {
  KohoSlot list[kKohoSlots] = {};
  for (auto& s : list) {
    s.distance = 100;
    s.dicKind = 1;
  }
  list[3].distance = kAbsentDistance;
  list[5].dicKind = 2;  // after the end slot: not counted
  EXPECT_EQ(ZkCheckDictype(list), 0);
  list[2].dicKind = 2;
  EXPECT_EQ(ZkCheckDictype(list), 1);
}
