// The 99 key pictures ButtonXpm: bevelled keys drawn by the program itself at start-up
// as XPM data, the sunken ones being the pressed faces of the keys they pair with.
#pragma once

#include <string>
#include <vector>

constexpr int kFaceCount = 99;

struct KeySize {
  int width;
  int height;
};

// Size of face `index` (0..98); 0x0 outside that range.
KeySize KeyPictureSize(int index);

// True for the pressed (sunken) faces.
bool IsSunkenFace(int index);

// Colour-table indexes of the text drawn on face `index` and of its shadow. They go
// with the picture, not with the key's state: the pressed colours on a sunken face,
// so an active toggle key redrawn with the normal mode stays readable too.
struct FaceTextColors {
  int text, shadow;
};
FaceTextColors TextColorsOn(int index);

// The picture's name: "btn" and the two-digit number index + 1.
std::string ButtonXpmName(int index);

// XPM lines of face `index` (values line, colours, one line per pixel row), made on
// first use and kept for the run; nullptr outside 0..98.
const char* const* ButtonXpm(int index);
const std::vector<std::string>& ButtonXpmLines(int index);
