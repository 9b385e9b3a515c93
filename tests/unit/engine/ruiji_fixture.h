// Hand-made inputs for the look-alike tests: an input pattern drawn as polylines and
// candidates whose stored pattern and correspondence the test chooses.
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <vector>

#include "ruiji_context.h"
#include "types.h"

using Polyline = std::vector<RuijiPoint>;
using Drawing = std::vector<Polyline>;

// Segments of the polylines in order; y grows upwards as in normalised patterns.
inline KusabiPattern PatternOf(const Drawing& drawing) {
  KusabiPattern p{};
  int n = 0;
  for (const Polyline& line : drawing) {
    for (size_t i = 0; i + 1 < line.size() && n < kMaxSegments; ++i, ++n) {
      p.segment[n] = KusabiSegment{static_cast<int16_t>(line[i].x), static_cast<int16_t>(line[i].y),
                                   static_cast<int16_t>(line[i + 1].x), static_cast<int16_t>(line[i + 1].y)};
      p.order[n] = p.index[n] = static_cast<uint16_t>(n);
    }
  }
  p.strokes = static_cast<uint16_t>(drawing.size());
  p.segments = static_cast<int16_t>(n);
  return p;
}

// A dictionary record: code, segment count, then x0, y0, x1, y1 as signed bytes.
inline std::vector<uint8_t> RecordOf(uint16_t code, const KusabiPattern& p) {
  std::vector<uint8_t> r{static_cast<uint8_t>(code & 0xFF), static_cast<uint8_t>(code >> 8),
                         static_cast<uint8_t>(p.segments & 0xFF), static_cast<uint8_t>(p.segments >> 8)};
  for (int i = 0; i < p.segments; ++i) {
    for (int v : {p.segment[i].x0, p.segment[i].y0, p.segment[i].x1, p.segment[i].y1})
      r.push_back(static_cast<uint8_t>(static_cast<int8_t>(v)));
  }
  return r;
}

inline KohoSlot EmptySlot() {
  KohoSlot s{};
  s.distance = kAbsentDistance;
  s.code = kEmptyCode;
  return s;
}

class RuijiFixture {
 public:
  RuijiFixture() {
    for (KohoSlot& s : list) s = EmptySlot();
  }

  void SetInput(const Drawing& drawing) { input = PatternOf(drawing); }

  // Adds a candidate at the next rank with the given stored pattern; unless told
  // otherwise its segment k is paired with input segment k.
  KohoSlot& Add(uint16_t code, const Drawing& drawing, bool pairIdentity = true) {
    return AddRaw(code, PatternOf(drawing), pairIdentity);
  }

  // Adds a candidate whose stored pattern is the input itself.
  KohoSlot& AddLikeInput(uint16_t code) { return AddRaw(code, input, true); }

  KohoSlot& AddRaw(uint16_t code, const KusabiPattern& p, bool pairIdentity) {
    records_.push_back(RecordOf(code, p));
    KohoSlot& s = list[size_];
    s = EmptySlot();
    s.distance = static_cast<int16_t>(100 + size_);  // a near tie, as look-alikes are
    s.code = code;
    s.patternStrokes = p.strokes;
    s.patternSegments = static_cast<uint16_t>(p.segments);
    s.dicKind = 1;
    s.pattern = records_.back().data();
    Unpair(&s);
    if (pairIdentity)
      for (int k = 0; k < p.segments; ++k) Pair(&s, k, k, k);
    ++size_;
    return s;
  }

  static void Unpair(KohoSlot* s) {
    for (int k = 0; k < kMaxSegments; ++k) {
      s->corr.inFirst[k] = s->corr.inLast[k] = kUnpaired;
      s->corr.patFirst[k] = s->corr.patLast[k] = kUnpaired;
      s->corr.groupPos[k] = s->corr.groupShape[k] = kNoGroup;
    }
  }

  // Pattern segment p matched to input segments first..last.
  static void Pair(KohoSlot* s, int p, int first, int last) {
    s->corr.patFirst[p] = static_cast<uint8_t>(first);
    s->corr.patLast[p] = static_cast<uint8_t>(last);
    for (int k = first; k <= last; ++k) s->corr.inFirst[k] = s->corr.inLast[k] = static_cast<uint8_t>(p);
  }

  KusabiPattern input{};
  KohoSlot list[kKohoSlots];
  std::vector<uint16_t> pen;  // pen data for the curl tests; empty = none

 private:
  std::deque<std::vector<uint8_t>> records_;
  int size_ = 0;
};
