// Scoring zkrecog's answers to benchmark samples: top-1/5/10 accuracy and the
// median and 95th-percentile recognition time per character group.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct GroupTally {
  size_t samples = 0;
  size_t top1 = 0, top5 = 0, top10 = 0;
  std::vector<double> micros;
};

class BenchScorer {
 public:
  // One output line of zkrecog. Lines that report an error or lack "char",
  // "cands" or "us" are counted as failed and false is returned.
  bool Add(const std::string& line);

  const std::map<std::string, GroupTally>& groups() const { return groups_; }
  size_t failed() const { return failed_; }

  // The table, groups in the benchmark's order, then all groups together, the small
  // forms and the characters of the look-alike groups, then the most frequent
  // confusions (expected -> best candidate).
  std::string Report(size_t confusions = 20) const;

 private:
  std::map<std::string, GroupTally> groups_;
  GroupTally smallForms_;  // also counted in their groups
  GroupTally lookAlikes_;  // the characters of the look-alike groups, likewise
  GroupTally joined_;      // kana written with two strokes joined ("joined": true), likewise
  GroupTally kanaFolded_;  // all kana, a small form and its large form counted as one
  std::map<std::pair<std::string, std::string>, size_t> confusions_;
  size_t failed_ = 0;
};

// The large form of a small kana or small letter, else the code itself: ぁ and あ
// fold to one.
uint16_t FoldSmallForm(uint16_t code);

// True when code is a character of one of the look-alike groups (a leader or a member).
bool IsLookAlikeCode(uint16_t code);

// Nearest-rank percentile (p in 0..100) of the values; 0 for none.
double Percentile(std::vector<double> values, double p);
