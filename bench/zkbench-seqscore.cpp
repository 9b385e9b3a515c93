// zkbench-seqscore: reads `zkrecog --seq` answers of zkbench-seq rows and prints the
// share of characters, kana and rows read right as recognised, after the transition
// rescoring alone and after the final (word) rescoring; rows with a "kind" (the
// do-no-harm rows: names, part numbers, digits, ...) are counted per kind.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "textconv.h"

namespace {

// Hiragana and katakana (U+3041..U+30FA), not ・ or ー.
bool IsKana(const std::string& c) {
  const std::string low = "\u3041", high = "\u30fa";
  return c.size() == 3 && c >= low && c <= high;
}

// Counts of one group of rows.
struct Tally {
  long rows = 0, chars = 0;
  long rowsRight[3] = {0, 0, 0}, charsRight[3] = {0, 0, 0};  // recognised, transitions, final
  long kana = 0, kanaRight[3] = {0, 0, 0};  // hiragana and katakana written in the rows
  long spoiled = 0;  // rows right after the transitions (the reading without words), wrong at the end
  std::vector<long> micros;

  void Add(const std::string& text, const std::string readings[3], long us) {
    ++rows;
    micros.push_back(us);
    std::vector<std::string> want = Utf8Characters(text);
    chars += static_cast<long>(want.size());
    for (const std::string& c : want) kana += IsKana(c);
    for (int k = 0; k < 3; ++k) {
      rowsRight[k] += readings[k] == text;
      const std::vector<std::string> got = Utf8Characters(readings[k]);
      for (size_t i = 0; i < want.size() && i < got.size(); ++i) {
        charsRight[k] += got[i] == want[i];
        kanaRight[k] += IsKana(want[i]) && got[i] == want[i];
      }
    }
    spoiled += readings[1] == text && readings[2] != text;
  }

  void Print(const char* label) {
    if (rows == 0) return;
    std::sort(micros.begin(), micros.end());
    auto pct = [](long a, long b) { return 100.0 * static_cast<double>(a) / static_cast<double>(b); };
    std::printf("%-12s rows %4ld right %5.1f%% / %5.1f%% / %5.1f%%, characters %5.1f%% / %5.1f%% / %5.1f%%, "
                "%ld rows spoiled, median %.2f ms a row\n",
                label, rows, pct(rowsRight[0], rows), pct(rowsRight[1], rows), pct(rowsRight[2], rows),
                pct(charsRight[0], chars), pct(charsRight[1], chars), pct(charsRight[2], chars), spoiled,
                micros[micros.size() / 2] / 1000.0);
    if (kana > 0)
      std::printf("%-12s kana %4ld right %5.1f%% / %5.1f%% / %5.1f%%\n", "", kana, pct(kanaRight[0], kana),
                  pct(kanaRight[1], kana), pct(kanaRight[2], kana));
  }
};

}  // namespace

int main() {
  std::map<std::string, Tally> kinds;  // "" for the sentences
  long errors = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    const auto answer = nlohmann::json::parse(line, nullptr, false);
    if (answer.is_discarded() || !answer.contains("text") || !answer.contains("plain")) {
      ++errors;
      continue;
    }
    const std::string readings[3] = {answer["plain"], answer.value("pairs", answer["rescored"]),
                                     answer["rescored"]};
    kinds[answer.value("kind", "")].Add(answer["text"], readings, answer.value("us", 0L));
  }
  if (kinds.empty()) {
    std::fprintf(stderr, "zkbench-seqscore: no answers\n");
    return 1;
  }
  std::printf("right as recognised / after transitions / after words and transitions (%ld errors)\n", errors);
  Tally all;
  for (auto& [kind, tally] : kinds) {
    tally.Print(kind.empty() ? "sentences" : kind.c_str());
    if (kind.empty()) continue;
    all.rows += tally.rows;
    all.chars += tally.chars;
    all.spoiled += tally.spoiled;
    for (int k = 0; k < 3; ++k) all.rowsRight[k] += tally.rowsRight[k], all.charsRight[k] += tally.charsRight[k];
    all.micros.insert(all.micros.end(), tally.micros.begin(), tally.micros.end());
  }
  all.Print("do-no-harm");
  return 0;
}
