// Pair counting and the assembly of the scaled table.
#include "pair_counts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

#include "seni.h"

namespace {

constexpr int64_t kLargestPairCount = 32767;

uint32_t Key(int from, int to) { return static_cast<uint32_t>(from) << 16 | static_cast<uint32_t>(to); }
int FromOf(uint32_t key) { return static_cast<int>(key >> 16); }
int ToOf(uint32_t key) { return static_cast<int>(key & 0xFFFF); }

bool EndsPadSentence(uint16_t code) {
  return code == 0x8141 || code == 0x8142 || code == 0x8143 || code == 0x8144 || code == 0x8140;
}

// Pairs in the order they are kept when there is no room for all.
template <typename Map>
std::vector<std::pair<uint32_t, int64_t>> ByCountThenKey(const Map& counts) {
  std::vector<std::pair<uint32_t, int64_t>> sorted(counts.begin(), counts.end());
  std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  return sorted;
}

}  // namespace

int PairIndex(uint16_t code, bool from) {
  if (code == kCodeBreak || (from && EndsPadSentence(code))) return -1;
  const int index = SeniCodeIndex(code);
  return index >= 1 ? index : -1;  // index 0 (line ends, the space) pairs with nothing
}

void PairCounter::AddSentence(const CodeString& sentence) {
  for (size_t i = 0; i < sentence.size(); ++i) {
    const int index = PairIndex(sentence[i], true);
    if (index < 0) continue;
    ++occurrences_[index];
    if (i + 1 < sentence.size()) {
      const int next = PairIndex(sentence[i + 1], false);
      if (next >= 0) ++textPairs_[Key(index, next)];
    }
  }
}

void PairCounter::AddWord(const CodeString& word) {
  for (size_t i = 0; i + 1 < word.size(); ++i) {
    const int from = PairIndex(word[i], true);
    const int to = PairIndex(word[i + 1], false);
    if (from >= 0 && to >= 0) ++wordPairs_[Key(from, to)];
  }
}

SeniTable PairCounter::Build(size_t capacity, TableFigures* figures) const {
  TableFigures f;
  std::vector<std::pair<uint32_t, int64_t>> text = ByCountThenKey(textPairs_);
  if (text.size() > capacity) text.resize(capacity);
  f.textPairs = text.size();
  for (const auto& [key, count] : text) f.largestPair = std::max(f.largestPair, count);
  f.scale = f.largestPair > kLargestPairCount ? static_cast<double>(kLargestPairCount) / f.largestPair : 1.0;
  const auto scaled = [&](int64_t count) {
    return std::clamp<int64_t>(std::llround(static_cast<double>(count) * f.scale), 1, INT32_MAX);
  };

  std::map<uint32_t, int64_t> pairs;  // sorted by from index, then to index
  std::map<int, int64_t> occurrence;
  for (const auto& [key, count] : text) {
    pairs[key] = std::min(scaled(count), kLargestPairCount);
    const auto seen = occurrences_.find(FromOf(key));
    const int64_t raw = seen != occurrences_.end() ? seen->second : count;
    f.largestOccurrence = std::max(f.largestOccurrence, raw);
    occurrence[FromOf(key)] = scaled(raw);
  }
  // Pairs known only from words get the smallest count and add it to the
  // occurrences of their first character, so the ratios stay below one.
  for (const auto& [key, words] : ByCountThenKey(wordPairs_)) {
    if (pairs.size() >= capacity) break;
    if (pairs.count(key)) continue;
    pairs[key] = 1;
    occurrence[FromOf(key)] += 1;
    ++f.wordPairs;
  }

  SeniTable table;
  for (const auto& [key, count] : pairs) {
    const int from = FromOf(key);
    if (table.froms.empty() || table.froms.back().index != from) {
      SeniFromEntry entry;
      entry.index = from;
      entry.occurrences = static_cast<int32_t>(std::min<int64_t>(occurrence[from], INT32_MAX));
      entry.first = static_cast<int32_t>(table.transitions.size());
      table.froms.push_back(entry);
    }
    ++table.froms.back().count;
    table.transitions.push_back({ToOf(key), static_cast<int16_t>(count)});
  }
  table.types.push_back({0, static_cast<int>(table.froms.size())});
  f.fromEntries = table.froms.size();
  if (figures) *figures = f;
  return table;
}
