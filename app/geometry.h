// Plain geometry shared by the pad's logic and its windows.
#pragma once

#include <cstdint>

// A rectangle of four 16-bit values; x, y signed, width, height unsigned.
struct Rect16 {
  int16_t x;
  int16_t y;
  uint16_t width;
  uint16_t height;
};
