// The pad's modes in settings terms: the engine options that the character type and
// width settings give, and the cycling of the mode keys.
#pragma once

#include <cstdint>

#include "types.h"

// Class masks of the character types alc_mode 0..6 (automatic, kanji, hiragana,
// katakana, digits, letters, symbols).
inline constexpr uint32_t alm_chk[7] = {0x0FFF407F, 0x40000, 0x10000, 0x20000, 0x4, 0x3, 0x78};

// Mask from alc_mode; flags 0x400 (half-width results) unless dbl_mode is 2.
void SetEngineOptions(int alcMode, int dblMode, ZkOptionRec* option);

// The next value of each mode key.
int NextCharType(int alcMode);   // 0..6, then 0
int NextWidthMode(int dblMode);  // 1 <-> 2
int NextPenMode(int pmode);      // mouse, pen, fixed frame, then mouse

// Size of the fixed-frame window and of its row of boxes for lframe_size 1..3.
struct FrameSize {
  int width;
  int height;
  int rowHeight;
};
FrameSize FixedFrameSize(int size);
// The largest size step up to `size` whose window fits a screen `screenWidth` wide
// (step 1 when none does).
int FittingFrameSize(int size, int screenWidth);
