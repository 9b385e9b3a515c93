// The sequence mode of zkrecog: the characters of one written row go through the
// transition rescoring as the pad sends them, and the row is read before and after.
#pragma once

#include <string>
#include <vector>

#include "row_words.h"
#include "seni.h"
#include "word_cost.h"
#include "types.h"

struct SeqReading {
  std::string plain;     // first candidates as recognised (UTF-8)
  std::string pairs;     // first candidates after the transition rescoring alone
  std::string rescored;  // the row's final reading: words and transitions, or `pairs`
                         // without a word model
  std::vector<SeniCharRecord> records;  // the final candidates of the characters read
  int result = 0;        // the last non-zero SeniCntl result, else 0
};

// Reads a row of recognised characters. Like the pad, characters without a
// candidate stay out of the rescoring (they read as "？"), and the rest go to
// SeniCntl (data type 0) twelve at a time. The transition table must be loaded.
// With `words`, the same twelve also go through the word rescoring (with the
// transitions as its pair term), which gives the final reading. As in the pad, each
// twelve are read as following the text before them: the final reading of the
// twelve before, and for the first, `before` (0: none).
SeqReading ReadRow(const std::vector<ZkResult>& results, const WordCost* words = nullptr,
                   const WordSettings& settings = WordSettings{}, uint16_t before = 0);
