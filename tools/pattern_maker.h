// One reference form into one stored pattern: traced as pen data in a writing box,
// then through the engine's own extraction, as a written character would be.
#pragma once

#include <cstdint>
#include <vector>

#include "dic_assembly.h"
#include "reference_set.h"

struct PatternMakerOptions {
  double boxPixels = 120;  // size of the writing box the form is traced into
  double spacing = 2;      // pixels between traced points
};

// The pen data of a form traced into the writing box; *strokes receives its stroke
// count.
std::vector<uint16_t> FormPenData(const ReferenceForm& form, const PatternMakerOptions& options, int* strokes);

// False when the form yields no feature segment (every stroke shrank to a tap).
bool MakePattern(const ReferenceForm& form, const PatternMakerOptions& options, BuiltPattern* out);
