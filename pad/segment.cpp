// Segmentation of free writing: a shortest path over the places where a character
// may end (each frame character's end, and the horizontal gaps inside a wide one).
// Each step takes up to maxParts pieces as one character: a frame character as it
// is, several merged, or a part of one split off. It pays the normalised recognition
// distance of what it reads, the transition cost from the character before, and the
// tolls for merging and splitting.
#include "pad/segment.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "pad/parallel_for.h"
#include "seni.h"

namespace {

// The engine brings every distance to one scale: mean 1200, one deviation 269.
constexpr double kDistanceMean = 1200;
constexpr double kDistanceDeviation = 269;
constexpr double kUnreadableCost = 6;  // a character without candidates
constexpr double kUntried = 1e9;       // an alternative left out to bound the work
constexpr int kMaxStrokes = 30;        // what one character's pen data may hold

// Marks written at the foot of a character cell: 、 。 ， ． and their half-width forms.
bool IsLowMark(uint16_t code) {
  return (code >= 0x8141 && code <= 0x8144) || code == 0xA1 || code == 0xA4 || code == ',' || code == '.';
}

// Joins the candidates of two readings of one character: each code once, at its
// better distance, best first.
void MergeResults(ZkResult* into, const ZkResult& other) {
  std::vector<ZkResultEntry> all(into->entry, into->entry + std::max<int>(into->count, 0));
  for (int i = 0; i < other.count; ++i) {
    const ZkResultEntry& e = other.entry[i];
    auto same = std::find_if(all.begin(), all.end(), [&](const ZkResultEntry& a) { return a.code == e.code; });
    if (same == all.end()) all.push_back(e);
    else if (e.distance < same->distance) *same = e;
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const ZkResultEntry& a, const ZkResultEntry& b) { return a.distance < b.distance; });
  const size_t count = std::min<size_t>(all.size(), kResultEntries);
  std::copy(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count), into->entry);
  into->count = static_cast<int16_t>(count);
}

struct RowStroke {
  size_t atom;
  size_t begin, end;  // words of atoms[atom]
  int x0, y0, x1, y1;
};

struct Evaluated {
  ZkResult result;
  Rect16 box;
  double cost;
  uint16_t code;  // best candidate, 0 when none
};

using Span = std::pair<int, int>;  // strokes [first, second) of the row

// One recognition to make: pen data in its frame.
struct ReadJob {
  SegPen pen;
  Rect16 frame;
};

// The reading of a span prepared: its box and its recognitions (jobs first ..
// first + count - 1: as written, then closed up); count 0 when out of budget.
struct PlannedSpan {
  Span span;
  Rect16 box;
  size_t first;
  int count;
};

// A step of the search from one cut to a later one: the span it reads, whether that
// is a frame character as it was, and how many frame characters' ends it passes over.
struct Step {
  int to;
  Span span;
  bool atom;
  int merged;
};

// One way to reach a node: its cost, and the way before it.
struct Way {
  double cost;
  int previous;  // node index, -1 at the start
  int rank;      // which of the previous node's ways
  int units;
};

// One node per (cut, last unit); its best ways, cheapest first.
struct Node {
  int cut;    // index of the cut reached
  Span last;  // the last unit
  uint16_t code;
  std::vector<Way> ways;
};

std::vector<RowStroke> StrokesOf(const std::vector<SegPen>& atoms, std::vector<int>* atomStart) {
  std::vector<RowStroke> strokes;
  for (size_t a = 0; a < atoms.size(); ++a) {
    atomStart->push_back(static_cast<int>(strokes.size()));
    const SegPen& pen = atoms[a];
    size_t i = 0;
    while (i + 1 < pen.size() && pen[i] == kStrokeMark) {
      const int n = static_cast<int16_t>(pen[i + 1]);
      if (n < 1 || i + 2 + 2 * static_cast<size_t>(n) > pen.size()) break;
      RowStroke s{a, i, i + 2 + 2 * static_cast<size_t>(n), 32767, 32767, -32768, -32768};
      for (size_t p = i + 2; p < s.end; p += 2) {
        const int x = static_cast<int16_t>(pen[p]), y = static_cast<int16_t>(pen[p + 1]);
        s.x0 = std::min(s.x0, x);
        s.y0 = std::min(s.y0, y);
        s.x1 = std::max(s.x1, x);
        s.y1 = std::max(s.y1, y);
      }
      strokes.push_back(s);
      i = s.end;
    }
  }
  atomStart->push_back(static_cast<int>(strokes.size()));
  return strokes;
}

