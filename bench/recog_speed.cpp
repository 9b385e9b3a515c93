// recog_speed: time of ZkCRecognize per character against a large dictionary.
// Without --dic it builds a synthetic one of about 6000 patterns (random
// multi-stroke characters run through the engine's extraction) and times
// distorted writings of its characters; prints median, 95th percentile and mean.
// Usage: recog_speed [--dic PATH] [--patterns N] [--queries N] [--seed N]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "dicfile.h"
#include "dicwriter.h"
#include "preprocess.h"
#include "recog.h"

namespace {

using Point = std::pair<int, int>;
using Stroke = std::vector<Point>;
using Writing = std::vector<Stroke>;

struct Options {
  std::string dic;  // empty: synthetic
  int patterns = 6000;
  int queries = 300;
  unsigned seed = 1;
};

// A pen stroke through 2..4 corners, one point every 2 pixels, in a 200 x 200 frame.
Stroke RandomStroke(std::mt19937& rng) {
  std::uniform_int_distribution<int> coord(20, 180), corners(2, 4), step(-70, 70);
  std::vector<Point> c = {{coord(rng), coord(rng)}};
  const int n = corners(rng);
  for (int i = 1; i < n; ++i)
    c.push_back({std::clamp(c.back().first + step(rng), 5, 195), std::clamp(c.back().second + step(rng), 5, 195)});
  Stroke s;
  for (size_t i = 0; i + 1 < c.size(); ++i) {
    const int len = std::max(1, (std::abs(c[i + 1].first - c[i].first) + std::abs(c[i + 1].second - c[i].second)) / 2);
    for (int k = (i ? 1 : 0); k <= len; ++k)
      s.push_back({c[i].first + (c[i + 1].first - c[i].first) * k / len,
                   c[i].second + (c[i + 1].second - c[i].second) * k / len});
  }
  return s;
}

// Stroke counts roughly as in a character set of kana and kanji (mean about 9).
int RandomStrokeCount(std::mt19937& rng) {
  std::discrete_distribution<int> d({0, 4, 5, 5, 6, 7, 8, 9, 10, 10, 10, 9, 8, 7, 6, 5, 4, 3, 2, 2, 1, 1});
  return std::max(1, d(rng));
}

Writing Distort(const Writing& w, std::mt19937& rng) {
  std::uniform_real_distribution<double> scale(0.85, 1.15), wobble(0.0, 6.28);
  std::uniform_int_distribution<int> shift(-20, 20);
  const double sx = scale(rng), sy = scale(rng), phase = wobble(rng);
  const int dx = shift(rng), dy = shift(rng);
  Writing out = w;
  for (auto& s : out)
    for (auto& p : s)
      p = {static_cast<int>(p.first * sx) + dx + static_cast<int>(3 * std::sin(p.second * 0.05 + phase)),
           static_cast<int>(p.second * sy) + dy + static_cast<int>(3 * std::cos(p.first * 0.05 + phase))};
  return out;
}

std::vector<uint16_t> PenWords(const Writing& w) {
  std::vector<uint16_t> pen;
  for (const auto& s : w) {
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(s.size()));
    for (const auto& p : s) {
      pen.push_back(static_cast<uint16_t>(p.first));
      pen.push_back(static_cast<uint16_t>(p.second));
    }
  }
  pen.push_back(kPenEnd);
  return pen;
}

