// Reading the KanjiVG stroke files: one SVG per character form, each <path> of the
// StrokePaths group one stroke in writing order, in a 109 x 109 box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry.h"

constexpr double kKanjiVgBox = 109.0;

// What a file name says: "04e00.svg" is U+4E00, "04e00-Kaisho.svg" a variant of it.
struct KanjiVgName {
  uint32_t codePoint = 0;
  std::string variant;  // "" for the standard form
};

// False when the name is not "<hex>[-<variant>].svg".
bool ParseKanjiVgName(const std::string& fileName, KanjiVgName* name);

// Reads the strokes of one file (coordinates as in the file, 0..109). False with a
// message naming the file when it is not XML, has no StrokePaths group, has no
// stroke, or holds path data that does not parse.
bool ReadKanjiVgFile(const std::string& path, StrokeList* strokes, std::string* error);

// Same, from the text of a file; `where` names it in messages.
bool ReadKanjiVgText(const std::string& text, const std::string& where, StrokeList* strokes,
                     std::string* error);

// The .svg file names of a directory, sorted; false when it cannot be read.
bool ListKanjiVgFiles(const std::string& dir, std::vector<std::string>* names, std::string* error);
