// The row search: a beam over positions keeps the best partial strings by distance and
// transitions; the survivors are read as words once; the alternatives are scored by
// substitution into the chosen row.
#include "row_words.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "textconv.h"
#include "types.h"

namespace {

// Kana, kanji and the marks that belong to them (ー 々 ゝ ...), in Shift-JIS.
bool IsJapanese(uint16_t code) {
  return (code >= 0xA6 && code <= 0xDF) || (code >= 0x8152 && code <= 0x815B) || (code >= 0x829F && code <= 0x82F1) ||
         (code >= 0x8340 && code <= 0x8396) || code >= 0x889F;
}

// Marks that sit among kana and kanji as a matter of course.
bool IsSentenceMark(uint16_t code) {
  return (code >= 0x8141 && code <= 0x8145) || code == 0x8140 || code == 0xA1 || code == 0xA4 || code == 0xA5 ||
         code == ',' || code == '.' || code == ' ';
}

struct Path {
  std::vector<int> pick;  // candidate index at each position
  double score = 0;       // distances and transitions
};

class RowSearch {
 public:
  RowSearch(SeniCharRecord* records, int count, const WordTextCost& words, const WordPairCost& pairs,
            const WordSettings& settings)
      : words_(words), pairs_(pairs), settings_(settings) {
    for (int i = 0; i < count; ++i) {
      if (records[i].count < 1) continue;
      row_.push_back(&records[i]);
      std::vector<std::string> texts;
      for (int c = 0; c < Held(records[i]); ++c) texts.push_back(SjisCodeToUtf8(records[i].cand[c].code));
      texts_.push_back(std::move(texts));
    }
    pairCosts_.resize(row_.size());
  }

