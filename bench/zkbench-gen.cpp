// zkbench-gen: writes distorted handwriting-like samples of the reference forms as
// JSON Lines for zkrecog ({"strokes": ..., "width": W, "height": H, "char": "..."}).
//
//   zkbench-gen [--kanjivg DIR] [--strokes DIR] [--seed N] [--classes kanji,hiragana,...]
//               [--samples N] [--kanji-samples N] [--kanji-stride K] [--class-mask]
//               [--joined-kana [--join-gap F]]
//
// Each character gets --samples samples (kanji --kanji-samples): every other one in
// its standard form, the others cycling through its other forms (variants, and kana
// with neighbouring strokes joined); --kanji-stride K keeps every K-th kanji. --class-mask
// gives each sample the class mask of its group's input mode (default: all classes).
// Small kana and small letters (ぁ, っ, ｃ, ...) are written as people write them in a
// box: at 25-38% of the frame and in its lower part, where their reference drawings
// are about half the box. The engine tells them from their large forms by size alone.
//
// --joined-kana writes only kana with two neighbouring strokes joined, as people
// write them fast: --samples samples of every join whose pen travel from the end of
// one stroke to the start of the next is at most --join-gap of the box (default 0.6),
// each line marked "joined": true.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench_class.h"
#include "bench_forms.h"
#include "reference_set.h"
#include "rule_forms.h"
#include "sample_distort.h"
#include "textconv.h"

namespace {

struct Args {
  std::string kanjivg = SORENIX_KANJIVG_DIR;
  std::string strokes = SORENIX_STROKES_DIR;
  uint64_t seed = 20240607;
  std::set<std::string> classes;
  int samples = 5;
  int kanjiSamples = 1;
  int kanjiStride = 1;
  bool classMask = false;
  bool joinedKana = false;
  double joinGap = 0.6;
};

bool ParseCount(const char* text, int* value) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || v < 1 || v > 100000) return false;
  *value = static_cast<int>(v);
  return true;
}