// Builds the synthetic dictionary (kanji codes in order, a kana block) and keeps
// the writings its patterns came from.
bool WriteSyntheticDictionary(const std::string& path, int patterns, std::mt19937& rng, std::vector<Writing>* sources,
                              int* stored) {
  std::vector<SubDicSpec> subs(2);
  subs[0].typeMask = kClassKanji;
  subs[1].typeMask = kClassHiragana;
  *stored = 0;
  for (int i = 0; i < patterns; ++i) {
    const bool kana = i % 20 == 0;
    Writing w(kana ? 1 + static_cast<int>(rng() % 4) : RandomStrokeCount(rng));
    for (auto& s : w) s = RandomStroke(rng);
    const auto pen = PenWords(w);
    KusabiPattern p;
    NormState norm{};
    ZkRNKinji(pen.data(), &p, &norm, static_cast<int>(w.size()));
    const uint16_t code = kana ? static_cast<uint16_t>(0x829F + i / 20 % 83) : static_cast<uint16_t>(0x889F + i);
    subs[kana ? 1 : 0].groups[DicGroupOf(p.strokes)].push_back(PatternToSpec(code, p));
    sources->push_back(w);
    ++*stored;
  }
  DicWriteOptions options;
  options.keepEmptyGroups = false;
  std::string error;
  if (!WriteDicFile(path, subs, options, &error)) {
    std::fprintf(stderr, "recog_speed: %s\n", error.c_str());
    return false;
  }
  return true;
}

bool ParseArguments(int argc, char** argv, Options* o) {
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    if (a + 1 >= argc) return false;
    if (arg == "--dic") o->dic = argv[++a];
    else if (arg == "--patterns") o->patterns = std::atoi(argv[++a]);
    else if (arg == "--queries") o->queries = std::atoi(argv[++a]);
    else if (arg == "--seed") o->seed = static_cast<unsigned>(std::atoi(argv[++a]));
    else return false;
  }
  return o->patterns > 0 && o->queries > 0;
}

double Percentile(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArguments(argc, argv, &options)) {
    std::fprintf(stderr, "usage: recog_speed [--dic PATH] [--patterns N] [--queries N] [--seed N]\n");
    return 2;
  }
  std::mt19937 rng(options.seed);
  std::vector<Writing> sources;
  std::string path = options.dic;
  int patterns = 0;
  if (path.empty()) {
    path = "/tmp/sorenix-speed-" + std::to_string(getpid()) + ".ptn";
    if (!WriteSyntheticDictionary(path, options.patterns, rng, &sources, &patterns)) return 2;
  } else {
    for (int i = 0; i < options.queries; ++i) {
      Writing w(RandomStrokeCount(rng));
      for (auto& s : w) s = RandomStroke(rng);
      sources.push_back(w);
    }
  }
  const int init = ZkCRecInitializesFrom(path.c_str(), "");
  if (options.dic.empty()) unlink(path.c_str());
  if (init != 0) {
    std::fprintf(stderr, "recog_speed: cannot load %s (%d)\n", path.c_str(), init);
    return 2;
  }
  if (!options.dic.empty()) {
    for (int e = 0; e < kMaxSubDics && Dic.ZkRecDic[e].kind != 0; ++e)
      for (const auto* list : Dic.ZkRecDic[e].groupList)
        for (const DicIndexItem* it = list; it && it->pattern; ++it) ++patterns;
  }

  std::vector<double> micros;
  int firstRight = 0;
  const ZkOptionRec option{kClassAll, 0, 0, 0, 200, 200};
  for (int q = 0; q < options.queries; ++q) {
    const size_t source = rng() % sources.size();
    const auto pen = PenWords(options.dic.empty() ? Distort(sources[source], rng) : sources[source]);
    ZkResult result{};
    const auto start = std::chrono::steady_clock::now();
    ZkCRecognize(&option, pen.data(), pen.size(), &result);
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    // The kanji codes follow the source order, so a right answer is checkable.
    if (options.dic.empty() && source % 20 != 0 && result.count > 0 && result.entry[0].code == 0x889F + source)
      ++firstRight;
  }
  double sum = 0;
  for (double m : micros) sum += m;
  std::printf("dictionary: %s, %d patterns\n", options.dic.empty() ? "synthetic" : options.dic.c_str(), patterns);
  std::printf("characters: %d, median %.0f us, 95th percentile %.0f us, mean %.0f us, max %.0f us\n",
              options.queries, Percentile(micros, 0.5), Percentile(micros, 0.95), sum / micros.size(),
              Percentile(micros, 1.0));
  if (options.dic.empty()) std::printf("distorted writings of stored kanji ranked first: %d\n", firstRight);
  ZkCRecEnd();
  return 0;
}
