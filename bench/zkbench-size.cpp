// zkbench-size: the same ink at two sizes. Reads zkbench-gen samples, writes each one
// scaled to --small and --large times its size (frame and all), recognises both with
// every class allowed and prints the share read right at each size and the samples
// whose first candidates differ (recognition should not depend on the size).
//
//   zkbench-size --dic Crecs.ptn [--small 0.33] [--large 1.33] < samples.jsonl
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "recog.h"
#include "textconv.h"

namespace {

std::vector<uint16_t> PenOf(const nlohmann::json& strokes, double scale) {
  std::vector<uint16_t> pen;
  for (const auto& stroke : strokes) {
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(stroke.size()));
    for (const auto& p : stroke) {
      pen.push_back(static_cast<uint16_t>(std::lround(p[0].get<double>() * scale)));
      pen.push_back(static_cast<uint16_t>(std::lround(p[1].get<double>() * scale)));
    }
  }
  pen.push_back(kPenEnd);
  return pen;
}

uint16_t FirstAt(const nlohmann::json& sample, double scale) {
  ZkOptionRec option{kClassAll & ~kClassGesture, 0, 0, 0,
                     static_cast<int16_t>(std::lround(sample["width"].get<double>() * scale)),
                     static_cast<int16_t>(std::lround(sample["height"].get<double>() * scale))};
  const std::vector<uint16_t> pen = PenOf(sample["strokes"], scale);
  ZkResult result{};
  if (ZkCRecognize(&option, pen.data(), pen.size(), &result) != 0 || result.count < 1) return 0;
  return result.entry[0].code;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dic;
  double small = 0.33, large = 1.33;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string opt = argv[i];
    if (opt == "--dic") dic = argv[i + 1];
    else if (opt == "--small") small = std::atof(argv[i + 1]);
    else if (opt == "--large") large = std::atof(argv[i + 1]);
  }
  if (dic.empty() || ZkCRecInitializesFrom(dic.c_str(), "/nonexistent/none.upt") != 0) {
    std::fprintf(stderr, "usage: zkbench-size --dic Crecs.ptn [--small X] [--large X] < samples.jsonl\n");
    return 2;
  }
  std::map<std::string, std::vector<long>> groups;  // samples, small right, large right, differing
  std::string line;
  while (std::getline(std::cin, line)) {
    const auto sample = nlohmann::json::parse(line, nullptr, false);
    if (sample.is_discarded() || !sample.contains("strokes")) continue;
    const uint16_t want = Utf8ToSjisCode(sample["char"].get<std::string>());
    const uint16_t a = FirstAt(sample, small), b = FirstAt(sample, large);
    for (const std::string& g : {sample.value("class", std::string("?")), std::string("all")}) {
      std::vector<long>& t = groups[g];
      t.resize(4);
      ++t[0];
      t[1] += a == want;
      t[2] += b == want;
      t[3] += a != b;
    }
  }
  std::printf("group       samples  right at %.2f  right at %.2f  first candidates differ\n", small, large);
  for (const auto& [g, t] : groups)
    std::printf("%-10s %8ld  %13.1f%%  %13.1f%%  %ld\n", g.c_str(), t[0], 100.0 * t[1] / t[0], 100.0 * t[2] / t[0],
                t[3]);
  return 0;
}
