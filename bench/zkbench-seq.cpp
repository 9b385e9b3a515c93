// zkbench-seq: writes sentences as rows of distorted handwriting for `zkrecog --seq`,
// one JSON line per row ({"text": "...", "chars": [{"strokes", "width", "height"}, ...]}).
// Rows hold at most twelve characters, as the pad recognises them, and end after
// 、 or 。 where one falls near the limit.
//
//   zkbench-seq SENTENCES [--kanjivg DIR] [--strokes DIR] [--seed N] [--samples N]
//
// Each sentence is written --samples times with different distortions; a row with
// a character that has no reference form is left out (and counted on stderr). Small
// kana are written small and low in their box, as in zkbench-gen.
//
// A line may start with a kind and a tab ("name\t田中一郎"): the rows carry it as
// "kind", and the kinds digits-mode and latin-mode are written in the 数字 and 英字
// input modes (their "mask").
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench_forms.h"
#include "reference_set.h"
#include "rule_forms.h"
#include "sample_distort.h"
#include "textconv.h"

namespace {

constexpr size_t kRowLimit = 12;

struct Args {
  std::string sentences;
  std::string kanjivg = SORENIX_KANJIVG_DIR;
  std::string strokes = SORENIX_STROKES_DIR;
  uint64_t seed = 20240801;
  int samples = 1;
};

bool ParseArgs(int argc, char** argv, Args* a) {
  for (int i = 1; i < argc; ++i) {
    const std::string opt = argv[i];
    if (opt.rfind("--", 0) != 0) {
      a->sentences = opt;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* v = argv[++i];
    if (opt == "--kanjivg") a->kanjivg = v;
    else if (opt == "--strokes") a->strokes = v;
    else if (opt == "--seed") a->seed = std::strtoull(v, nullptr, 10);
    else if (opt == "--samples") a->samples = std::atoi(v);
    else return false;
  }
  return !a->sentences.empty() && a->samples >= 1 && a->samples <= 1000;
}

// Cuts a sentence into rows of at most twelve characters, after the last 、 or 。
// of a full row when there is one.
std::vector<std::vector<std::string>> Rows(const std::vector<std::string>& chars) {
  std::vector<std::vector<std::string>> rows;
  size_t start = 0;
  while (start < chars.size()) {
    size_t end = std::min(chars.size(), start + kRowLimit);
    if (end < chars.size())
      for (size_t i = end; i > start + 1; --i)
        if (chars[i - 1] == "、" || chars[i - 1] == "。") {
          end = i;
          break;
        }
    rows.emplace_back(chars.begin() + static_cast<long>(start), chars.begin() + static_cast<long>(end));
    start = end;
  }
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (!ParseArgs(argc, argv, &args)) {
    std::fprintf(stderr, "usage: zkbench-seq SENTENCES [--kanjivg DIR] [--strokes DIR] [--seed N] [--samples N]\n");
    return 2;
  }
  std::vector<ReferenceForm> forms;
  std::string error;
  if (!LoadBenchForms(args.kanjivg, args.strokes, false, &forms, &error)) {
    std::fprintf(stderr, "zkbench-seq: %s\n", error.c_str());
    return 2;
  }
  std::map<uint16_t, const ReferenceForm*> standard;  // the first standard form of each code
  for (const ReferenceForm& f : forms)
    if (!f.variant && !standard.count(f.code)) standard[f.code] = &f;

  std::ifstream in(args.sentences);
  if (!in) {
    std::fprintf(stderr, "zkbench-seq: cannot read %s\n", args.sentences.c_str());
    return 2;
  }
  const DistortOptions options;
  int rowsWritten = 0, charsWritten = 0, rowsSkipped = 0;
  std::string sentence;
  uint64_t sentenceNumber = 0;
  while (std::getline(in, sentence)) {
    if (sentence.empty()) continue;
    std::string kind;
    if (const size_t tab = sentence.find('\t'); tab != std::string::npos) {
      kind = sentence.substr(0, tab);
      sentence.erase(0, tab + 1);
    }
    const int mask = kind == "digits-mode" ? 0x4 : kind == "latin-mode" ? 0x3 : 0;
    ++sentenceNumber;
    uint64_t rowNumber = 0;
    for (const auto& row : Rows(Utf8Characters(sentence))) {
      ++rowNumber;
      for (int sample = 0; sample < args.samples; ++sample) {
        nlohmann::json chars = nlohmann::json::array();
        std::string text;
        bool complete = true;
        for (size_t c = 0; c < row.size() && complete; ++c) {
          const auto form = standard.find(Utf8ToSjisCode(row[c]));
          if (form == standard.end()) {
            std::fprintf(stderr, "zkbench-seq: no form of %s\n", row[c].c_str());
            complete = false;
            break;
          }
          BenchRng rng(MixSeed(MixSeed(MixSeed(args.seed, sentenceNumber), rowNumber * 1000 + c),
                               static_cast<uint64_t>(sample)));
          const uint16_t code = form->first;
          const Sample s = DistortSample(form->second->strokes, form->second->box, options, &rng,
                                         RuleLargeFormOf(code) != 0);
          chars.push_back({{"strokes", StrokesJson(s.strokes)}, {"width", s.width}, {"height", s.height}});
          text += row[c];
        }
        if (!complete) {
          ++rowsSkipped;
          continue;
        }
        nlohmann::json line{{"text", text}, {"chars", chars}};
        if (!kind.empty()) line["kind"] = kind;
        if (mask != 0) line["mask"] = mask;
        std::printf("%s\n", line.dump().c_str());
        ++rowsWritten;
        charsWritten += static_cast<int>(row.size());
      }
    }
  }
  std::fprintf(stderr, "zkbench-seq: %d rows of %d characters (%d rows left out)\n", rowsWritten, charsWritten,
               rowsSkipped);
  return 0;
}
