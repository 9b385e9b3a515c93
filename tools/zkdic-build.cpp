// zkdic-build: makes the system pattern dictionary "Crecs.ptn" from KanjiVG and the
// project's stroke-text files, with the engine's own feature extraction.
//
//   zkdic-build --kanjivg DIR --strokes DIR_OR_FILE ... --out Crecs.ptn
//               [--box PIXELS] [--spacing PIXELS] [--no-variants] [--allow-incomplete]
//
// Prints the coverage table. Exit status 0 when written, 1 when a required
// character is missing (nothing is written then), 2 on bad input or a write error.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "coverage.h"
#include "dic_assembly.h"
#include "dicfile.h"
#include "dicwriter.h"
#include "pattern_maker.h"
#include "reference_set.h"

namespace {

struct Args {
  std::string kanjivg;
  std::vector<std::string> strokes;
  std::string out;
  PatternMakerOptions maker;
  bool variants = true;
  bool allowIncomplete = false;
};

void Usage() {
  std::fprintf(stderr,
               "usage: zkdic-build --kanjivg DIR [--strokes DIR_OR_FILE]... --out FILE\n"
               "                   [--box PIXELS] [--spacing PIXELS] [--no-variants] [--allow-incomplete]\n");
}

bool ParsePositive(const char* text, double* value) {
  char* end = nullptr;
  *value = std::strtod(text, &end);
  return end != text && *end == '\0' && *value > 0 && *value <= 4000;
}

bool ParseArgs(int argc, char** argv, Args* args) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--kanjivg" && hasValue) {
      args->kanjivg = argv[++i];
    } else if (a == "--strokes" && hasValue) {
      args->strokes.push_back(argv[++i]);
    } else if (a == "--out" && hasValue) {
      args->out = argv[++i];
    } else if (a == "--box" && hasValue) {
      if (!ParsePositive(argv[++i], &args->maker.boxPixels)) return false;
    } else if (a == "--spacing" && hasValue) {
      if (!ParsePositive(argv[++i], &args->maker.spacing)) return false;
    } else if (a == "--no-variants") {
      args->variants = false;
    } else if (a == "--allow-incomplete") {
      args->allowIncomplete = true;
    } else {
      return false;
    }
  }
  return !args->kanjivg.empty() && !args->out.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (!ParseArgs(argc, argv, &args)) {
    Usage();
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();

  std::vector<ReferenceForm> forms;
  KanjiVgStats stats;
  std::string error;
  if (!LoadKanjiVgForms(args.kanjivg, args.variants, &forms, &stats, &error) ||
      !LoadStrokeTextForms(args.strokes, &forms, &error)) {
    std::fprintf(stderr, "zkdic-build: %s\n", error.c_str());
    return 2;
  }

  std::vector<BuiltPattern> patterns;
  std::map<uint16_t, size_t> perCode;
  size_t empty = 0;
  for (const ReferenceForm& form : forms) {
    BuiltPattern built;
    if (!MakePattern(form, args.maker, &built)) {
      // A form whose strokes all shrink to taps has no segment to compare.
      std::fprintf(stderr, "zkdic-build: warning: %s gives no feature segment; skipped\n", form.source.c_str());
      ++empty;
      continue;
    }
    patterns.push_back(std::move(built));
  }

  std::vector<SubDicSpec> subs;
  size_t duplicates = 0;
  if (!AssembleSubDics(patterns, &subs, &duplicates, &error)) {
    std::fprintf(stderr, "zkdic-build: %s\n", error.c_str());
    return 2;
  }
  for (const SubDicSpec& sub : subs)
    for (const auto& group : sub.groups)
      for (const DicPatternSpec& p : group) ++perCode[p.code];

  const CoverageReport report = CheckCoverage(perCode, DictionaryTargets());
  std::printf("KanjiVG: %d files, %d forms used, %d without a JIS X 0208 code%s\n", stats.files, stats.used,
              stats.notJis, args.variants ? "" : ", variants left out");
  std::printf("forms: %zu, patterns stored: %zu (identical duplicates dropped: %zu, empty: %zu)\n",
              forms.size(), patterns.size() - duplicates, duplicates, empty);
  std::printf("%s", FormatCoverage(report).c_str());
  if (!report.complete && !args.allowIncomplete) {
    std::remove(args.out.c_str());
    std::fprintf(stderr, "zkdic-build: required characters are missing; %s not written\n", args.out.c_str());
    return 1;
  }

  DicWriteOptions options;
  options.keepEmptyGroups = false;
  if (!WriteDicFile(args.out, subs, options, &error)) {
    std::fprintf(stderr, "zkdic-build: %s\n", error.c_str());
    return 2;
  }
  size_t bytes = kDicBlockArea;
  for (const SubDicSpec& sub : subs) bytes += SubDicBlockSize(sub, options.keepEmptyGroups);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("wrote %s: %zu bytes, %zu sub-dictionaries, in %.2f s\n", args.out.c_str(), bytes,
              subs.size(), seconds);
  return 0;
}
