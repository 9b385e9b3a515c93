// The project's own stroke data (data/strokes/*.txt): characters KanjiVG lacks and
// handwritten forms, one character per block, one stroke per line in a 0-100 box.
//
//   # comment
//   char 817B ＋ plus sign          <- Shift-JIS code, the character, a free note
//   50,15 50,85                     <- stroke 1: x,y points, x right, y down
//   15,50 85,50                     <- stroke 2
//
// A block ends where the next "char" line starts. Several blocks of one code are
// forms of the same character.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry.h"

constexpr double kStrokeTextBox = 100.0;

struct StrokeTextChar {
  uint16_t code = 0;
  std::string note;
  StrokeList strokes;
  int line = 0;  // line of the "char" header, for messages
};

// Parses the text of one file; `where` names it in messages ("file:line: what").
// Every point lies in 0..100, every stroke has at least 2 points, every block 1 to
// 30 strokes, and the character written after the code is the code's character.
bool ParseStrokeText(const std::string& text, const std::string& where, std::vector<StrokeTextChar>* out,
                     std::string* error);

// Reads and parses a file.
bool ReadStrokeTextFile(const std::string& path, std::vector<StrokeTextChar>* out, std::string* error);