bool ParseArgs(int argc, char** argv, Args* a) {
  for (int i = 1; i < argc; ++i) {
    const std::string opt = argv[i];
    if (opt == "--class-mask" || opt == "--joined-kana") {
      (opt == "--class-mask" ? a->classMask : a->joinedKana) = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* v = argv[++i];
    if (opt == "--kanjivg") a->kanjivg = v;
    else if (opt == "--strokes") a->strokes = v;
    else if (opt == "--seed") a->seed = std::strtoull(v, nullptr, 10);
    else if (opt == "--samples") { if (!ParseCount(v, &a->samples)) return false; }
    else if (opt == "--kanji-samples") { if (!ParseCount(v, &a->kanjiSamples)) return false; }
    else if (opt == "--kanji-stride") { if (!ParseCount(v, &a->kanjiStride)) return false; }
    else if (opt == "--join-gap") {
      char* end = nullptr;
      a->joinGap = std::strtod(v, &end);
      if (end == v || *end != '\0' || !(a->joinGap > 0 && a->joinGap <= 2)) return false;
    }
    else if (opt == "--classes") {
      std::stringstream list(v);
      std::string name;
      while (std::getline(list, name, ',')) {
        bool known = false;
        for (const auto& c : BenchClasses()) known |= c == name;
        if (!known) {
          std::fprintf(stderr, "zkbench-gen: unknown class %s\n", name.c_str());
          return false;
        }
        a->classes.insert(name);
      }
    } else {
      return false;
    }
  }
  if (a->classes.empty()) a->classes.insert(BenchClasses().begin(), BenchClasses().end());
  return true;
}

nlohmann::json SampleLine(const Sample& sample, uint16_t code, const std::string& cls, const ReferenceForm& form,
                          bool classMask) {
  nlohmann::json line = {{"strokes", StrokesJson(sample.strokes)},
                         {"width", sample.width},
                         {"height", sample.height},
                         {"char", SjisCodeToUtf8(code)},
                         {"class", cls},
                         {"form", form.source}};
  if (classMask) line["mask"] = BenchClassMask(cls);
  return line;
}

// The joined-kana row: every join of every kana's standard form, --samples each.
int WriteJoinedKana(const std::vector<ReferenceForm>& forms, const Args& args) {
  const DistortOptions options;
  std::map<std::string, int> written;
  std::set<uint16_t> kana;
  for (const ReferenceForm& standard : forms) {
    if (standard.variant || standard.handMade) continue;
    const std::string cls = BenchClassOf(standard.code);
    if (!args.classes.count(cls) || (cls != "hiragana" && cls != "katakana")) continue;
    const std::vector<ReferenceForm> joined = JoinedStrokeForms(standard, args.joinGap);
    for (size_t j = 0; j < joined.size(); ++j) {
      for (int i = 0; i < args.samples; ++i) {
        BenchRng rng(MixSeed(MixSeed(MixSeed(args.seed, standard.code), 1000 + j), static_cast<uint64_t>(i)));
        const Sample sample = DistortSample(joined[j].strokes, joined[j].box, options, &rng);
        nlohmann::json line = SampleLine(sample, standard.code, cls, joined[j], args.classMask);
        line["joined"] = true;
        std::printf("%s\n", line.dump().c_str());
        ++written[cls];
      }
      kana.insert(standard.code);
    }
  }
  for (const auto& [cls, n] : written) std::fprintf(stderr, "zkbench-gen: %d joined %s samples\n", n, cls.c_str());
  std::fprintf(stderr, "zkbench-gen: %zu kana with a join\n", kana.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (!ParseArgs(argc, argv, &args)) {
    std::fprintf(stderr,
                 "usage: zkbench-gen [--kanjivg DIR] [--strokes DIR] [--seed N] [--classes kanji,hiragana,...]\n"
                 "                   [--samples N] [--kanji-samples N] [--kanji-stride K] [--class-mask]\n"
                 "                   [--joined-kana [--join-gap F]]\n");
    return 2;
  }
  std::vector<ReferenceForm> forms;
  std::string error;
  if (!LoadBenchForms(args.kanjivg, args.strokes, true, &forms, &error)) {
    std::fprintf(stderr, "zkbench-gen: %s\n", error.c_str());
    return 2;
  }
  if (args.joinedKana) return WriteJoinedKana(forms, args);
  // Kana are also written with neighbouring strokes joined.
  const size_t loaded = forms.size();
  for (size_t i = 0; i < loaded; ++i) {
    if (forms[i].variant || forms[i].handMade) continue;
    const std::vector<ReferenceForm> joined = JoinedStrokeForms(forms[i]);
    forms.insert(forms.end(), joined.begin(), joined.end());
  }
  // Forms per code, standard forms first.
  std::map<uint16_t, std::vector<const ReferenceForm*>> byCode;
  for (const ReferenceForm& f : forms)
    if (!f.variant) byCode[f.code].push_back(&f);
  for (const ReferenceForm& f : forms)
    if (f.variant) byCode[f.code].push_back(&f);

  const DistortOptions options;
  std::map<std::string, int> written;
  int kanjiIndex = 0;
  for (const auto& [code, codeForms] : byCode) {
    const std::string cls = BenchClassOf(code);
    if (!args.classes.count(cls)) continue;
    int count = args.samples;
    if (cls == "kanji") {
      if (kanjiIndex++ % args.kanjiStride != 0) continue;
      count = args.kanjiSamples;
    }
    for (int i = 0; i < count; ++i) {
      // Every other sample is written in the standard form, the rest cycle through
      // the other forms.
      const size_t others = codeForms.size() - 1;
      const size_t which = (i % 2 == 0 || others == 0) ? 0 : 1 + static_cast<size_t>(i / 2) % others;
      const ReferenceForm& form = *codeForms[which];
      BenchRng rng(MixSeed(MixSeed(args.seed, code), static_cast<uint64_t>(i)));
      const Sample sample = DistortSample(form.strokes, form.box, options, &rng, RuleLargeFormOf(code) != 0);
      std::printf("%s\n", SampleLine(sample, code, cls, form, args.classMask).dump().c_str());
      ++written[cls];
    }
  }
  for (const auto& [cls, n] : written) std::fprintf(stderr, "zkbench-gen: %d %s samples\n", n, cls.c_str());
  return 0;
}
