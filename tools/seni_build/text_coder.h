// Turning source text into the codes the pad hands to the rescoring: Shift-JIS
// codes, with ASCII and half-width katakana in their full-width forms, as the
// recogniser returns them outside half-width mode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A run of codes; 0 marks a place where no pair may be counted (a space, a line
// end between two ASCII words, a character the table cannot hold).
using CodeString = std::vector<uint16_t>;
constexpr uint16_t kCodeBreak = 0;

class TextCoder {
 public:
  // Builds the table from every character the transition table has an index for.
  TextCoder();
  // Code of a Unicode character, or kCodeBreak.
  uint16_t CodeOf(uint32_t codepoint) const;

 private:
  std::vector<uint16_t> bmp_;  // indexed by code point, U+0000..U+FFFF
};

// Decodes one UTF-8 character at text[*pos] and advances *pos; malformed bytes
// give U+FFFD and advance by one.
uint32_t NextCodepoint(const std::string& text, size_t* pos);

// Codes of an EUC-JP string (the word list's encoding).
CodeString EucToCodes(const std::string& euc);