class RowSegmenter {
 public:
  RowSegmenter(const std::vector<SegPen>& atoms, const SegRecogniser& recognise, const SegTransition& transition,
               const SegmentSettings& settings, SegmentStats* stats)
      : atoms_(atoms), recognise_(recognise), transition_(transition), settings_(settings), stats_(stats) {
    strokes_ = StrokesOf(atoms, &start_);
    for (size_t a = 0; a + 1 < start_.size(); ++a) {
      const Rect16 box = BoxOf(Span(start_[a], start_[a + 1]));
      if (box.height == 0) continue;
      rowHeight_ = std::max<int>(rowHeight_, box.height);
      rowTop_ = std::min<int>(rowTop_, box.y);
      rowBottom_ = std::max<int>(rowBottom_, box.y + box.height);
    }
  }

  std::vector<SegReading> Run() {
    ReadAhead(settings_.alternatives);
    // Splits that would give more than twelve characters get dearer until they fit.
    // The last round is the first guess itself.
    constexpr int kRounds = 5;
    std::vector<Node> nodes = Search(settings_.alternatives, settings_.splitCost);
    for (int round = 1; round <= kRounds && Ends(nodes).front().units > kSegMaxUnits; ++round)
      nodes = Search(settings_.alternatives && round < kRounds, settings_.splitCost + round);
    return Readings(nodes);
  }

 private:
  Rect16 BoxOf(Span span) const {
    int x0 = 32767, y0 = 32767, x1 = -32768, y1 = -32768;
    for (int k = span.first; k < span.second; ++k) {
      const RowStroke& s = strokes_[static_cast<size_t>(k)];
      x0 = std::min(x0, s.x0);
      y0 = std::min(y0, s.y0);
      x1 = std::max(x1, s.x1);
      y1 = std::max(y1, s.y1);
    }
    if (span.first >= span.second) return Rect16{0, 0, 0, 0};
    return Rect16{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<uint16_t>(x1 - x0 + 1),
                  static_cast<uint16_t>(y1 - y0 + 1)};
  }

  SegPen PenOf(Span span) const {
    SegPen pen;
    for (int k = span.first; k < span.second; ++k) {
      const RowStroke& s = strokes_[static_cast<size_t>(k)];
      const SegPen& from = atoms_[s.atom];
      pen.insert(pen.end(), from.begin() + static_cast<std::ptrdiff_t>(s.begin),
                 from.begin() + static_cast<std::ptrdiff_t>(s.end));
    }
    pen.push_back(kPenEnd);
    return pen;
  }

  // The pen of a span with its left-right gaps closed: wherever all strokes after a
  // point in writing order lie right of all before it by more than closedGap row
  // heights, the later strokes move left until the gap is that wide (a 糸 written far
  // from its 氏). Empty when there is no such gap.
  SegPen ClosedPenOf(Span span) const {
    if (settings_.closedGap < 0) return SegPen();
    const int keep = static_cast<int>(settings_.closedGap * rowHeight_);
    const size_t n = static_cast<size_t>(span.second - span.first);
    std::vector<int> shift(n, 0);
    bool closed = false;
    for (size_t k = 1; k < n; ++k) {
      int beforeRight = -32768, afterLeft = 32767;
      for (size_t i = 0; i < n; ++i) {
        const RowStroke& s = strokes_[static_cast<size_t>(span.first) + i];
        if (i < k) beforeRight = std::max(beforeRight, s.x1 - shift[i]);
        else afterLeft = std::min(afterLeft, s.x0 - shift[i]);
      }
      if (afterLeft - beforeRight <= keep) continue;
      for (size_t i = k; i < n; ++i) shift[i] += afterLeft - beforeRight - keep;
      closed = true;
    }
    if (!closed) return SegPen();
    SegPen pen = PenOf(span);
    size_t at = 0;
    for (size_t i = 0; i < n; ++i) {
      const RowStroke& s = strokes_[static_cast<size_t>(span.first) + i];
      for (size_t p = at + 2; p < at + (s.end - s.begin); p += 2)
        pen[p] = static_cast<uint16_t>(static_cast<int16_t>(pen[p]) - shift[i]);
      at += s.end - s.begin;
    }
    return pen;
  }

