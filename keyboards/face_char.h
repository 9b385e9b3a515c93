// The character a key of a soft keyboard shows on its face. The keyboards are drawn
// with a Japanese 106-key layout, whose Shift characters differ from those of other
// keyboard maps ("2" over '"', "-" over "="): a key types what its face shows, not
// what the key at the same place of the current map would give.
#pragma once

#include <cstdint>

// The printable ASCII character on the face of key `value` of keyboard k (0-4): the
// lower one, or with `shifted` the upper one (a letter's capital when the face shows
// one character only). 0 when the key shows no single ASCII character.
int FaceCharacter(int keyboard, uint32_t value, bool shifted);
