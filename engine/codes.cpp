// Character classes and the code tables between Shift-JIS and single-byte codes.
#include "codes.h"

#include <iterator>

namespace {

struct CodeRange {
  uint16_t lo, hi;
};

bool InRanges(uint16_t code, const CodeRange* ranges, int n) {
  for (int i = 0; i < n; ++i)
    if (code >= ranges[i].lo && code <= ranges[i].hi) return true;
  return false;
}

// Table A: Shift-JIS 0x8140..0x8197 to single-byte codes (0 = none).
const uint8_t kTableA[88] = {
    0x20, 0xA4, 0xA1, 0x2C, 0x2E, 0xA5, 0x3A, 0x3B,  // 8140
    0x3F, 0x21, 0xDE, 0xDF, 0x00, 0x60, 0x00, 0x5E,  // 8148
    0x7E, 0x5F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 8150
    0x00, 0x00, 0x00, 0xB0, 0x00, 0x2D, 0x2F, 0x5C,  // 8158
    0x7E, 0x00, 0x7C, 0x00, 0x00, 0x00, 0x27, 0x00,  // 8160
    0x22, 0x28, 0x29, 0x00, 0x00, 0x5B, 0x5D, 0x7B,  // 8168
    0x7D, 0x00, 0x00, 0x00, 0x00, 0xA2, 0xA3, 0x00,  // 8170
    0x00, 0x00, 0x00, 0x2B, 0x2D, 0x00, 0x00, 0x00,  // 8178
    0x00, 0x3D, 0x00, 0x3C, 0x3E, 0x00, 0x00, 0x00,  // 8180
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5C,  // 8188
    0x24, 0x00, 0x00, 0x25, 0x23, 0x26, 0x2A, 0x40,  // 8190
};
constexpr uint16_t kTableABase = 0x8140;

// Table B: Shift-JIS 0x824F..0x829A, digits and Latin letters.
constexpr uint16_t kTableBBase = 0x824F;
constexpr int kTableBSize = 76;
uint8_t TableB(int i) {
  const uint16_t code = static_cast<uint16_t>(kTableBBase + i);
  if (code <= 0x8258) return static_cast<uint8_t>('0' + (code - 0x824F));
  if (code >= 0x8260 && code <= 0x8279) return static_cast<uint8_t>('A' + (code - 0x8260));
  if (code >= 0x8281 && code <= 0x829A) return static_cast<uint8_t>('a' + (code - 0x8281));
  return 0;
}

// Table C: katakana 0x8340..0x8396 to half-width katakana.
const uint8_t kTableC[87] = {
    0xA7, 0xB1, 0xA8, 0xB2, 0xA9, 0xB3, 0xAA, 0xB4,  // ァアィイゥウェエ
    0xAB, 0xB5, 0xB6, 0x00, 0xB7, 0x00, 0xB8, 0x00,  // ォオカガキギクグ
    0xB9, 0x00, 0xBA, 0x00, 0xBB, 0x00, 0xBC, 0x00,  // ケゲコゴサザシジ
    0xBD, 0x00, 0xBE, 0x00, 0xBF, 0x00, 0xC0, 0x00,  // スズセゼソゾタダ
    0xC1, 0x00, 0xAF, 0xC2, 0x00, 0xC3, 0x00, 0xC4,  // チヂッツヅテデト
    0x00, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0x00,  // ドナニヌネノハバ
    0x00, 0xCB, 0x00, 0x00, 0xCC, 0x00, 0x00, 0xCD,  // パヒビピフブプヘ
    0x00, 0x00, 0xCE, 0x00, 0x00, 0xCF, 0xD0, 0x00,  // ベペホボポマミ(837F)
    0xD1, 0xD2, 0xD3, 0xAC, 0xD4, 0xAD, 0xD5, 0xAE,  // ムメモャヤュユョ
    0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDC,  // ヨラリルレロヮワ
    0xB2, 0xB4, 0xA6, 0xDD, 0x00, 0x00, 0x00,        // ヰヱヲンヴヵヶ
};
constexpr uint16_t kTableCBase = 0x8340;

}  // namespace

