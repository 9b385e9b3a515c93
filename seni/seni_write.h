// Writing a transition table in the fixed-column layout that SeniJisho reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SeniTypeRange {
  int first = 0;  // first from-entry
  int count = 0;  // number of from-entries
};

struct SeniFromEntry {
  int index = 0;            // from-character index
  int32_t occurrences = 0;  // occurrence count of the character
  int32_t first = 0;        // first transition entry
  int count = 0;            // number of transition entries
};

struct SeniTransition {
  int index = 0;      // to-character index
  int16_t count = 0;  // count of the pair
};

struct SeniTable {
  std::vector<SeniTypeRange> types;
  std::vector<SeniFromEntry> froms;
  std::vector<SeniTransition> transitions;
};

// The file text. Values too wide for their columns are the caller's fault and
// make the loader refuse the file.
std::string SeniFormatTable(const SeniTable& table);
// Writes the file; false with *error set when it cannot be written.
bool SeniWriteTable(const std::string& path, const SeniTable& table, std::string* error);
