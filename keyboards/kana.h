// The kana keyboards: a kana key types its romaji spelling for the focused
// application's input method; ゛ and ゜ retype the kana typed last in its voiced or
// semi-voiced form (BackSpace and the new spelling).
#pragma once

#include <cstdint>

constexpr int kKanaFirst = 101;
constexpr int kKanaLast = 161;
constexpr int kKanaVoiced = 12;      // ゛
constexpr int kKanaSemiVoiced = 13;  // ゜

// Up to three keysyms per kana key 101-161 (0 unused).
extern const uint32_t kana_keys_tbl[kKanaLast - kKanaFirst + 1][3];
// Two keysyms each: ga..do (か-と), then ba..bo, then pa..po.
extern const uint32_t dakuon_tbl[25][2];

// The key action of the kana keyboards. The commands 1, 4-11 and 14 are those of the
// soft keyboards (SftKeybord); 12, 13 voice; 101-161 type kana.
void Keybord50s(int value);
