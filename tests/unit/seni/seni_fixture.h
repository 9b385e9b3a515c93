// Helpers for the rescoring tests: small transition tables built from character
// pairs, written to a temporary file and loaded, and candidate records.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "seni.h"
#include "seni_write.h"
#include "tempdir.h"
#include "textconv.h"

// Shift-JIS code of one character written in UTF-8.
inline uint16_t Sj(const char* utf8) { return Utf8ToSjisCode(utf8); }

struct PairCount {
  const char* from;
  const char* to;
  int16_t count;
};

// A table of one data type. A from-character's occurrence count is the sum of its
// pair counts unless `occurrences` gives it.
inline SeniTable TableOf(const std::vector<PairCount>& pairs, const std::map<std::string, int32_t>& occurrences = {}) {
  std::map<int, std::map<int, int16_t>> byFrom;
  std::map<int, int32_t> occurrenceOf;
  for (const PairCount& p : pairs) {
    const int from = SeniCodeIndex(Sj(p.from));
    const int to = SeniCodeIndex(Sj(p.to));
    EXPECT_GE(from, 0) << p.from;
    EXPECT_GE(to, 0) << p.to;
    byFrom[from][to] = p.count;
    occurrenceOf[from] += p.count;
  }
  for (const auto& [text, count] : occurrences) occurrenceOf[SeniCodeIndex(Sj(text.c_str()))] = count;
  SeniTable table;
  for (const auto& [from, tos] : byFrom) {
    SeniFromEntry entry;
    entry.index = from;
    entry.occurrences = occurrenceOf[from];
    entry.first = static_cast<int32_t>(table.transitions.size());
    entry.count = static_cast<int>(tos.size());
    for (const auto& [to, count] : tos) table.transitions.push_back({to, count});
    table.froms.push_back(entry);
  }
  table.types.push_back({0, static_cast<int>(table.froms.size())});
  return table;
}

inline int LoadTable(const TempDir& dir, const SeniTable& table) {
  std::string error;
  const std::string path = dir.File("Senijish.dat");
  EXPECT_TRUE(SeniWriteTable(path, table, &error)) << error;
  return SeniJishoFrom(path);
}

// A record whose candidates are the characters of `chars` (UTF-8), with distances
// starting at `first` and growing by `step`.
inline SeniCharRecord Record(const std::vector<const char*>& chars, int first = 1000, int step = 10) {
  SeniCharRecord r{};
  r.count = static_cast<int16_t>(chars.size());
  for (size_t i = 0; i < chars.size() && i < kSeniCandidates; ++i) {
    r.cand[i].code = Sj(chars[i]);
    r.cand[i].distance = static_cast<int16_t>(first + step * static_cast<int>(i));
  }
  return r;
}

// The first candidates of a row as UTF-8.
inline std::string FirstChoices(const std::vector<SeniCharRecord>& row) {
  std::string text;
  for (const SeniCharRecord& r : row) text += SjisCodeToUtf8(r.cand[0].code);
  return text;
}

// Loads a table for one test and releases it afterwards.
class LoadedTable : public ::testing::Test {
 protected:
  void TearDown() override { SeniClose(); }
  TempDir dir_;
};
