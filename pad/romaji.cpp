// Romaji keystrokes of kana, for handing selected kana to the input method.
#include <string>

#include "pad/editing.h"

namespace {

constexpr unsigned char kFirstKana = 0xA1;  // ぁ
constexpr unsigned char kLastKana = 0xF3;   // ん

// From ぁ (0xA1) to ん (0xF3); katakana use the row of their hiragana twin.
constexpr const char* romaji_tbl[] = {
    "xa",  "a",  "xi",  "i",  "xu",  "u",  "xe",  "e",  "xo", "o",  "ka", "ga", "ki", "gi",
    "ku",  "gu", "ke",  "ge", "ko",  "go", "sa",  "za", "si", "zi", "su", "zu", "se", "ze",
    "so",  "zo", "ta",  "da", "ti",  "di", "xtu", "tu", "du", "te", "de", "to", "do", "na",
    "ni",  "nu", "ne",  "no", "ha",  "ba", "pa",  "hi", "bi", "pi", "hu", "bu", "pu", "he",
    "be",  "pe", "ho",  "bo", "po",  "ma", "mi",  "mu", "me", "mo", "xya", "ya", "xyu", "yu",
    "xyo", "yo", "ra",  "ri", "ru",  "re", "ro",  "xwa", "wa", "wi", "we", "wo", "nn",
};
static_assert(sizeof romaji_tbl / sizeof romaji_tbl[0] == kLastKana - kFirstKana + 1,
              "one row per kana");

}  // namespace

std::vector<uint32_t> RomajiKeysyms(const std::string& euc) {
  std::vector<uint32_t> keys;
  for (size_t i = 0; i < euc.size();) {
    const unsigned char lead = static_cast<unsigned char>(euc[i]);
    if (!(lead & 0x80) || i + 1 >= euc.size()) {
      ++i;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(euc[i + 1]);
    if ((lead == 0xA4 || lead == 0xA5) && c >= kFirstKana && c <= kLastKana)
      for (const char* k = romaji_tbl[c - kFirstKana]; *k; ++k) keys.push_back(static_cast<uint32_t>(*k));
    i += 2;
  }
  return keys;
}
