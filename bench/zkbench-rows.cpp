// zkbench-rows: free writing across the screen, read by the pad's own cycle without a
// display. Each sentence row (at most twelve characters) is written with distorted
// strokes side by side, 0.1-0.5 character heights apart, at a size from small to
// screen-filling; characters with a left part (KanjiVG's position "left": 氵 亻 糸
// 言 木 ...) leave a gap between their parts, and small kana are written small. The
// strokes go through the variable frame (VFrameDecide, stroke by stroke, as the pad
// does), then through the segmentation, recognition and transition rescoring. The
// rows are read once with the frame's guess only and once with the alternatives,
// then with the alternatives and the word rescoring (the pad's reading where the
// word dictionary is installed: the words also choose among the segmentation's best
// few readings).
//
//   zkbench-rows SENTENCES --dic Crecs.ptn --seni Senijish.dat [--seed N] [--samples N]
//                [--kanjivg DIR] [--strokes DIR] [--tune]
//                [--merge-cost X] [--split-cost X] [--transition-weight X] [--max-parts N]
//                [--high-mark-cost X] [--closed-gap X] [--max-extra N] [--split-min-width X]
//                [--frame-side X] [--min-row-height X] [--readings N] [--threads N] [--show N]
//                [--word-transitions X] [--word-weight X] [--word-window N] [--word-mixed X]
//                [--word-after 0|1]
//
// --show prints the first N rows read wrong, with what the frame's guess read.
//
// --tune tries a grid of the segmentation's settings and prints the best first (for
// choosing them on one seed and checking them on others).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "bench_forms.h"
#include "pad/recognise.h"
#include "pad/rect.h"
#include "pad/segment.h"
#include "pad/segment_words.h"
#include "pad/vframe.h"
#include "recog.h"
#include "rule_forms.h"
#include "seni.h"
#include "textconv.h"
#include "zkrecog_seq.h"

namespace {

constexpr size_t kRowLimit = 12;
constexpr int kFrameMargin = 30;     // the pad's default margin of the variable frame
constexpr int kScreen = 32767;       // rows may run wider than a real screen
constexpr uint32_t kAutoMask = 0x0FFF407F;  // 自動: every class
constexpr size_t kMaxPoints = 1024;  // points the pad keeps of one stroke
constexpr int kMaxCharStrokes = 30;  // strokes the pad keeps of one character

struct Args {
  std::string sentences, dic, seni;
  std::string kanjivg = SORENIX_KANJIVG_DIR;
  std::string strokes = SORENIX_STROKES_DIR;
  uint64_t seed = 20240801;
  int samples = 4;
  bool tune = false;
  int show = 0;  // wrong rows to print
  SegmentSettings settings;
  WordSettings words;
};

bool ParseArgs(int argc, char** argv, Args* a) {
  for (int i = 1; i < argc; ++i) {
    const std::string opt = argv[i];
    if (opt == "--tune") {
      a->tune = true;
      continue;
    }
    if (opt.rfind("--", 0) != 0) {
      a->sentences = opt;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* v = argv[++i];
    if (opt == "--kanjivg") a->kanjivg = v;
    else if (opt == "--strokes") a->strokes = v;
    else if (opt == "--dic") a->dic = v;
    else if (opt == "--seni") a->seni = v;
    else if (opt == "--seed") a->seed = std::strtoull(v, nullptr, 10);
    else if (opt == "--samples") a->samples = std::atoi(v);
    else if (opt == "--merge-cost") a->settings.mergeCost = std::atof(v);
    else if (opt == "--split-cost") a->settings.splitCost = std::atof(v);
    else if (opt == "--transition-weight") a->settings.transitionWeight = std::atof(v);
    else if (opt == "--max-parts") a->settings.maxParts = std::atoi(v);
    else if (opt == "--max-extra") a->settings.maxExtraCalls = std::atoi(v);
    else if (opt == "--readings") a->settings.readings = std::atoi(v);
    else if (opt == "--threads") a->settings.threads = std::atoi(v);
    else if (opt == "--frame-side") a->settings.frameSide = std::atof(v);
    else if (opt == "--min-row-height") a->settings.minRowHeight = std::atof(v);
    else if (opt == "--split-min-width") a->settings.splitMinWidth = std::atof(v);
    else if (opt == "--show") a->show = std::atoi(v);
    else if (opt == "--closed-gap") a->settings.closedGap = std::atof(v);
    else if (opt == "--high-mark-cost") a->settings.highMarkCost = std::atof(v);
    else if (opt == "--word-transitions") a->words.transitionWeight = std::atof(v);
    else if (opt == "--word-weight") a->words.wordWeight = std::atof(v);
    else if (opt == "--word-window") a->words.window = std::atoi(v);
    else if (opt == "--word-mixed") a->words.mixedWeight = std::atof(v);
    else if (opt == "--word-after") a->words.afterTransitions = std::atoi(v) != 0;
    else return false;
  }
  return !a->sentences.empty() && !a->dic.empty() && !a->seni.empty() && a->samples >= 1 && a->samples <= 1000;
}

std::vector<std::vector<std::string>> Rows(const std::vector<std::string>& chars) {
  std::vector<std::vector<std::string>> rows;
  for (size_t start = 0; start < chars.size(); start += kRowLimit)
    rows.emplace_back(chars.begin() + static_cast<long>(start),
                      chars.begin() + static_cast<long>(std::min(chars.size(), start + kRowLimit)));
  return rows;
}

uint32_t CodePoint(const std::string& c) {
  const auto b = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(c[i])); };
  if (c.size() == 1) return b(0);
  if (c.size() == 2) return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
  if (c.size() == 3) return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
  return 0;
}

