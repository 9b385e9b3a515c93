// One reference form into one stored pattern: traced as pen data in a writing box,
// then through the engine's own extraction, as a written character would be.
#pragma once

#include "dic_assembly.h"
#include "reference_set.h"

struct PatternMakerOptions {
  double boxPixels = 120;  // size of the writing box the form is traced into
  double spacing = 2;      // pixels between traced points
};

// False when the form yields no feature segment (every stroke shrank to a tap).
bool MakePattern(const ReferenceForm& form, const PatternMakerOptions& options, BuiltPattern* out);
