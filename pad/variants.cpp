// The large/small key: each selected character becomes its next variant (small and
// large kana, voiced and semi-voiced kana, upper and lower case).
#include <algorithm>
#include <cstring>
#include <string>

#include "pad/editing.h"
#include "pad/pending.h"
#include "pad/platform.h"

namespace {

constexpr unsigned char kHiragana = 0xA4;
constexpr unsigned char kKatakana = 0xA5;
constexpr unsigned char kFullWidthAlnum = 0xA3;

// Katakana rows without a hiragana twin: ウ→ヴ→ゥ, ガ→ヵ→カ, ゲ→ヶ→ケ.
struct KatakanaRow {
  unsigned char from, to;
};
constexpr KatakanaRow kKatakanaRows[] = {
    {0xA6, 0xF4}, {0xAC, 0xF5}, {0xB2, 0xF6},  // ウ ガ ゲ
    {0xF4, 0xA5}, {0xF5, 0xAB}, {0xF6, 0xB1},  // ヴ ヵ ヶ
};

// The variant of a kana by its second byte (hiragana and katakana alike).
unsigned char KanaVariant(unsigned char c) {
  // ぁ..ぢ and ゃ..よ: small/large or unvoiced/voiced pairs, the odd byte first.
  if ((c >= 0xA1 && c <= 0xC2) || (c >= 0xE3 && c <= 0xE8)) return c & 1 ? c + 1 : c - 1;
  // て で と ど and ゎ わ: pairs with the even byte first.
  if ((c >= 0xC6 && c <= 0xC9) || c == 0xEE || c == 0xEF) return c & 1 ? c - 1 : c + 1;
  // っ つ づ and は..ぽ: three-cycles.
  if (c >= 0xC3 && c <= 0xC5) return c == 0xC5 ? 0xC3 : c + 1;
  if (c >= 0xCF && c <= 0xDD) return (c - 0xCF) % 3 == 2 ? c - 2 : c + 1;
  return c;
}

// The variant becomes the first candidate; the others keep their order behind it,
// the old first one included, and none is listed twice.
void PutFirstCandidate(char (&cells)[kCandCells][2], const std::string& first) {
  char old[kCandCells][2];
  std::memcpy(old, cells, sizeof old);
  std::memset(cells, 0, sizeof old);
  std::memcpy(cells[0], first.data(), std::min<size_t>(first.size(), 2));
  int n = 1;
  for (int i = 0; i < kCandCells && n < kCandCells; ++i) {
    if (old[i][0] == '\0' || std::memcmp(old[i], cells[0], 2) == 0) continue;
    std::memcpy(cells[n++], old[i], 2);
  }
}

}  // namespace

std::string CharVariant(const std::string& euc) {
  std::string v = euc;
  if (v.size() == 1) {
    const unsigned char c = static_cast<unsigned char>(v[0]);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) v[0] = static_cast<char>(c ^ 0x20);
    return v;
  }
  if (v.size() != 2) return v;
  const unsigned char lead = static_cast<unsigned char>(v[0]);
  unsigned char c = static_cast<unsigned char>(v[1]);
  if (lead == kFullWidthAlnum && ((c >= 0xC1 && c <= 0xDA) || (c >= 0xE1 && c <= 0xFA))) {
    c = c >= 0xE1 ? c - 0x20 : c + 0x20;  // Ａ..Ｚ and ａ..ｚ
  } else if (lead == kKatakana || lead == kHiragana) {
    const auto row = std::find_if(std::begin(kKatakanaRows), std::end(kKatakanaRows),
                                  [c](const KatakanaRow& r) { return r.from == c; });
    if (lead == kKatakana && row != std::end(kKatakanaRows)) c = row->to;
    else if (c <= 0xF3) c = KanaVariant(c);
  }
  v[1] = static_cast<char>(c);
  return v;
}

void LowhiConvert() {
  const int count = Pad.Ink_data.pending;
  const int start = std::clamp<int>(Pad.Rang.start, 0, count);
  const int end = std::clamp<int>(Pad.Rang.end, 0, count);
  if (start >= end) return;
  std::string text(Pad.Tbuff, EucCharOffset(Pad.Tbuff, start));
  size_t at = text.size();
  for (int i = start; i < end; ++i) {
    const size_t bytes = EucCharBytes(Pad.Tbuff + at);
    const std::string variant = CharVariant(std::string(Pad.Tbuff + at, bytes));
    text += variant;
    at += bytes;
    // The shown character stays the first candidate, as everywhere in the line.
    PutFirstCandidate(Pad.Result[i], variant);
  }
  text += Pad.Tbuff + at;
  PendingSetText(text);
  PadScreen().PendingText();
  PadScreen().CandidateKeys(10);
}