// Strokes of the character's left part when KanjiVG writes it first as a group at
// position "left" (氵 of 海: 3), else 0.
int LeftPartStrokes(const std::string& kanjivgDir, uint32_t cp) {
  char name[16];
  std::snprintf(name, sizeof name, "%05x", cp);
  std::ifstream in(kanjivgDir + "/" + name + ".svg");
  if (!in) return 0;
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string svg = buffer.str();
  const size_t group = svg.find(std::string("<g id=\"kvg:") + name + "-g1\"");
  if (group == std::string::npos) return 0;
  const size_t tagEnd = svg.find('>', group);
  if (tagEnd == std::string::npos || svg.substr(group, tagEnd - group).find("kvg:position=\"left\"") == std::string::npos)
    return 0;
  if (svg.find("<path", tagEnd) != svg.find(std::string("<path id=\"kvg:") + name + "-s1\"", tagEnd)) return 0;
  int depth = 1, paths = 0;
  for (size_t at = tagEnd; depth > 0 && at < svg.size(); ++at) {
    if (svg.compare(at, 3, "</g") == 0) --depth;
    else if (svg.compare(at, 3, "<g ") == 0) ++depth;
    else if (svg.compare(at, 5, "<path") == 0) ++paths;
  }
  return paths;
}

struct WrittenRow {
  std::string text;
  std::vector<SegPen> atoms;     // the variable frame's characters
  std::vector<SegPen> unjoined;  // the same as the pad once made them (no room made)
  int previous = -1;             // the row of the same sentence and sample written before
};

// The strokes of a row go through the variable frame as the pad's pen-up does.
// *dropped counts the strokes the pad forgets: those that would start a 13th
// character, and those past the 30th of one character.
std::vector<SegPen> FrameCharacters(const std::vector<PixelStroke>& strokes, bool makeRoom, int* dropped) {
  std::vector<Rect16> boxes;
  for (const PixelStroke& stroke : strokes) {
    Rect16 box{static_cast<int16_t>(stroke.at(0).x), static_cast<int16_t>(stroke[0].y), 1, 1};
    for (const PixelPoint& p : stroke) RECT_add(&box, p.x, p.y);
    boxes.push_back(box);
  }
  const std::vector<int> group = VFrameGroup(boxes, kFrameMargin, kScreen, kScreen, static_cast<int>(kRowLimit), makeRoom);
  std::vector<SegPen> atoms;
  std::vector<int> strokeCount;
  for (size_t k = 0; k < strokes.size(); ++k) {
    if (group[k] < 0) {
      ++*dropped;
      continue;
    }
    if (static_cast<size_t>(group[k]) == atoms.size()) {
      atoms.emplace_back();
      strokeCount.push_back(0);
    }
    // A character keeps 30 strokes; the pad does not store the rest.
    if (strokeCount[static_cast<size_t>(group[k])]++ >= kMaxCharStrokes) {
      ++*dropped;
      continue;
    }
    SegPen& pen = atoms[static_cast<size_t>(group[k])];
    const size_t n = std::min(strokes[k].size(), kMaxPoints);
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(n));
    for (size_t i = 0; i < n; ++i) {
      pen.push_back(static_cast<uint16_t>(static_cast<int16_t>(strokes[k][i].x)));
      pen.push_back(static_cast<uint16_t>(static_cast<int16_t>(strokes[k][i].y)));
    }
  }
  for (SegPen& pen : atoms) pen.push_back(kPenEnd);
  return atoms;
}

