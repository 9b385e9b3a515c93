// zkdic-build: makes the system pattern dictionary "Crecs.ptn" from KanjiVG and the
// project's stroke-text files, with the engine's own feature extraction.
//
//   zkdic-build --kanjivg DIR --strokes DIR_OR_FILE ... --out Crecs.ptn
//               [--box PIXELS] [--spacing PIXELS] [--no-variants | --all-variants]
//               [--variant-margin M] [--join-gap F] [--with-small-forms] [--allow-incomplete]
//
// Kana also get forms with two neighbouring strokes joined wherever the pen travels
// at most F of the box (default 0.6) from the end of one stroke to the start of
// the next, except where the engine's
// look-alike checks read the strokes of the character by number and the join would
// renumber or merge them (those checks would then read the wrong strokes; a joined
// writing still matches the form with separate strokes); the body run on into a
// voiced mark is kept. KanjiVG's variant forms
// are judged against the dictionary of the other forms: a variant that dictionary
// already recognises first by a normalised margin of M or more (default 300) adds
// nothing but search time and is left out. Small kana and
// small letters get no patterns of their own unless asked: the engine adds them
// after their large form, ordered by the size of the writing.
//
// Prints the coverage table. Exit status 0 when written, 1 when a required
// character is missing (nothing is written then), 2 on bad input or a write error.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "checked_strokes.h"
#include "coverage.h"
#include "dic_assembly.h"
#include "dicfile.h"
#include "dicwriter.h"
#include "pattern_maker.h"
#include "recog.h"
#include "reference_set.h"
#include "rule_forms.h"
#include "textconv.h"
#include "variant_filter.h"

namespace {

enum class Variants { kNone, kJudged, kAll };

struct Args {
  std::string kanjivg;
  std::vector<std::string> strokes;
  std::string out;
  PatternMakerOptions maker;
  Variants variants = Variants::kJudged;
  int variantMargin = 300;
  double joinGap = 0.6;
  bool smallForms = false;
  bool allowIncomplete = false;
};

void Usage() {
  std::fprintf(stderr,
               "usage: zkdic-build --kanjivg DIR [--strokes DIR_OR_FILE]... --out FILE\n"
               "                   [--box PIXELS] [--spacing PIXELS] [--no-variants | --all-variants]\n"
               "                   [--variant-margin M] [--join-gap F] [--with-small-forms] [--allow-incomplete]\n");
}

bool ParseNumber(const char* text, double lo, double hi, double* value) {
  char* end = nullptr;
  *value = std::strtod(text, &end);
  return end != text && *end == '\0' && *value >= lo && *value <= hi;
}

bool ParseArgs(int argc, char** argv, Args* args) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    double number = 0;
    if (a == "--kanjivg" && hasValue) {
      args->kanjivg = argv[++i];
    } else if (a == "--strokes" && hasValue) {
      args->strokes.push_back(argv[++i]);
    } else if (a == "--out" && hasValue) {
      args->out = argv[++i];
    } else if (a == "--box" && hasValue) {
      if (!ParseNumber(argv[++i], 16, 4000, &args->maker.boxPixels)) return false;
    } else if (a == "--spacing" && hasValue) {
      if (!ParseNumber(argv[++i], 0.25, 100, &args->maker.spacing)) return false;
    } else if (a == "--variant-margin" && hasValue) {
      if (!ParseNumber(argv[++i], 0, 32767, &number)) return false;
      args->variantMargin = static_cast<int>(number);
    } else if (a == "--join-gap" && hasValue) {
      if (!ParseNumber(argv[++i], 0, 2, &args->joinGap)) return false;
    } else if (a == "--no-variants") {
      args->variants = Variants::kNone;
    } else if (a == "--all-variants") {
      args->variants = Variants::kAll;
    } else if (a == "--with-small-forms") {
      args->smallForms = true;
    } else if (a == "--allow-incomplete") {
      args->allowIncomplete = true;
    } else {
      return false;
    }
  }
  return !args->kanjivg.empty() && !args->out.empty();
}

struct Tally {
  size_t empty = 0;
  size_t smallSkipped = 0;
  size_t variantsJudged = 0;
  size_t variantsKept = 0;
  size_t joinedForms = 0;
  size_t joinedChecked = 0;  // joined forms left out for the look-alike checks
};

// Patterns of the forms; small forms left to the engine are skipped.
std::vector<BuiltPattern> MakePatterns(const std::vector<const ReferenceForm*>& forms, const Args& args,
                                       Tally* tally) {
  std::vector<BuiltPattern> patterns;
  for (const ReferenceForm* form : forms) {
    if (!args.smallForms && RuleLargeFormOf(form->code) != 0) {
      ++tally->smallSkipped;
      continue;
    }
    BuiltPattern built;
    if (!MakePattern(*form, args.maker, &built)) {
      // A form whose strokes all shrink to taps has no segment to compare.
      std::fprintf(stderr, "zkdic-build: warning: %s gives no feature segment; skipped\n", form->source.c_str());
      ++tally->empty;
      continue;
    }
    patterns.push_back(std::move(built));
  }
  return patterns;
}

