// zkbench-seqscore: reads `zkrecog --seq` answers of zkbench-seq rows and prints the
// share of characters read right before and after transition rescoring.
#include <cstdio>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "textconv.h"

namespace {

std::string CharAt(const std::string& text, size_t* pos) {
  const size_t length = Utf8CharLength(text, *pos);
  if (length == 0) {
    *pos = text.size();
    return "";
  }
  const std::string c = text.substr(*pos, length);
  *pos += length;
  return c;
}

}  // namespace

int main() {
  long rows = 0, errors = 0, chars = 0, plainRight = 0, rescoredRight = 0, mended = 0, spoiled = 0;
  long rowsPlainRight = 0, rowsRescoredRight = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    const auto answer = nlohmann::json::parse(line, nullptr, false);
    if (answer.is_discarded() || !answer.contains("text") || !answer.contains("plain")) {
      ++errors;
      continue;
    }
    const std::string text = answer["text"], plain = answer["plain"], rescored = answer["rescored"];
    ++rows;
    rowsPlainRight += plain == text;
    rowsRescoredRight += rescored == text;
    size_t t = 0, p = 0, r = 0;
    while (t < text.size()) {
      const std::string want = CharAt(text, &t), before = CharAt(plain, &p), after = CharAt(rescored, &r);
      ++chars;
      plainRight += before == want;
      rescoredRight += after == want;
      mended += before != want && after == want;
      spoiled += before == want && after != want;
    }
  }
  if (chars == 0) {
    std::fprintf(stderr, "zkbench-seqscore: no answers\n");
    return 1;
  }
  std::printf("rows %ld (%ld errors), characters %ld\n", rows, errors, chars);
  std::printf("characters right: %.1f%% as recognised, %.1f%% after rescoring (%ld mended, %ld spoiled)\n",
              100.0 * plainRight / chars, 100.0 * rescoredRight / chars, mended, spoiled);
  std::printf("rows entirely right: %.1f%% as recognised, %.1f%% after rescoring\n", 100.0 * rowsPlainRight / rows,
              100.0 * rowsRescoredRight / rows);
  return 0;
}
