// zkbench-gen: writes distorted handwriting-like samples of the reference forms as
// JSON Lines for zkrecog ({"strokes": ..., "width": W, "height": H, "char": "..."}).
//
//   zkbench-gen [--kanjivg DIR] [--strokes DIR] [--seed N] [--classes kanji,hiragana,...]
//               [--samples N] [--kanji-samples N] [--kanji-stride K] [--class-mask]
//
// Each character gets --samples samples (kanji --kanji-samples): every other one in
// its standard form, the others cycling through its other forms (variants, and kana
// with neighbouring strokes joined); --kanji-stride K keeps every K-th kanji. --class-mask
// gives each sample the class mask of its group's input mode (default: all classes).
// Small kana and small letters (ぁ, っ, ｃ, ...) are written as people write them in a
// box: at 25-38% of the frame and in its lower part, where their reference drawings
// are about half the box. The engine tells them from their large forms by size alone.
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
    if (opt == "--class-mask") {
      a->classMask = true;
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

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (!ParseArgs(argc, argv, &args)) {
    std::fprintf(stderr,
                 "usage: zkbench-gen [--kanjivg DIR] [--strokes DIR] [--seed N] [--classes kanji,hiragana,...]\n"
                 "                   [--samples N] [--kanji-samples N] [--kanji-stride K] [--class-mask]\n");
    return 2;
  }
  std::vector<ReferenceForm> forms;
  std::string error;
  if (!LoadBenchForms(args.kanjivg, args.strokes, true, &forms, &error)) {
    std::fprintf(stderr, "zkbench-gen: %s\n", error.c_str());
    return 2;
  }
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
    const std::string text = SjisCodeToUtf8(code);
    for (int i = 0; i < count; ++i) {
      // Every other sample is written in the standard form, the rest cycle through
      // the other forms.
      const size_t others = codeForms.size() - 1;
      const size_t which = (i % 2 == 0 || others == 0) ? 0 : 1 + static_cast<size_t>(i / 2) % others;
      const ReferenceForm& form = *codeForms[which];
      BenchRng rng(MixSeed(MixSeed(args.seed, code), static_cast<uint64_t>(i)));
      const Sample sample = DistortSample(form.strokes, form.box, options, &rng, RuleLargeFormOf(code) != 0);
      nlohmann::json line = {{"strokes", StrokesJson(sample.strokes)},
                             {"width", sample.width},
                             {"height", sample.height},
                             {"char", text},
                             {"class", cls},
                             {"form", form.source}};
      if (args.classMask) line["mask"] = BenchClassMask(cls);
      std::printf("%s\n", line.dump().c_str());
      ++written[cls];
    }
  }
  for (const auto& [cls, n] : written) std::fprintf(stderr, "zkbench-gen: %d %s samples\n", n, cls.c_str());
  return 0;
}
