// Counting character pairs of running text and of word-list entries, and turning
// the counts into a transition table of one data type that fits its capacities.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "seni_write.h"
#include "text_coder.h"

struct TableFigures {
  size_t textPairs = 0;      // distinct pairs of the running text
  size_t wordPairs = 0;      // pairs added from the word list
  size_t fromEntries = 0;
  int64_t largestPair = 0;   // before scaling
  int64_t largestOccurrence = 0;
  double scale = 1.0;        // factor applied to every count
};

class PairCounter {
 public:
  // Counts the pairs and character occurrences of one (distinct) sentence.
  void AddSentence(const CodeString& sentence);
  // Notes the pairs inside one word of the word list.
  void AddWord(const CodeString& word);

  // The table: every running-text pair (the most frequent when there are more
  // than `capacity`), then word-list pairs not seen in the text, most widespread
  // first, with the smallest count, until `capacity` entries. Counts are scaled by
  // one factor so that the largest pair count fits 16 signed bits; no count
  // drops below 1.
  SeniTable Build(size_t capacity, TableFigures* figures) const;

  size_t TextPairs() const { return textPairs_.size(); }

 private:
  std::unordered_map<uint32_t, int64_t> textPairs_;   // key: from index * 65536 + to index
  std::unordered_map<int, int64_t> occurrences_;      // by character index
  std::unordered_map<uint32_t, int64_t> wordPairs_;   // number of words holding the pair
};

// Index of a code when it may start (from = true) or end a counted pair, else -1.
// Sentence-ending codes never start one: the pad never looks a pair up from them.
int PairIndex(uint16_t code, bool from);
