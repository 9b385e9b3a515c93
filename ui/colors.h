// The fixed colour table: pen colours 0..5 and the colours of face texts.
#pragma once

#include <cstdint>

struct ColorEntry {
  uint16_t red, green, blue;  // 16-bit components
};

constexpr int kColorCount = 9;
extern const ColorEntry ColorTable[kColorCount];

// Indexes of the face-text colours.
constexpr int kColorPressedShadow = 0;
constexpr int kColorPressedText = 6;
constexpr int kColorNormalText = 7;
constexpr int kColorNormalShadow = 8;

// 0xRRGGBB of an entry (the high byte of each component).
uint32_t ColorRgb(int index);