  // The pen scaled by `scale` about the top left of its box.
  static SegPen Enlarged(SegPen pen, const Rect16& box, double scale) {
    if (scale == 1.0) return pen;
    const auto at = [&](uint16_t v, int origin) {
      const double scaled = origin + (static_cast<int16_t>(v) - origin) * scale;
      return static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(scaled, -32768.0, 32767.0))));
    };
    for (size_t i = 0; i + 1 < pen.size() && pen[i] == kStrokeMark;) {
      const size_t end = std::min(pen.size(), i + 2 + 2 * static_cast<size_t>(pen[i + 1]));
      for (size_t p = i + 2; p + 1 < end; p += 2) {
        pen[p] = at(pen[p], box.x);
        pen[p + 1] = at(pen[p + 1], box.y);
      }
      i = end;
    }
    return pen;
  }

  // Counts one recognition (the budget, and the stats when kept).
  void Count(bool extra) {
    if (extra) ++extraCalls_;
    if (!stats_) return;
    ++stats_->calls;
    if (extra) ++stats_->extraCalls;
  }

  // Prepares the reading of a span: its pen as written and, when it has a wide gap,
  // closed up, each in a frame of frameSide row heights at the span's box; nothing
  // when the alternatives' budget is spent.
  PlannedSpan Plan(Span span, bool extra, std::vector<ReadJob>* jobs) {
    PlannedSpan planned{span, BoxOf(span), jobs->size(), 0};
    if (extra && extraCalls_ >= settings_.maxExtraCalls) return planned;
    const double scale = rowHeight_ < settings_.minRowHeight ? settings_.minRowHeight / rowHeight_ : 1.0;
    const uint16_t side = static_cast<uint16_t>(std::min(rowHeight_ * scale * settings_.frameSide, 32767.0));
    const Rect16 frame{planned.box.x, planned.box.y, side, side};
    jobs->push_back(ReadJob{Enlarged(PenOf(span), planned.box, scale), frame});
    const SegPen closed = ClosedPenOf(span);
    if (!closed.empty()) jobs->push_back(ReadJob{Enlarged(closed, planned.box, scale), frame});
    planned.count = static_cast<int>(jobs->size() - planned.first);
    for (int i = 0; i < planned.count; ++i) Count(extra);
    return planned;
  }

  // The span's reading from its recognitions: the better distance of each candidate
  // counts when it was read closed up as well.
  const Evaluated& Finish(const PlannedSpan& planned, const std::vector<ZkResult>& results) {
    Evaluated e{};
    e.box = planned.box;
    if (planned.count == 0) {
      e.cost = kUntried;  // out of budget: the first guess is always cheaper
      return cache_.emplace(planned.span, e).first->second;
    }
    e.result = results[planned.first];
    for (int i = 1; i < planned.count; ++i) MergeResults(&e.result, results[planned.first + static_cast<size_t>(i)]);
    if (e.result.count < 1) {
      e.cost = kUnreadableCost;
    } else {
      e.code = e.result.entry[0].code;
      const double z = (e.result.entry[0].distance - kDistanceMean) / kDistanceDeviation;
      e.cost = std::clamp(z, -kUnreadableCost, kUnreadableCost);
      // A dot in the upper half of the row is part of a character (氵, 冫), no 、 or 。.
      if (IsLowMark(e.code) && 2 * (e.box.y + e.box.height / 2) < rowTop_ + rowBottom_) e.cost += settings_.highMarkCost;
    }
    return cache_.emplace(planned.span, e).first->second;
  }

  // The reading of a span; ReadAhead has read every span the search asks for, so a
  // span missing here is read on the spot (in the order asked, as the budget wants).
  const Evaluated& Evaluate(Span span, bool extra) {
    auto found = cache_.find(span);
    if (found != cache_.end()) return found->second;
    std::vector<ReadJob> jobs;
    const PlannedSpan planned = Plan(span, extra, &jobs);
    std::vector<ZkResult> results(jobs.size());
    for (size_t i = 0; i < jobs.size(); ++i) recognise_(jobs[i].pen, jobs[i].frame, &results[i]);
    return Finish(planned, results);
  }

  // Reads every span the search will look at, in the order it looks (which decides
  // what the budget leaves out), with the recognitions spread over settings.threads
  // threads. The first guess comes first, so that its calls are told apart from the
  // alternatives'.
  void ReadAhead(bool alternatives) {
    std::vector<std::pair<Span, bool>> order;  // span, and whether it is an alternative
    for (size_t a = 0; a + 1 < start_.size(); ++a) order.emplace_back(Span(start_[a], start_[a + 1]), false);
    FindCuts(alternatives);
    for (int b = 0; b + 1 < static_cast<int>(cuts_.size()); ++b)
      for (const Step& step : StepsFrom(b, alternatives)) order.emplace_back(step.span, !step.atom);
    std::vector<ReadJob> jobs;
    std::vector<PlannedSpan> planned;
    std::set<Span> seen;
    for (const auto& [span, extra] : order)
      if (!cache_.count(span) && seen.insert(span).second) planned.push_back(Plan(span, extra, &jobs));
    std::vector<ZkResult> results(jobs.size());
    ParallelFor(jobs.size(), settings_.threads,
                [&](size_t i) { recognise_(jobs[i].pen, jobs[i].frame, &results[i]); });
    for (const PlannedSpan& p : planned) Finish(p, results);
  }

  double Transition(uint16_t from, uint16_t to) const {
    if (!transition_ || from == 0 || to == 0) return 0;
    return settings_.transitionWeight * transition_(from, to);
  }

  // The places where a character may end: every frame character's end, and inside a
  // frame character as wide as splitMinWidth rows the places in writing order where
  // all strokes after lie right of all strokes before (less splitMinGap).
  void FindCuts(bool alternatives) {
    cuts_.clear();
    inner_.clear();
    for (size_t a = 0; a + 1 < start_.size(); ++a) {
      const Span atom(start_[a], start_[a + 1]);
      cuts_.push_back(atom.first);
      inner_.push_back(false);
      if (!alternatives || BoxOf(atom).width < settings_.splitMinWidth * rowHeight_) continue;
      for (int k = atom.first + 1; k < atom.second; ++k) {
        const Rect16 before = BoxOf(Span(atom.first, k)), after = BoxOf(Span(k, atom.second));
        if (after.x - (before.x + before.width) < settings_.splitMinGap * rowHeight_) continue;
        cuts_.push_back(k);
        inner_.push_back(true);
      }
    }
    cuts_.push_back(start_.back());
    inner_.push_back(false);
  }

  // The steps from cut b (FindCuts first): up to maxParts pieces, while the span
  // stays within one character's strokes and mergeMaxWidth row heights.
  std::vector<Step> StepsFrom(int b, bool alternatives) const {
    std::vector<Step> steps;
    const int last = static_cast<int>(cuts_.size()) - 1;
    const int maxParts = alternatives ? settings_.maxParts : 1;
    int merged = 0;  // frame characters' ends passed over
    for (int j = b + 1; j <= last && j <= b + maxParts; ++j) {
      if (j > b + 1 && !inner_[static_cast<size_t>(j - 1)]) ++merged;
      const Span span(cuts_[static_cast<size_t>(b)], cuts_[static_cast<size_t>(j)]);
      if (j > b + 1 &&
          (span.second - span.first > kMaxStrokes || BoxOf(span).width > settings_.mergeMaxWidth * rowHeight_))
        break;
      const bool atom = !inner_[static_cast<size_t>(b)] && !inner_[static_cast<size_t>(j)] && merged == 0;
      steps.push_back(Step{j, span, atom, merged});
    }
    return steps;
  }

  // The cheapest ways from no character to all of them, several per node.
  std::vector<Node> Search(bool alternatives, double splitCost) {
    FindCuts(alternatives);
    const size_t keep = static_cast<size_t>(std::max(1, settings_.readings));
    std::vector<Node> nodes{Node{0, Span(-1, -1), 0, {Way{0.0, -1, 0, 0}}}};
    std::map<std::pair<int, Span>, size_t> index;
    const int last = static_cast<int>(cuts_.size()) - 1;
    for (int b = 0; b < last; ++b) {
      const std::vector<Step> steps = StepsFrom(b, alternatives);
      for (size_t n = 0; n < nodes.size(); ++n) {
        if (nodes[n].cut != b) continue;
        for (const Step& s : steps) {
          const int j = s.to;
          const Span span = s.span;
          const Evaluated& e = Evaluate(span, !s.atom);
          const double step = e.cost + Transition(nodes[n].code, e.code) + settings_.mergeCost * s.merged +
                              (inner_[static_cast<size_t>(j)] ? splitCost : 0.0);
          const auto key = std::make_pair(j, span);
          auto at = index.find(key);
          if (at == index.end()) {
            at = index.emplace(key, nodes.size()).first;
            nodes.push_back(Node{j, span, e.code, {}});
          }
          const std::vector<Way> from = nodes[n].ways;  // nodes may grow below
          std::vector<Way>& ways = nodes[at->second].ways;
          for (size_t r = 0; r < from.size(); ++r)
            ways.push_back(Way{from[r].cost + step, static_cast<int>(n), static_cast<int>(r), from[r].units + 1});
          std::stable_sort(ways.begin(), ways.end(), [](const Way& x, const Way& y) { return x.cost < y.cost; });
          if (ways.size() > keep) ways.resize(keep);
        }
      }
    }
    return nodes;
  }

  struct End {
    double cost;
    int node, rank, units;
  };

  // The ways that reach the end, cheapest first (the start alone when there is no
  // character at all).
  std::vector<End> Ends(const std::vector<Node>& nodes) const {
    const int last = static_cast<int>(cuts_.size()) - 1;
    std::vector<End> ends;
    for (size_t n = 1; n < nodes.size(); ++n)
      if (nodes[n].cut == last)
        for (size_t r = 0; r < nodes[n].ways.size(); ++r) {
          const Way& w = nodes[n].ways[r];
          ends.push_back(End{w.cost, static_cast<int>(n), static_cast<int>(r), w.units});
        }
    std::stable_sort(ends.begin(), ends.end(), [](const End& x, const End& y) { return x.cost < y.cost; });
    if (ends.empty()) ends.push_back(End{0.0, 0, 0, 0});
    return ends;
  }

  std::vector<SegReading> Readings(const std::vector<Node>& nodes) {
    std::vector<SegReading> readings;
    for (const End& end : Ends(nodes)) {
      if (readings.size() >= static_cast<size_t>(std::max(1, settings_.readings))) break;
      if (!readings.empty() && end.units > kSegMaxUnits) continue;
      std::vector<Span> spans;
      for (int n = end.node, r = end.rank; n > 0;) {
        const Way& w = nodes[static_cast<size_t>(n)].ways[static_cast<size_t>(r)];
        spans.push_back(nodes[static_cast<size_t>(n)].last);
        n = w.previous;
        r = w.rank;
      }
      std::reverse(spans.begin(), spans.end());
      readings.push_back(SegReading{Units(spans, readings.empty()), end.cost});
    }
    return readings;
  }

  // The units of spans; the first reading's merges and splits go into the stats.
  std::vector<SegUnit> Units(const std::vector<Span>& spans, bool counted) {
    std::vector<SegUnit> units;
    for (const Span& span : spans) {
      const Evaluated& e = Evaluate(span, true);
      units.push_back(SegUnit{PenOf(span), e.box, e.result});
      if (!stats_ || !counted) continue;
      const auto isStart = [&](int stroke) { return std::count(start_.begin(), start_.end(), stroke) > 0; };
      if (!isStart(span.second)) ++stats_->splits;
      for (int k = span.first + 1; k < span.second; ++k) stats_->merges += isStart(k);
    }
    return units;
  }

  const std::vector<SegPen>& atoms_;
  const SegRecogniser& recognise_;
  const SegTransition& transition_;
  const SegmentSettings& settings_;
  SegmentStats* stats_;
  std::vector<RowStroke> strokes_;
  std::vector<int> start_;  // first stroke of each frame character, then the total
  std::vector<int> cuts_;   // strokes where a character may begin, then the total
  std::vector<bool> inner_; // per cut: inside a frame character
  int rowHeight_ = 1;
  int extraCalls_ = 0;
  int rowTop_ = 32767, rowBottom_ = -32768;
  std::map<Span, Evaluated> cache_;
};

}  // namespace

std::vector<SegReading> SegmentRowReadings(const std::vector<SegPen>& atoms, const SegRecogniser& recognise,
                                           const SegTransition& transition, const SegmentSettings& settings,
                                           SegmentStats* stats) {
  RowSegmenter segmenter(atoms, recognise, transition, settings, stats);
  return segmenter.Run();
}

std::vector<SegUnit> SegmentRow(const std::vector<SegPen>& atoms, const SegRecogniser& recognise,
                                const SegTransition& transition, const SegmentSettings& settings,
                                SegmentStats* stats) {
  SegmentSettings one = settings;
  one.readings = 1;
  return SegmentRowReadings(atoms, recognise, transition, one, stats).front().units;
}
