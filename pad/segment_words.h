// Free writing read with words: the segmentation's best few readings of a row, each
// rescored as words, and the one that reads best taken.
#pragma once

#include <cstddef>
#include <vector>

#include "pad/segment.h"
#include "row_words.h"
#include "word_cost.h"

// Index of the reading whose cost plus the words of its best string (as
// RescoreRowWithWords reads it, at WordSettings::wordWeight) is least (the first of
// equals); 0 without words or with one reading. `before`: the character the row
// follows (0: none). The readings are rescored on up to `threads` threads.
size_t ChooseReadingByWords(const std::vector<SegReading>& readings, const WordCost* words,
                            const WordSettings& settings = WordSettings{}, uint16_t before = 0, int threads = 2);
