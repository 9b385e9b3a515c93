// The character groups the accuracy benchmark reports: kanji, hiragana, katakana,
// letters (capitals and small), digits, symbols.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codes.h"

inline std::string BenchClassOf(uint16_t code) {
  switch (ZkCheckJisyu(code)) {
    case kClassKanji: return "kanji";
    case kClassHiragana: return "hiragana";
    case kClassKatakana: return "katakana";
    case kClassCapital:
    case kClassSmall: return "letters";
    case kClassDigit: return "digits";
    case kClassSymbol: return "symbols";
    default: return "other";
  }
}

// The class mask of the pad's input mode for a group (漢字, ひら, カナ, 英字, 数字, 記号).
inline uint32_t BenchClassMask(const std::string& group) {
  if (group == "kanji") return kClassKanji;
  if (group == "hiragana") return kClassHiragana;
  if (group == "katakana") return kClassKatakana;
  if (group == "letters") return kClassCapital | kClassSmall;
  if (group == "digits") return kClassDigit;
  if (group == "symbols") return kClassSymbol;
  return kClassAll;
}

inline const std::vector<std::string>& BenchClasses() {
  static const std::vector<std::string> classes = {"kanji", "hiragana", "katakana", "letters", "digits", "symbols"};
  return classes;
}