  int Run() {
    if (row_.empty()) return 0;
    const std::vector<Path> paths = BestPaths();
    // Every survivor read as words; the best total is the row.
    double bestTotal = 0;
    const Path* best = nullptr;
    for (const Path& p : paths) {
      const double total = Total(p.pick);
      if (!best || total < bestTotal) {
        best = &p;
        bestTotal = total;
      }
    }
    const std::vector<int> chosen = best->pick;
    int changed = 0;
    for (size_t i = 0; i < row_.size(); ++i) {
      SeniCharRecord& r = *row_[i];
      const int held = Held(r);
      // Score of each candidate: the chosen row with it in place of this position's.
      std::vector<std::pair<double, int>> order;
      for (int c = 0; c < held; ++c) {
        double key;
        if (c == chosen[i]) {
          key = -1e300;  // the row's own stays first
        } else if (settings_.orderAlternatives && InWindow(r, c)) {
          std::vector<int> pick = chosen;
          pick[i] = c;
          key = Total(pick);
        } else {
          key = 1e300;  // beyond the window: after the rest, in recognition order
        }
        order.emplace_back(key, c);
      }
      std::stable_sort(order.begin(), order.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      SeniCandidate sorted[kSeniCandidates];
      for (int k = 0; k < held; ++k) sorted[k] = r.cand[order[k].second];
      std::copy(sorted, sorted + held, r.cand);
      changed += chosen[i] != 0;
    }
    return changed;
  }

 private:
  static int Held(const SeniCharRecord& r) { return std::clamp<int>(r.count, 0, kSeniCandidates); }

  // Whether candidate c may take the first place: close enough to the first, and not
  // a swap between two characters that are no kana or kanji (O and 0, ｏ and ．, 。
  // and 、): words know nothing of those, the transitions decide them alone.
  bool InWindow(const SeniCharRecord& r, int c) const {
    if (c > 0 && !IsJapanese(r.cand[0].code) && !IsJapanese(r.cand[c].code)) return false;
    return r.cand[c].distance - r.cand[0].distance <= settings_.window;
  }

  // Transition cost into position i, remembered: the beam and every string ask for
  // the same few pairs again and again.
  double Pair(size_t i, int from, int to) {
    if (!pairs_) return 0;
    std::vector<double>& known = pairCosts_[i];
    if (known.empty()) known.assign(kSeniCandidates * kSeniCandidates, std::nan(""));
    double& cost = known[static_cast<size_t>(from * kSeniCandidates + to)];
    if (std::isnan(cost)) cost = settings_.transitionWeight * pairs_(row_[i - 1]->cand[from].code, row_[i]->cand[to].code);
    return cost;
  }

  // The strings with the lowest distance-and-transition scores, by beam search. The
  // beam holds steps that point back to the step before, so no string is copied.
  std::vector<Path> BestPaths() {
    struct Step {
      double score;
      int previous;  // step of the position before, -1 at the first
      int pick;
    };
    std::vector<std::vector<Step>> layers;
    std::vector<Step> beam{Step{0, -1, -1}};
    for (size_t i = 0; i < row_.size(); ++i) {
      const SeniCharRecord& r = *row_[i];
      std::vector<Step> next;
      for (size_t b = 0; b < beam.size(); ++b)
        for (int c = 0; c < Held(r); ++c) {
          if (!InWindow(r, c)) continue;
          next.push_back(Step{beam[b].score + (r.cand[c].distance + (i > 0 ? Pair(i, beam[b].pick, c) : 0)),
                              i > 0 ? static_cast<int>(b) : -1, c});
        }
      const size_t keep = std::min<size_t>(next.size(), static_cast<size_t>(std::max(1, settings_.strings)));
      std::partial_sort(next.begin(), next.begin() + static_cast<long>(keep), next.end(),
                        [](const Step& a, const Step& b) { return a.score < b.score; });
      next.resize(keep);
      layers.push_back(next);
      beam = std::move(next);
    }
    std::vector<Path> paths(beam.size());
    for (size_t k = 0; k < beam.size(); ++k) {
      paths[k].score = beam[k].score;
      paths[k].pick.resize(row_.size());
      int step = static_cast<int>(k);
      for (size_t i = row_.size(); i-- > 0;) {
        const Step& s = layers[i][static_cast<size_t>(step)];
        paths[k].pick[i] = s.pick;
        step = s.previous;
      }
    }
    return paths;
  }

  // Distances, transitions and words of a complete string.
  double Total(const std::vector<int>& pick) {
    double total = 0;
    std::string text;
    for (size_t i = 0; i < row_.size(); ++i) {
      total += row_[i]->cand[pick[i]].distance + (i > 0 ? Pair(i, pick[i - 1], pick[i]) : 0);
      text += texts_[i][static_cast<size_t>(pick[i])];
      const uint16_t code = row_[i]->cand[pick[i]].code;
      if (i > 0 && i + 1 < row_.size() && !IsJapanese(code) && !IsSentenceMark(code) &&
          IsJapanese(row_[i - 1]->cand[pick[i - 1]].code) && IsJapanese(row_[i + 1]->cand[pick[i + 1]].code))
        total += settings_.mixedWeight;
    }
    auto cached = wordCosts_.find(text);
    if (cached == wordCosts_.end()) cached = wordCosts_.emplace(text, words_(text)).first;
    return total + settings_.wordWeight * static_cast<double>(cached->second);
  }

  std::vector<SeniCharRecord*> row_;
  std::vector<std::vector<std::string>> texts_;  // UTF-8 of each candidate, as recognised
  const WordTextCost& words_;
  const WordPairCost& pairs_;
  const WordSettings& settings_;
  std::vector<std::vector<double>> pairCosts_;  // per position, from * kSeniCandidates + to; NaN: not yet
  std::unordered_map<std::string, long> wordCosts_;
};

}  // namespace

int RescoreRowWords(SeniCharRecord* records, int count, const WordTextCost& words, const WordPairCost& pairs,
                    const WordSettings& settings) {
  if (records == nullptr || count < 1 || !words) return 0;
  return RowSearch(records, count, words, pairs, settings).Run();
}

bool WordsSuitMask(uint32_t mask) { return (mask & (kClassKanji | kClassHiragana | kClassKatakana)) != 0; }

int RescoreRowWithWords(SeniCharRecord* records, int count, const WordCost* words, const WordSettings& settings,
                        uint16_t before) {
  if (records == nullptr || count < 1) return kSeniDone;
  if (before != 0) {
    // The character before takes part as a record of its one candidate.
    std::vector<SeniCharRecord> row(static_cast<size_t>(count) + 1);
    row[0].count = 1;
    row[0].cand[0] = SeniCandidate{before, 0};
    std::copy(records, records + count, row.begin() + 1);
    const int result = RescoreRowWithWords(row.data(), count + 1, words, settings);
    std::copy(row.begin() + 1, row.end(), records);
    return result;
  }
  std::vector<SeniCharRecord> recognised(records, records + count);
  const int result = SeniCntl(0, count, records);
  if (!words) return result;
  if (!settings.afterTransitions) std::copy(recognised.begin(), recognised.end(), records);
  RescoreRowWords(records, count, [words](const std::string& text) { return words->Of(text); }, SeniTransitionCost,
                  settings);
  return result;
}
