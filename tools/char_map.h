// Which Shift-JIS code a source character goes into the dictionary as: KanjiVG names
// characters by Unicode, the engine knows JIS X 0208 codes only.
#pragma once

#include <cstdint>
#include <string>

// True for a double-byte code of a defined JIS X 0208 row (1-8 symbols and kana,
// 16-47 level-1 kanji, 48-84 level-2 kanji); false for vendor rows and single bytes.
bool IsJisX0208Code(uint16_t code);

// The dictionary code of a Unicode character: ASCII letters, digits and punctuation
// become their full-width forms, other characters their Shift-JIS code; 0 when the
// character has no JIS X 0208 code.
uint16_t DictionaryCodeOf(uint32_t codePoint);