// Recognition as the pad's cycle does it, remembered by pen data so
// that trying many settings recognises each piece once (unless told to forget, as
// the pad does). The segmentation calls it from several threads at once.
class CachedRecogniser {
 public:
  explicit CachedRecogniser(bool remember = true) : remember_(remember) {}

  void operator()(const SegPen& pen, const Rect16& frame, ZkResult* result) {
    if (!remember_) {
      RecogniseInFrame(pen, frame, result);
      return;
    }
    const auto key = std::make_pair(pen, std::vector<int>{frame.x, frame.y, frame.width, frame.height});
    {
      std::lock_guard<std::mutex> lock(mutex_);
      const auto found = cache_.find(key);
      if (found != cache_.end()) {
        *result = found->second;
        return;
      }
    }
    RecogniseInFrame(pen, frame, result);
    std::lock_guard<std::mutex> lock(mutex_);
    cache_.emplace(key, *result);
  }

 private:
  const bool remember_;
  std::mutex mutex_;
  std::map<std::pair<SegPen, std::vector<int>>, ZkResult> cache_;
};

// Matched characters of the best alignment (fewest edits) of the reading to the text.
int AlignedRight(const std::vector<std::string>& want, const std::vector<std::string>& got) {
  const size_t n = want.size(), m = got.size();
  std::vector<std::vector<int>> cost(n + 1, std::vector<int>(m + 1)), right(n + 1, std::vector<int>(m + 1));
  for (size_t i = 0; i <= n; ++i) cost[i][0] = static_cast<int>(i);
  for (size_t j = 0; j <= m; ++j) cost[0][j] = static_cast<int>(j);
  for (size_t i = 1; i <= n; ++i)
    for (size_t j = 1; j <= m; ++j) {
      const bool same = want[i - 1] == got[j - 1];
      int c = cost[i - 1][j - 1] + (same ? 0 : 1), r = right[i - 1][j - 1] + (same ? 1 : 0);
      const auto take = [&](int c2, int r2) {
        if (c2 < c || (c2 == c && r2 > r)) {
          c = c2;
          r = r2;
        }
      };
      take(cost[i - 1][j] + 1, right[i - 1][j]);
      take(cost[i][j - 1] + 1, right[i][j - 1]);
      cost[i][j] = c;
      right[i][j] = r;
    }
  return right[n][m];
}

struct Score {
  std::vector<bool> rowRight;
  std::vector<std::string> readings;
  long chars = 0, right = 0, rows = 0, rowsRight = 0, spoiled = 0;
  long calls = 0, extraCalls = 0, maxExtra = 0, merges = 0, splits = 0;
};

