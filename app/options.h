// The command-line options "-s" (start with a soft keyboard) and "-b" (background).
#pragma once

#include <cstdint>
#include <string>

// Index of the first argument (after the program name) whose first two characters
// equal those of `option`, so "-sx" counts as "-s"; 0 when there is none.
int FindOption(int argc, char** argv, const char* option);

// "-b R G B": the three decimal values that follow "-b", each clamped to 0..255, as
// 0xRRGGBB. Returns false with a message in `error` when "-b" lacks any of them, and
// false with an empty `error` when there is no "-b" at all.
bool BackColorOption(int argc, char** argv, uint32_t* rgb, std::string* error);
