// The colour table.
#include "ui/colors.h"

const ColorEntry ColorTable[kColorCount] = {
    {0x0000, 0x0000, 0x0000},  // 0 pen 0; shadow of pressed face texts
    {0xFFFF, 0x0000, 0xFFFF},  // 1 pen 1
    {0xFFFF, 0xFFFF, 0xFFFF},  // 2 pen 2
    {0x0000, 0x9999, 0x9999},  // 3 pen 3
    {0x9999, 0x0000, 0x9999},  // 4 pen 4
    {0xFFFF, 0xFFFF, 0x0000},  // 5 pen 5
    {0x8888, 0x8888, 0x0000},  // 6 text of pressed faces
    {0x0000, 0x4444, 0x4444},  // 7 text of normal faces
    {0xAAAA, 0xAAAA, 0xAAAA},  // 8 shadow of normal face texts
};

uint32_t ColorRgb(int index) {
  if (index < 0 || index >= kColorCount) index = 0;
  const ColorEntry& c = ColorTable[index];
  return (static_cast<uint32_t>(c.red >> 8) << 16) | (static_cast<uint32_t>(c.green >> 8) << 8) |
         static_cast<uint32_t>(c.blue >> 8);
}
