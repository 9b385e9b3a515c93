// Conversions between the engine's and pad's codes and UTF-8, for the program's
// boundaries (GTK strings, the command-line tools' JSON). Uses the C library's iconv.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// UTF-8 of a Shift-JIS code (a single-byte code when code <= 0xFF); "" when the
// code is not a character (for example a gesture code).
std::string SjisCodeToUtf8(uint16_t code);

// Shift-JIS code of the first UTF-8 character of text (a single-byte code for
// ASCII and half-width katakana); 0 when it has none.
uint16_t Utf8ToSjisCode(const std::string& text);

// Whole strings between EUC-JP and UTF-8; false when the input does not convert.
bool EucToUtf8(const std::string& euc, std::string* utf8);
bool Utf8ToEuc(const std::string& utf8, std::string* euc);

// UTF-8 of one Unicode code point; "" for 0, surrogates and values past U+10FFFF.
std::string Utf8FromCodePoint(uint32_t cp);

// Splits UTF-8 text into characters (each a complete UTF-8 sequence).
size_t Utf8CharLength(const std::string& text, size_t pos);
// The characters of UTF-8 text, up to the first broken sequence.
std::vector<std::string> Utf8Characters(const std::string& text);