// The KanjiVG variants that the dictionary of `base` does not already recognise
// clearly, judged with the engine loaded from a temporary file beside the output.
bool JudgeVariants(const std::vector<BuiltPattern>& base, const std::vector<const ReferenceForm*>& candidates,
                   const Args& args, std::vector<const ReferenceForm*>* kept, Tally* tally, std::string* error) {
  std::vector<SubDicSpec> subs;
  size_t duplicates = 0;
  if (!AssembleSubDics(base, &subs, &duplicates, error)) return false;
  const std::string stage = args.out + ".stage." + std::to_string(getpid());
  DicWriteOptions options;
  options.keepEmptyGroups = false;
  if (!WriteDicFile(stage, subs, options, error)) return false;
  const std::string noUserDic = stage + ".none";
  const int loaded = ZkCRecInitializesFrom(stage.c_str(), noUserDic.c_str());
  std::remove(stage.c_str());
  if (loaded != 0) {
    *error = "the engine could not load the dictionary being built (" + std::to_string(loaded) + ")";
    return false;
  }
  for (const ReferenceForm* form : candidates) {
    ++tally->variantsJudged;
    if (JudgeVariant(*form, args.maker, args.variantMargin).keep) {
      kept->push_back(form);
      ++tally->variantsKept;
    }
  }
  ZkCRecEnd();
  return true;
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
  if (!LoadKanjiVgForms(args.kanjivg, args.variants != Variants::kNone, &forms, &stats, &error) ||
      !LoadStrokeTextForms(args.strokes, &forms, &error)) {
    std::fprintf(stderr, "zkdic-build: %s\n", error.c_str());
    return 2;
  }
  Tally tally;
  if (!args.smallForms) {
    for (uint16_t small : ScaledSmallForms())
      if (RuleLargeFormOf(small) == 0)
        std::fprintf(stderr, "zkdic-build: warning: the engine's small-form table does not produce %s; its "
                     "patterns are kept\n", SjisCodeToUtf8(small).c_str());
  }

  // Kana with neighbouring strokes joined are variants too.
  if (args.variants != Variants::kNone) {
    const size_t standard = forms.size();
    for (size_t i = 0; i < standard; ++i) {
      if (forms[i].variant || forms[i].handMade) continue;
      const CheckedStrokes checked = LookAlikeCheckedStrokes(forms[i].code);
      const int strokes = static_cast<int>(forms[i].strokes.size());
      for (ReferenceForm& joined : JoinedStrokeForms(forms[i], args.joinGap)) {
        if (!JoinKeepsCheckedStrokes(checked, strokes, joined.joinedAt)) {
          ++tally.joinedChecked;
          continue;
        }
        ++tally.joinedForms;
        forms.push_back(std::move(joined));
      }
    }
  }

  // Standard, hand-made and joined forms always go in (the few joined kana cost
  // little search time and the benchmark shows they help); KanjiVG's variants as
  // judged.
  std::vector<const ReferenceForm*> base, candidates;
  for (const ReferenceForm& form : forms) {
    const bool judged = form.variant && !form.handMade && !form.joined && args.variants == Variants::kJudged;
    (judged ? candidates : base).push_back(&form);
  }
  std::vector<BuiltPattern> patterns = MakePatterns(base, args, &tally);
  if (!candidates.empty()) {
    std::vector<const ReferenceForm*> kept;
    if (!JudgeVariants(patterns, candidates, args, &kept, &tally, &error)) {
      std::fprintf(stderr, "zkdic-build: %s\n", error.c_str());
      return 2;
    }
    std::vector<BuiltPattern> extra = MakePatterns(kept, args, &tally);
    patterns.insert(patterns.end(), extra.begin(), extra.end());
  }

  std::vector<SubDicSpec> subs;
  size_t duplicates = 0;
  if (!AssembleSubDics(patterns, &subs, &duplicates, &error)) {
    std::fprintf(stderr, "zkdic-build: %s\n", error.c_str());
    return 2;
  }
  std::map<uint16_t, size_t> perCode;
  for (const SubDicSpec& sub : subs)
    for (const auto& group : sub.groups)
      for (const DicPatternSpec& p : group) ++perCode[p.code];

  const CoverageReport report = CheckCoverage(perCode, DictionaryTargets(), RuleReachableForms(perCode));
  std::printf("KanjiVG: %d files, %d forms read, %d without a JIS X 0208 code\n", stats.files, stats.used,
              stats.notJis);
  if (args.variants == Variants::kJudged)
    std::printf("KanjiVG variants: %zu judged, %zu kept (not recognised first by a margin of %d); "
                "kana with strokes joined: %zu (%zu left out: look-alike checks read those strokes)\n",
                tally.variantsJudged, tally.variantsKept, args.variantMargin, tally.joinedForms,
                tally.joinedChecked);
  std::printf("forms: %zu, patterns stored: %zu (identical duplicates dropped: %zu, empty: %zu, "
              "small forms left to the engine: %zu)\n",
              forms.size(), patterns.size() - duplicates, duplicates, tally.empty, tally.smallSkipped);
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
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("wrote %s: %zu bytes, %zu sub-dictionaries, in %.2f s\n", args.out.c_str(), bytes, subs.size(),
              seconds);
  return 0;
}