uint32_t ZkCheckJisyu(uint16_t code) {
  static const CodeRange kKanji[] = {
      {0x889F, 0x9872}, {0x8157, 0x8158}, {0x989F, 0xEAA4}, {0xFA5C, 0xFC4B}};
  static const CodeRange kSymbols[] = {
      {0x8141, 0x81FC}, {0x839F, 0x84BE}, {0x8740, 0x879C}, {0xFA40, 0xFA5B}};
  if (InRanges(code, kKanji, static_cast<int>(std::size(kKanji)))) return kClassKanji;
  if (code >= 0x829F && code <= 0x82F1) return kClassHiragana;
  if ((code >= 0x8340 && code <= 0x8396) || code == 0x815B) return kClassKatakana;
  if (code >= 0x8260 && code <= 0x8279) return kClassCapital;
  if (code >= 0x8281 && code <= 0x829A) return kClassSmall;
  if (code >= 0x824F && code <= 0x8258) return kClassDigit;
  if (InRanges(code, kSymbols, static_cast<int>(std::size(kSymbols)))) return kClassSymbol;
  if (code >= 0x8051 && code <= 0x805D) return kClassGesture;
  return kClassNone;
}

uint16_t ZkSJisToAscii(uint16_t code) {
  if (code >= kTableABase && code < kTableABase + std::size(kTableA))
    return kTableA[code - kTableABase];
  if (code >= kTableBBase && code < kTableBBase + kTableBSize) return TableB(code - kTableBBase);
  if (code >= kTableCBase && code < kTableCBase + std::size(kTableC))
    return kTableC[code - kTableCBase];
  return 0;
}

uint16_t ZkAsciiToSJis(uint16_t byte) {
  if (byte == 0x5C) return 0x818F;  // yen sign, not the backslash of table A
  if (byte < 0x20 || byte > 0xDF) return 0;
  for (unsigned i = 0; i < std::size(kTableA); ++i)
    if (kTableA[i] == byte) return static_cast<uint16_t>(kTableABase + i);
  for (int i = 0; i < kTableBSize; ++i)
    if (TableB(i) == byte) return static_cast<uint16_t>(kTableBBase + i);
  for (unsigned i = 0; i < std::size(kTableC); ++i)
    if (kTableC[i] == byte) return static_cast<uint16_t>(kTableCBase + i);
  return 0;
}

uint16_t SjisToEuc(uint16_t code) {
  const uint8_t s1 = static_cast<uint8_t>(code >> 8);
  const uint8_t s2 = static_cast<uint8_t>(code & 0xFF);
  const uint8_t r = static_cast<uint8_t>(2 * s1);
  uint8_t lead, trail;
  if (s2 <= 0x9E) {
    lead = static_cast<uint8_t>(r <= 0x3E ? r + 0x9F : r + 0x1F);
    trail = static_cast<uint8_t>(s2 <= 0x7E ? s2 + 0x61 : s2 + 0x60);
  } else {
    lead = static_cast<uint8_t>(r <= 0x3E ? r + 0xA0 : r + 0x20);
    trail = static_cast<uint8_t>(s2 + 2);
  }
  return static_cast<uint16_t>(lead | (trail << 8));
}

uint16_t EucToSjis(uint8_t lead, uint8_t trail) {
  if (lead < 0xA1 || lead > 0xFE || trail < 0xA1 || trail > 0xFE) return 0;
  const int row = lead - 0x80;  // JIS row byte 0x21..0x7E
  const int col = trail - 0x80;
  const int s1 = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
  int s2;
  if (row & 1)
    s2 = col + (col < 0x60 ? 0x1F : 0x20);
  else
    s2 = col + 0x7E;
  return static_cast<uint16_t>((s1 << 8) | s2);
}

void SjisToEucBytes(uint16_t code, char out[2]) {
  const uint16_t euc = SjisToEuc(code);
  out[0] = static_cast<char>(euc & 0xFF);
  out[1] = static_cast<char>(euc >> 8);
}

int ZkCheckDictype(const KohoSlot* list) {
  for (int i = 0; i < kKohoSlots && list[i].distance != kAbsentDistance; ++i)
    if (list[i].dicKind == 2) return 1;
  return 0;
}
