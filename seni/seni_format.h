// Layout of the transition table file: a text file of short lines whose fields
// sit in fixed columns (counted from 0) and read as decimal numbers.
#pragma once

#include <string>

constexpr int kSeniMaxLineLength = 79;

struct SeniColumns {
  int first, last;  // inclusive
};

// Header: number of data types (columns 0..4 are free).
constexpr SeniColumns kSeniHeaderTypes{5, 9};
// Data-type line: first from-entry, number of from-entries.
constexpr SeniColumns kSeniTypeFirst{0, 4};
constexpr SeniColumns kSeniTypeCount{6, 11};
// Line giving the number of from-entries.
constexpr SeniColumns kSeniFromTotal{0, 4};
// From-entry: character index, occurrence count, first transition, transitions.
constexpr SeniColumns kSeniFromIndex{0, 4};
constexpr SeniColumns kSeniFromOccurrences{6, 15};
constexpr SeniColumns kSeniFromFirst{17, 26};
constexpr SeniColumns kSeniFromCount{28, 32};
// Line giving the number of transition entries.
constexpr SeniColumns kSeniTransitionTotal{0, 9};
// Transition entry: to-character index, count of the pair.
constexpr SeniColumns kSeniToIndex{0, 4};
constexpr SeniColumns kSeniPairCount{6, 10};

// Reads the decimal number in `columns` of `line` (spaces around it allowed, an
// optional minus sign); false when the columns hold no number or anything else.
bool SeniReadField(const std::string& line, SeniColumns columns, long long* value);
