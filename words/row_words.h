// Word-level rescoring of a written row: the best few strings through the row's
// candidates (recognition distance plus transition cost) are read as words, and the
// row takes the string with the lowest weighted sum. Each position's candidates are
// then ordered by the score of the chosen row with that candidate in its place, so the
// alternatives agree with the line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "seni.h"
#include "word_cost.h"

// The defaults were chosen on seed 1 of zkbench-seq, 12 samples (zkbench-wordtune: most sentence
// rows right with no do-no-harm row worse) and checked on seed 1 of zkbench-rows.
struct WordSettings {
  double transitionWeight = 80;  // distance units per -log10 P(next | previous)
  double wordWeight = 0.03;      // distance units per unit of word cost
  int strings = 24;              // best strings read as words
  int window = 600;              // candidates farther than this behind the best stay out
  // Distance units for a Latin letter, digit or symbol (not 、 。 ， ． ・) read between
  // two kana or kanji: a kana written among kanji is rarely meant as one.
  double mixedWeight = 200;
  // true: the words start from the transition rescoring's reading (SeniCntl moves its
  // choice to the first place and leaves the distances where they were), so the
  // transitions' choice has the best distance; false: from the engine's order.
  bool afterTransitions = true;
  // false: only the chosen row's characters move to the first places; the other
  // candidates keep their order (when only the row is wanted, it is much quicker).
  bool orderAlternatives = true;
};

// Cost of UTF-8 text as words (WordCost::Of).
using WordTextCost = std::function<long(const std::string& utf8)>;
// Cost of code `to` following code `from`; null: no transition term.
using WordPairCost = std::function<double(uint16_t from, uint16_t to)>;

// Whether rows recognised with the class mask `mask` may be sentences: kanji or kana
// are allowed (not the 英字, 数字 or 記号 modes).
bool WordsSuitMask(uint32_t mask);

// The whole rescoring of `count` records (at most twelve, as the pad sends them):
// the transitions (SeniCntl, data type 0), then, with `words`, the words. With
// `before` (0: none), the row is read as following that character: the end of the
// text already written before it. Returns SeniCntl's result.
int RescoreRowWithWords(SeniCharRecord* records, int count, const WordCost* words,
                        const WordSettings& settings = WordSettings{}, uint16_t before = 0);

// Reorders the candidates (code and distance together) of `count` records in writing
// order: cand[0] of each reads the chosen row. Records without a candidate are passed
// over. Returns the number of positions whose first candidate changed.
int RescoreRowWords(SeniCharRecord* records, int count, const WordTextCost& words, const WordPairCost& pairs,
                    const WordSettings& settings = WordSettings{});