// Reads every row; `guess` (when given) is the reading of the frame's guess, whose
// right rows that the alternatives get wrong are counted as spoiled.
Score Read(const std::vector<WrittenRow>& rows, const SegmentSettings& settings, CachedRecogniser* recogniser,
           const Score* guess = nullptr, bool unjoined = false, const WordCost* words = nullptr,
           const WordSettings& wordSettings = WordSettings{}) {
  Score score;
  const SegRecogniser recognise = [recogniser](const SegPen& pen, const Rect16& frame, ZkResult* result) {
    (*recogniser)(pen, frame, result);
  };
  for (const WrittenRow& row : rows) {
    // Like the pad's pending line, the row follows what was read of the one before.
    uint16_t before = 0;
    if (row.previous >= 0 && static_cast<size_t>(row.previous) < score.readings.size()) {
      const std::vector<std::string> chars = Utf8Characters(score.readings[static_cast<size_t>(row.previous)]);
      if (!chars.empty()) before = Utf8ToSjisCode(chars.back());
    }
    SegmentStats stats;
    std::vector<SegReading> readings =
        SegmentRowReadings(unjoined ? row.unjoined : row.atoms, recognise, SeniTransitionCost, settings, &stats);
    const std::vector<SegUnit> units =
        std::move(readings[ChooseReadingByWords(readings, words, wordSettings, before, settings.threads)].units);
    std::vector<ZkResult> results;
    for (const SegUnit& u : units)
      if (u.result.count >= 1) results.push_back(u.result);  // the pad drops the unreadable
    const std::string reading = ReadRow(results, words, wordSettings, before).rescored;
    const std::vector<std::string> want = Utf8Characters(row.text);
    score.chars += static_cast<long>(want.size());
    score.right += AlignedRight(want, Utf8Characters(reading));
    ++score.rows;
    score.rowsRight += reading == row.text;
    score.rowRight.push_back(reading == row.text);
    score.readings.push_back(reading);
    if (guess && guess->rowRight[score.rowRight.size() - 1] && reading != row.text) ++score.spoiled;
    score.calls += stats.calls;
    score.extraCalls += stats.extraCalls;
    score.maxExtra = std::max<long>(score.maxExtra, stats.extraCalls);
    score.merges += stats.merges;
    score.splits += stats.splits;
  }
  return score;
}

