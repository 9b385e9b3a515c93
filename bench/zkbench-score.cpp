// zkbench-score: reads zkrecog's JSON Lines answers to zkbench-gen's samples on
// standard input and prints top-1/5/10 accuracy and time per character group.
// Exit status 1 when a line failed.
#include <cstdio>
#include <iostream>
#include <string>

#include "bench_score.h"

int main(int argc, char** argv) {
  size_t confusions = 20;
  if (argc == 3 && std::string(argv[1]) == "--confusions") {
    confusions = std::stoul(argv[2]);
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: zkbench-score [--confusions N] < zkrecog-output.jsonl\n");
    return 2;
  }
  BenchScorer scorer;
  std::string line;
  while (std::getline(std::cin, line))
    if (!line.empty()) scorer.Add(line);
  std::printf("%s", scorer.Report(confusions).c_str());
  return scorer.failed() ? 1 : 0;
}
