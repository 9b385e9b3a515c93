// Tallies per group and the printed table of the accuracy benchmark.
#include "bench_score.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <set>

#include <nlohmann/json.hpp>

#include "bench_class.h"
#include "ruiji_table.h"
#include "rule_forms.h"
#include "textconv.h"

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
  rank = std::clamp<size_t>(rank, 1, values.size());
  return values[rank - 1];
}

bool IsLookAlikeCode(uint16_t code) {
  static const std::set<uint16_t> codes = [] {
    std::set<uint16_t> all;
    for (const RuijiGroup* g = ZkRuijiTable; g->count != kRuijiTableEnd; ++g) {
      if (g->count > kRuijiEntriesPerGroup) continue;  // the closing group that never matches
      for (int i = 0; i < g->count; ++i) all.insert(g->entry[i].code);
    }
    return all;
  }();
  return codes.count(code) != 0;
}

uint16_t FoldSmallForm(uint16_t code) {
  const uint16_t large = RuleLargeFormOf(code);
  return large != 0 ? large : code;
}

namespace {

// Rank of the first candidate that `matches` the expected character; SIZE_MAX when none does.
template <typename Match>
size_t RankOf(const nlohmann::json& cands, Match matches) {
  for (size_t i = 0; i < cands.size(); ++i)
    if (cands[i].is_string() && matches(cands[i].get<std::string>())) return i;
  return SIZE_MAX;
}

void Count(GroupTally* t, size_t rank) {
  if (rank < 1) ++t->top1;
  if (rank < 5) ++t->top5;
  if (rank < 10) ++t->top10;
}

}  // namespace

bool BenchScorer::Add(const std::string& line) {
  const nlohmann::json j = nlohmann::json::parse(line, nullptr, false);
  if (j.is_discarded() || !j.is_object() || j.contains("error") || !j.contains("char") || !j["char"].is_string() ||
      !j.contains("cands") || !j["cands"].is_array() || !j.contains("us") || !j["us"].is_number()) {
    ++failed_;
    return false;
  }
  const std::string expected = j["char"].get<std::string>();
  std::string group = j.contains("class") && j["class"].is_string() ? j["class"].get<std::string>()
                                                                    : BenchClassOf(Utf8ToSjisCode(expected));
  GroupTally& tally = groups_[group];
  const uint16_t code = Utf8ToSjisCode(expected);
  GroupTally* small = RuleLargeFormOf(code) != 0 ? &smallForms_ : nullptr;
  GroupTally* lookAlike = IsLookAlikeCode(code) ? &lookAlikes_ : nullptr;
  GroupTally* joined = j.value("joined", false) ? &joined_ : nullptr;
  const bool kana = group == "hiragana" || group == "katakana";
  for (GroupTally* t : {&tally, small, lookAlike, joined, kana ? &kanaFolded_ : nullptr}) {
    if (!t) continue;
    ++t->samples;
    t->micros.push_back(j["us"].get<double>());
  }
  const auto& cands = j["cands"];
  const size_t rank = RankOf(cands, [&](const std::string& c) { return c == expected; });
  for (GroupTally* t : {&tally, small, lookAlike, joined})
    if (t) Count(t, rank);
  if (kana) {
    const uint16_t folded = FoldSmallForm(code);
    Count(&kanaFolded_, RankOf(cands, [&](const std::string& c) { return FoldSmallForm(Utf8ToSjisCode(c)) == folded; }));
  }
  if (rank != 0) {
    const std::string got = cands.empty() || !cands[0].is_string() ? "(none)" : cands[0].get<std::string>();
    ++confusions_[{expected, got}];
  }
  return true;
}

std::string BenchScorer::Report(size_t confusions) const {
  std::string out;
  char buf[160];
  std::snprintf(buf, sizeof buf, "%-10s %8s %7s %7s %7s %10s %8s\n", "group", "samples", "top-1", "top-5", "top-10",
                "median us", "p95 us");
  out += buf;
  auto row = [&](const std::string& name, const GroupTally& t) {
    const double n = t.samples ? static_cast<double>(t.samples) : 1;
    std::snprintf(buf, sizeof buf, "%-10s %8zu %6.1f%% %6.1f%% %6.1f%% %10.0f %8.0f\n", name.c_str(), t.samples,
                  100.0 * static_cast<double>(t.top1) / n, 100.0 * static_cast<double>(t.top5) / n,
                  100.0 * static_cast<double>(t.top10) / n, Percentile(t.micros, 50), Percentile(t.micros, 95));
    out += buf;
  };
  GroupTally all;
  std::vector<std::string> order = BenchClasses();
  for (const auto& [name, t] : groups_)
    if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
  for (const std::string& name : order) {
    const auto it = groups_.find(name);
    if (it == groups_.end()) continue;
    row(name, it->second);
    all.samples += it->second.samples;
    all.top1 += it->second.top1;
    all.top5 += it->second.top5;
    all.top10 += it->second.top10;
    all.micros.insert(all.micros.end(), it->second.micros.begin(), it->second.micros.end());
  }
  row("all", all);
  if (smallForms_.samples) {
    out += "of which the small kana and small letters the engine derives from their large form:\n";
    row("small", smallForms_);
  }
  if (lookAlikes_.samples) {
    out += "of which the characters of the look-alike groups:\n";
    row("look-alike", lookAlikes_);
  }
  if (joined_.samples) {
    out += "of which kana written with two strokes joined:\n";
    row("joined", joined_);
  }
  if (kanaFolded_.samples) {
    out += "all kana, a small form and its large form counted as one:\n";
    row("kana", kanaFolded_);
  }
  if (failed_) {
    std::snprintf(buf, sizeof buf, "failed lines: %zu\n", failed_);
    out += buf;
  }
  std::vector<std::pair<size_t, std::pair<std::string, std::string>>> worst;
  for (const auto& [pair, n] : confusions_) worst.push_back({n, pair});
  std::stable_sort(worst.begin(), worst.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  if (!worst.empty() && confusions > 0) {
    out += "most frequent confusions (written -> first candidate):";
    for (size_t i = 0; i < worst.size() && i < confusions; ++i)
      out += " " + worst[i].second.first + "->" + worst[i].second.second + " " + std::to_string(worst[i].first);
    out += "\n";
  }
  return out;
}
