// Which variant forms earn a place in the dictionary: a variant whose traced form the
// dictionary without it already recognises clearly would only cost search time.
#pragma once

#include <string>
#include <vector>

#include "pattern_maker.h"
#include "reference_set.h"

struct VariantVerdict {
  bool keep = false;
  int margin = 0;  // normalised distance from the best other candidate (negative: not first)
};

// Recognises the traced form with the engine as it is initialised (the dictionary
// without the variants), restricted to the form's class: the variant is kept when
// its character does not come first, or comes first by less than minMargin.
VariantVerdict JudgeVariant(const ReferenceForm& form, const PatternMakerOptions& options, int minMargin);
