// Writing the pattern dictionary container: used by the system-dictionary builder,
// the user dictionary and the tests. What it writes, both loaders read back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "types.h"

struct DicPatternSpec {
  uint16_t code = 0;
  std::vector<std::array<int8_t, 4>> segments;  // x0, y0, x1, y1
};

struct SubDicSpec {
  uint32_t typeMask = 0;
  uint32_t flags = 0;
  std::vector<DicPatternSpec> groups[kDicGroups];  // group k: k + 1 strokes (21 and more in 20)
};

struct DicWriteOptions {
  // true: every group gets a header, as user blocks need; false: empty groups get
  // start 0 and no header.
  bool keepEmptyGroups = true;
  uint32_t timeStamp = 0;  // 0: the current time
};

// Bytes of the block of one sub-dictionary.
size_t SubDicBlockSize(const SubDicSpec& sub, bool keepEmptyGroups);

// True when a sub-dictionary fits the format: every group start below 65536 units
// of 16 bytes, every count below 65536, at most kMaxSegments segments per pattern.
bool SubDicFits(const SubDicSpec& sub, bool keepEmptyGroups, std::string* why = nullptr);

// Serialises the container; false with a reason when a limit is passed (more than
// 64 sub-dictionaries, or a sub-dictionary that does not fit).
bool BuildDicImage(const std::vector<SubDicSpec>& subs, const DicWriteOptions& options,
                   std::vector<uint8_t>* image, std::string* error);

// Writes the container to a file (through a temporary file renamed into place).
bool WriteDicFile(const std::string& path, const std::vector<SubDicSpec>& subs,
                  const DicWriteOptions& options, std::string* error);

// The block of one sub-dictionary on its own (the form a user entry keeps in memory).
std::vector<uint8_t> BuildSubDicBlock(const SubDicSpec& sub, bool keepEmptyGroups);

// Reads a validated block back into its patterns, group by group.
SubDicSpec SubDicFromBlock(const uint8_t* block, size_t size);

// The stored form of a feature pattern: coordinates clamped to signed bytes.
DicPatternSpec PatternToSpec(uint16_t code, const KusabiPattern& pattern);

// The group a pattern of `strokes` strokes is stored in.
inline int DicGroupOf(int strokes) { return strokes < 1 ? 0 : (strokes > kDicGroups ? kDicGroups - 1 : strokes - 1); }
