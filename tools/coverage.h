// What the system dictionary must hold (the target ranges) and the table the
// builder prints: patterns and characters per class, characters missing per target.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct CoverageTarget {
  std::string name;
  std::vector<uint16_t> codes;
  bool required = true;  // false: reported only (level-2 kanji come as far as the source has them)
};

// The targets: level-1 and level-2 kanji, the 49 extra kanji of the transition table,
// hiragana, katakana, digits, capital and small letters, the handwritten symbols.
std::vector<CoverageTarget> DictionaryTargets();

// The symbols people write by hand that the dictionary must hold.
std::vector<uint16_t> RequiredSymbols();

struct CoverageLine {
  std::string name;
  bool required = true;
  size_t wanted = 0;
  std::vector<uint16_t> missing;
};

struct ClassCount {
  size_t patterns = 0;
  size_t characters = 0;
};

struct CoverageReport {
  std::vector<CoverageLine> lines;
  std::map<std::string, ClassCount> classes;  // by class name
  std::set<uint16_t> byRule;                   // present without a pattern of their own
  bool complete = true;                        // every required target fully present
};

// patternsPerCode: how many patterns each code has in the dictionary; byRule: codes
// the engine produces from other patterns (the small forms), which count as present.
CoverageReport CheckCoverage(const std::map<uint16_t, size_t>& patternsPerCode,
                             const std::vector<CoverageTarget>& targets,
                             const std::set<uint16_t>& byRule = {});

// Class name of a code ("kanji", "hiragana", "katakana", "capitals", "small letters",
// "digits", "symbols"; "other" for anything else).
std::string ClassNameOf(uint16_t code);

// The printable table; missing characters are listed (the first `listLimit` of each).
std::string FormatCoverage(const CoverageReport& report, size_t listLimit = 40);
