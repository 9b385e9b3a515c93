// zkbench-wordtune: chooses the word rescoring's weights offline. It reads
// `zkrecog --seq` answers (their "candidates" as recognised), reads every row again
// with each setting of a grid and prints the settings best first: sentence rows right,
// do-no-harm rows spoiled (right after the transition rescoring, wrong after words),
// and the median time of the rescoring per row.
//
//   zkbench-wordtune --seni Senijish.dat [--show TRANSITIONS WORDS] < answers.jsonl
//
// --show prints the rows that one setting reads wrong instead.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "seni.h"
#include "word_cost.h"
#include "zkrecog_seq.h"

namespace {

struct Row {
  std::string text, plain, pairs;
  bool sentence = true;
  std::vector<ZkResult> results;
};

struct Outcome {
  WordSettings settings;
  int right = 0, spoiled = 0, chars = 0;
  double medianMs = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bool show = argc == 6 && std::string(argv[3]) == "--show";
  if ((argc != 3 && !show) || std::string(argv[1]) != "--seni" || SeniJishoFrom(argv[2]) != kSeniLoaded) {
    std::fprintf(stderr, "usage: zkbench-wordtune --seni Senijish.dat [--show TRANSITIONS WORDS] < answers.jsonl\n");
    return 2;
  }
  const WordCost* words = SharedWordCost();
  if (!words) return 2;
  std::vector<Row> rows;
  std::string line;
  while (std::getline(std::cin, line)) {
    const auto a = nlohmann::json::parse(line, nullptr, false);
    if (a.is_discarded() || !a.contains("candidates")) continue;
    // Rows of the 英字 and 数字 modes never reach the word rescoring.
    if (a.contains("mask") && !WordsSuitMask(a["mask"].get<uint32_t>())) continue;
    Row row{a["text"], a["plain"], a["pairs"], !a.contains("kind"), {}};
    for (const auto& cands : a["candidates"]) {
      ZkResult r{};
      for (const auto& c : cands) {
        if (r.count >= kSeniCandidates) break;
        r.entry[r.count].code = c[0].get<uint16_t>();
        r.entry[r.count].distance = static_cast<uint16_t>(c[1].get<int>());
        ++r.count;
      }
      row.results.push_back(r);
    }
    rows.push_back(std::move(row));
  }
  if (show) {
    WordSettings settings;
    settings.transitionWeight = std::atof(argv[4]);
    settings.wordWeight = std::atof(argv[5]);
    if (const char* mixed = std::getenv("MIXED")) settings.mixedWeight = std::atof(mixed);
    for (const Row& row : rows) {
      const std::string reading = ReadRow(row.results, words, settings).rescored;
      if (reading != row.text)
        std::printf("%s written %s, recognised %s, transitions %s, read %s\n", row.sentence ? "sentence" : "other   ",
                    row.text.c_str(), row.plain.c_str(), row.pairs.c_str(), reading.c_str());
    }
    return 0;
  }
  std::vector<Outcome> outcomes;
  for (double mixed : {0.0, 50.0, 100.0, 200.0, 400.0})
  for (double t : {40.0, 60.0, 80.0, 100.0, 130.0})
    for (double w : {0.0, 0.01, 0.02, 0.03, 0.04, 0.07})
      for (int window : {600}) {
        Outcome o;
        o.settings.mixedWeight = mixed;
        o.settings.transitionWeight = t;
        o.settings.wordWeight = w;
        o.settings.window = window;
        std::vector<double> ms;
        for (const Row& row : rows) {
          const auto start = std::chrono::steady_clock::now();
          const std::string reading = ReadRow(row.results, words, o.settings).rescored;
          ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
          if (row.sentence) o.right += reading == row.text;
          else o.spoiled += row.pairs == row.text && reading != row.text;
        }
        std::sort(ms.begin(), ms.end());
        o.medianMs = ms.empty() ? 0 : ms[ms.size() / 2];
        outcomes.push_back(o);
      }
  // Fewest spoiled do-no-harm rows first, then most sentence rows right.
  std::sort(outcomes.begin(), outcomes.end(), [](const Outcome& a, const Outcome& b) {
    return a.spoiled != b.spoiled ? a.spoiled < b.spoiled : a.right > b.right;
  });
  int sentences = 0;
  for (const Row& row : rows) sentences += row.sentence;
  for (const Outcome& o : outcomes)
    std::printf("mixed %3.0f transitions %5.1f words %.3f window %3d: sentence rows right %d of %d, do-no-harm spoiled %d, "
                "%.2f ms a row\n",
                o.settings.mixedWeight, o.settings.transitionWeight, o.settings.wordWeight,
                o.settings.window, o.right, sentences, o.spoiled,
                o.medianMs);
  return 0;
}