void Print(const char* label, const Score& s) {
  std::printf("%-40s characters right %5.1f%%, rows right %5.1f%%, recognitions per row %.1f (extra %.1f, at most %ld)",
              label, 100.0 * s.right / s.chars, 100.0 * s.rowsRight / s.rows, double(s.calls) / s.rows,
              double(s.extraCalls) / s.rows, s.maxExtra);
  if (s.merges || s.splits)
    std::printf(", %ld merges, %ld splits, %ld rows right before now wrong", s.merges, s.splits, s.spoiled);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  if (!ParseArgs(argc, argv, &args)) {
    std::fprintf(stderr,
                 "usage: zkbench-rows SENTENCES --dic Crecs.ptn --seni Senijish.dat [--seed N] [--samples N]\n"
                 "       [--kanjivg DIR] [--strokes DIR] [--tune] [--merge-cost X] [--split-cost X]\n"
                 "       [--transition-weight X] [--max-parts N] [--high-mark-cost X] [--closed-gap X]\n"
                 "       [--max-extra N] [--split-min-width X] [--frame-side X] [--min-row-height X]\n"
                 "       [--readings N] [--threads N] [--show N]\n"
                 "       [--word-transitions X] [--word-weight X] [--word-window N] [--word-mixed X] [--word-after 0|1]\n");
    return 2;
  }
  std::vector<ReferenceForm> forms;
  std::string error;
  if (!LoadBenchForms(args.kanjivg, args.strokes, false, &forms, &error)) {
    std::fprintf(stderr, "zkbench-rows: %s\n", error.c_str());
    return 2;
  }
  std::map<uint16_t, const ReferenceForm*> standard;
  for (const ReferenceForm& f : forms)
    if (!f.variant && !standard.count(f.code)) standard[f.code] = &f;
  if (ZkCRecInitializesFrom(args.dic.c_str(), "") != 0 || SeniJishoFrom(args.seni, &error) != kSeniLoaded) {
    std::fprintf(stderr, "zkbench-rows: cannot load %s or %s %s\n", args.dic.c_str(), args.seni.c_str(),
                 error.c_str());
    return 2;
  }
  ZkOption = ZkOptionRec{kAutoMask, 0, 0, 0, 0, 0};

  std::ifstream in(args.sentences);
  if (!in) {
    std::fprintf(stderr, "zkbench-rows: cannot read %s\n", args.sentences.c_str());
    return 2;
  }
  std::vector<WrittenRow> rows;
  std::map<uint32_t, int> leftParts;
  int skipped = 0, withLeftPart = 0, rowsCut = 0, rowsCutUnjoined = 0;
  std::string sentence;
  uint64_t sentenceNumber = 0;
  while (std::getline(in, sentence)) {
    if (sentence.empty()) continue;
    ++sentenceNumber;
    uint64_t rowNumber = 0;
    std::map<int, int> lastOfSample;  // index in rows of each sample's last row of the sentence
    for (const auto& row : Rows(Utf8Characters(sentence))) {
      ++rowNumber;
      for (int sample = 0; sample < args.samples; ++sample) {
        BenchRng rng(MixSeed(MixSeed(MixSeed(args.seed, sentenceNumber), rowNumber), static_cast<uint64_t>(sample)));
        const double height = rng.Uniform(40, 320);  // from small writing to most of a screen
        DistortOptions options;
        options.minFrame = options.maxFrame = static_cast<int>(height);
        double cursor = 40;
        const double top = 100;
        std::vector<PixelStroke> strokes;
        WrittenRow written;
        for (const std::string& c : row) {
          const auto form = standard.find(Utf8ToSjisCode(c));
          if (form == standard.end()) {
            written.text.clear();
            break;
          }
          Sample s = DistortSample(form->second->strokes, form->second->box, options, &rng,
                                   RuleLargeFormOf(form->first) != 0);
          const uint32_t cp = CodePoint(c);
          if (!leftParts.count(cp)) leftParts[cp] = LeftPartStrokes(args.kanjivg, cp);
          const int left = leftParts[cp];
          if (left > 0 && static_cast<size_t>(left) < s.strokes.size()) {
            ++withLeftPart;
            const int gap = static_cast<int>(rng.Uniform(0.05, 0.25) * height);
            for (int k = 0; k < left; ++k)
              for (PixelPoint& p : s.strokes[static_cast<size_t>(k)]) p.x -= gap;
          }
          int x0 = 1 << 30, x1 = -(1 << 30);
          for (const PixelStroke& st : s.strokes)
            for (const PixelPoint& p : st) {
              x0 = std::min(x0, p.x);
              x1 = std::max(x1, p.x);
            }
          const int dx = static_cast<int>(cursor) - x0, dy = static_cast<int>(top + rng.Uniform(-0.05, 0.05) * height);
          for (PixelStroke& st : s.strokes) {
            for (PixelPoint& p : st) {
              p.x += dx;
              p.y += dy;
            }
            if (!st.empty()) strokes.push_back(st);
          }
          cursor += (x1 - x0) + rng.Uniform(0.1, 0.5) * height;
          written.text += c;
        }
        if (written.text.empty()) {
          ++skipped;
          continue;
        }
        int dropped = 0, droppedUnjoined = 0;
        const auto last = lastOfSample.find(sample);
        written.previous = last == lastOfSample.end() ? -1 : last->second;
        lastOfSample[sample] = static_cast<int>(rows.size());
        written.atoms = FrameCharacters(strokes, true, &dropped);
        written.unjoined = FrameCharacters(strokes, false, &droppedUnjoined);
        rowsCut += dropped > 0;
        rowsCutUnjoined += droppedUnjoined > 0;
        rows.push_back(std::move(written));
      }
    }
  }
  long chars = 0;
  for (const WrittenRow& r : rows) chars += static_cast<long>(Utf8Characters(r.text).size());
  std::printf("%zu rows of %ld characters (seed %llu, %d left out, %d written with a gap in a left-right character)\n",
              rows.size(), chars, static_cast<unsigned long long>(args.seed), skipped, withLeftPart);
  std::printf("rows that lost strokes past twelve frame characters or 30 strokes in one: %d (%d as the frame was)\n",
              rowsCut, rowsCutUnjoined);

  CachedRecogniser recogniser;
  SegmentSettings guess = args.settings;
  guess.alternatives = false;
  // Each reading recognises only what the ones before did not: the last one's time
  // is the alternatives' cost.
  const auto t0 = std::chrono::steady_clock::now();
  Print("frame as it was:", Read(rows, guess, &recogniser, nullptr, true));
  const auto t1 = std::chrono::steady_clock::now();
  const Score before = Read(rows, guess, &recogniser);
  const auto t1b = std::chrono::steady_clock::now();
  Print("frame making room:", before);
  if (!args.tune) {
    const Score after = Read(rows, args.settings, &recogniser, &before);
    const auto t2 = std::chrono::steady_clock::now();
    Print("with alternatives:", after);
    const WordCost* words = SharedWordCost();
    const Score final = words ? Read(rows, args.settings, &recogniser, &after, false, words, args.words) : after;
    const auto t3 = std::chrono::steady_clock::now();
    if (words) {
      Print("with alternatives and words:", final);
      std::printf("rows right with alternatives, wrong with words: %ld\n", final.spoiled);
    }
    const auto ms = [&](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count() / rows.size(); };
    std::printf("time per row: %.1f ms for the frame's characters, %.1f ms more for the alternatives, "
                "%.2f ms more for the words\n",
                ms(t0, t1), ms(t1b, t2), ms(t2, t3));
    // A row of twelve as the pad reads it, from the frame's characters to the words,
    // nothing remembered from the runs above: with the recognitions on the pad's
    // threads, and on one.
    for (const int threads : {args.settings.threads, 1}) {
      SegmentSettings timed = args.settings;
      timed.threads = threads;
      std::vector<double> twelve;
      for (const WrittenRow& row : rows) {
        if (Utf8Characters(row.text).size() != kRowLimit) continue;
        CachedRecogniser asThePad(false);
        const auto start = std::chrono::steady_clock::now();
        Read({row}, timed, &asThePad, nullptr, false, words, args.words);
        twelve.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      }
      if (twelve.empty()) break;
      std::nth_element(twelve.begin(), twelve.begin() + static_cast<long>(twelve.size() / 2), twelve.end());
      std::printf("a row of twelve characters, everything included, %d thread%s: median %.1f ms (%zu rows)\n",
                  threads, threads == 1 ? "" : "s", twelve[twelve.size() / 2], twelve.size());
      if (threads == 1) break;
    }
    for (size_t r = 0, shown = 0; r < rows.size() && shown < static_cast<size_t>(args.show); ++r) {
      if (final.rowRight[r]) continue;
      std::printf("  written %s, frame's guess %s, alternatives %s, read %s\n", rows[r].text.c_str(),
                  before.readings[r].c_str(), after.readings[r].c_str(), final.readings[r].c_str());
      ++shown;
    }
    return 0;
  }
  struct Tried {
    SegmentSettings settings;
    Score score;
  };
  std::vector<Tried> tried;
  for (int parts : {3, 4})
  for (double minGap : {0.02, 0.06})
  for (double mark : {0.0, 1.0, 2.0})
  for (double merge : {0.0, 0.4, 0.8})
    for (double split : {0.0, 0.4})
      for (double weight : {0.2, 0.3, 0.4}) {
        SegmentSettings s = args.settings;
        s.highMarkCost = mark;
        s.maxParts = parts;
        s.splitMinGap = minGap;
        s.mergeCost = merge;
        s.splitCost = split;
        s.transitionWeight = weight;
        tried.push_back({s, Read(rows, s, &recogniser, &before)});
      }
  std::sort(tried.begin(), tried.end(), [](const Tried& a, const Tried& b) {
    return a.score.right != b.score.right ? a.score.right > b.score.right : a.score.rowsRight > b.score.rowsRight;
  });
  for (size_t i = 0; i < std::min<size_t>(tried.size(), 15); ++i) {
    const SegmentSettings& t = tried[i].settings;
    char label[96];
    std::snprintf(label, sizeof label, "p %d g %.2f k %.1f m %.1f s %.1f t %.1f:", t.maxParts, t.splitMinGap,
                  t.highMarkCost, t.mergeCost, t.splitCost, t.transitionWeight);
    Print(label, tried[i].score);
  }
  return 0;
}
