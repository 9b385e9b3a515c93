// The code table of the builder: the characters of the transition table's index,
// read back from their Shift-JIS codes, and the common Unicode variants of a few.
#include "text_coder.h"

#include "codes.h"
#include "seni.h"
#include "textconv.h"

namespace {

// Unicode forms that the Shift-JIS table reads differently but mean the same.
constexpr struct {
  uint32_t codepoint;
  uint16_t code;
} kVariants[] = {
    {0x301C, 0x8160},  // 〜 wave dash
    {0x2014, 0x815C},  // — em dash
    {0x2016, 0x8161},  // ‖ double vertical line
    {0x2212, 0x817C},  // − minus sign
    {0x00A2, 0x8191},  // ¢
    {0x00A3, 0x8192},  // £
    {0x00A5, 0x818F},  // ¥
};

}  // namespace

TextCoder::TextCoder() : bmp_(0x10000, kCodeBreak) {
  for (uint32_t code = 0x8140; code <= 0xEAFF; ++code) {
    if (SeniCodeIndex(static_cast<uint16_t>(code)) < 1) continue;
    const std::string utf8 = SjisCodeToUtf8(static_cast<uint16_t>(code));
    size_t pos = 0;
    if (utf8.empty()) continue;
    const uint32_t cp = NextCodepoint(utf8, &pos);
    if (pos == utf8.size() && cp < bmp_.size() && bmp_[cp] == kCodeBreak) bmp_[cp] = static_cast<uint16_t>(code);
  }
  for (const auto& v : kVariants) bmp_[v.codepoint] = v.code;
  // ASCII and half-width katakana read as the full-width characters the
  // recogniser returns for them.
  for (uint32_t c = 0x21; c <= 0x7E; ++c) bmp_[c] = ZkAsciiToSJis(static_cast<uint16_t>(c));
  for (uint32_t c = 0xFF61; c <= 0xFF9F; ++c) bmp_[c] = ZkAsciiToSJis(static_cast<uint16_t>(c - 0xFEC0));
  bmp_[0x3000] = kCodeBreak;  // the ideographic space separates like a space
}

uint16_t TextCoder::CodeOf(uint32_t codepoint) const {
  return codepoint < bmp_.size() ? bmp_[codepoint] : kCodeBreak;
}

uint32_t NextCodepoint(const std::string& text, size_t* pos) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t b0 = byte(*pos);
  int length = 0;
  uint32_t cp = 0;
  if (b0 < 0x80) {
    ++*pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    length = 2, cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, cp = b0 & 0x07;
  } else {
    ++*pos;
    return 0xFFFD;
  }
  if (*pos + length > text.size()) {
    ++*pos;
    return 0xFFFD;
  }
  for (int i = 1; i < length; ++i) {
    const uint8_t b = byte(*pos + i);
    if ((b & 0xC0) != 0x80) {
      ++*pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  *pos += length;
  return cp;
}

CodeString EucToCodes(const std::string& euc) {
  CodeString codes;
  size_t pos = 0;
  while (pos < euc.size()) {
    const uint8_t lead = static_cast<uint8_t>(euc[pos]);
    if (lead < 0x80) {
      codes.push_back(lead > 0x20 && lead < 0x7F ? ZkAsciiToSJis(lead) : kCodeBreak);
      ++pos;
    } else if (lead == 0x8E && pos + 1 < euc.size()) {  // half-width katakana
      codes.push_back(ZkAsciiToSJis(static_cast<uint8_t>(euc[pos + 1])));
      pos += 2;
    } else if (lead == 0x8F) {  // JIS X 0212: outside the table
      codes.push_back(kCodeBreak);
      pos += 3;
    } else if (pos + 1 < euc.size()) {
      codes.push_back(EucToSjis(lead, static_cast<uint8_t>(euc[pos + 1])));
      pos += 2;
    } else {
      codes.push_back(kCodeBreak);
      ++pos;
    }
  }
  return codes;
}
