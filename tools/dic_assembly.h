// Arranging extracted patterns into sub-dictionaries: one per character class, split
// into several of the same class where one block would pass the format's limits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dicwriter.h"

struct BuiltPattern {
  int strokes = 0;  // strokes of the extracted pattern (its group is DicGroupOf(strokes))
  DicPatternSpec stored;
};

// The classes in the order their sub-dictionaries are written.
const std::vector<uint32_t>& DictionaryClassOrder();

// Splits the patterns of one class (already grouped, group k = k + 1 strokes) into
// as few blocks as the limits allow, keeping group and pattern order. Empty groups
// get no header (keepEmptyGroups false). False with a message when a single pattern
// cannot be stored.
bool SplitIntoSubDics(uint32_t typeMask, const std::vector<DicPatternSpec> (&groups)[kDicGroups],
                      std::vector<SubDicSpec>* out, std::string* error);

// All patterns into sub-dictionaries: by class (ZkCheckJisyu of each code, in
// DictionaryClassOrder), identical patterns of one code stored once. Codes outside
// these classes (gestures, unknown codes) are refused.
bool AssembleSubDics(const std::vector<BuiltPattern>& patterns, std::vector<SubDicSpec>* out,
                     size_t* duplicatesDropped, std::string* error);
