// The reference forms the dictionary is made from: KanjiVG files and the project's
// stroke-text files, each form tagged with its dictionary code and its source.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry.h"

struct ReferenceForm {
  uint16_t code = 0;
  std::string source;   // file name (and line for stroke text), for messages
  bool variant = false; // a form besides the character's standard one
  bool handMade = false; // from the project's stroke-text files
  bool joined = false;   // a kana with two neighbouring strokes joined
  int joinedAt = -1;     // then the first of the two, numbered from 0 in the form joined
  double box = 100;     // strokes lie in a box * box square
  StrokeList strokes;
};

struct KanjiVgStats {
  int files = 0;        // .svg files seen
  int used = 0;         // forms taken
  int notJis = 0;       // characters without a JIS X 0208 code
  int variantsSkipped = 0;
};

// Reads every KanjiVG file of dir whose character has a JIS X 0208 code; variant
// files too unless withVariants is false. False with a message on the first file
// that cannot be read.
bool LoadKanjiVgForms(const std::string& dir, bool withVariants, std::vector<ReferenceForm>* forms,
                      KanjiVgStats* stats, std::string* error);

// Forms of a kana written with two neighbouring strokes joined, as people do when
// the pen runs on from one stroke to the next: one form for each pair whose end
// and start lie within maxGap (a fraction of the box). Small kana get none (the
// engine derives them from the large ones).
std::vector<ReferenceForm> JoinedStrokeForms(const ReferenceForm& form, double maxGap = 0.35);

// Reads stroke-text files (a directory stands for its *.txt files, sorted).
bool LoadStrokeTextForms(const std::vector<std::string>& paths, std::vector<ReferenceForm>* forms,
                         std::string* error);
