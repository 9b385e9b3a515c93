// The keyboards' state: the kana key clicked last, the ten-key pad's width, the latch
// keys that are on, and the entries marked in the two selectors.
#pragma once

#include <cstdint>

#include "keyboards/soft.h"

// The keyboards' state, owned in one record; its members keep their names.
struct KeyboardsState {
  int32_t K50button = 0;   // the kana key clicked last (101-161); 0 after a voicing key
  uint32_t tenk_wide = 1;  // 1 full-width pages, 0 half-width pages
  // Which latch keys are on, per keyboard (the toggle keys show the same).
  bool Soft_latch[kKeyboards][kLatchKeys] = {};
  int32_t comb_sel = 0;   // Comb_txt entry marked in the input list (0-2)
  int32_t akey_sel = -1;  // assignment entry marked, -1 none
};
extern KeyboardsState Kbd;
