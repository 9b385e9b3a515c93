// Hand-made comparisons for the refinement and loop tests: shapes from polylines and
// a correspondence set up the way the greedy pass leaves it.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "segdist.h"
#include "types.h"

using Polyline = std::initializer_list<std::pair<int, int>>;

// One stroke per polyline; consecutive points make the segments.
inline KusabiPattern Shape(std::initializer_list<Polyline> strokes) {
  KusabiPattern p = {};
  for (const auto& stroke : strokes) {
    const std::pair<int, int>* prev = nullptr;
    for (const auto& point : stroke) {
      if (prev != nullptr) {
        p.segment[p.segments++] = {static_cast<int16_t>(prev->first), static_cast<int16_t>(prev->second),
                                   static_cast<int16_t>(point.first), static_cast<int16_t>(point.second)};
      }
      prev = &point;
    }
    ++p.strokes;
  }
  return p;
}

struct Comparison {
  KusabiPattern input;
  KusabiPattern pattern;
  int16_t inLen[kMaxSegments] = {};
  int16_t patLen[kMaxSegments] = {};
  MatchScore score = {};
  SegmentCorrespondence corr = {};

  Comparison(const KusabiPattern& in, const KusabiPattern& pat) : input(in), pattern(pat) {
    for (int k = 0; k < input.segments; ++k) inLen[k] = SegmentLength(input.segment[k]);
    for (int k = 0; k < pattern.segments; ++k) patLen[k] = SegmentLength(pattern.segment[k]);
    for (int k = 0; k < kMaxSegments; ++k) {
      corr.inFirst[k] = corr.inLast[k] = corr.patFirst[k] = corr.patLast[k] = kUnpaired;
      corr.groupPos[k] = corr.groupShape[k] = kNoGroup;
    }
  }

  // Pairs input i with pattern p one to one, as the greedy pass does.
  Comparison& Pair(int i, int p) {
    const int d = SegmentEndpointDistance(input.segment[i], pattern.segment[p]);
    const int s = SegmentVectorDistance(input.segment[i], pattern.segment[p]);
    corr.inFirst[i] = corr.inLast[i] = static_cast<uint8_t>(p);
    corr.patFirst[p] = corr.patLast[p] = static_cast<uint8_t>(i);
    corr.groupPos[p] = static_cast<uint16_t>(d);
    corr.groupShape[p] = static_cast<uint16_t>(s);
    score.posSum = static_cast<int16_t>(score.posSum + d);
    score.shapeSum = static_cast<int16_t>(score.shapeSum + s);
    return *this;
  }

  // Twice the length of every segment left unpaired, and the total.
  Comparison& Omissions() {
    for (int i = 0; i < input.segments; ++i)
      if (corr.inFirst[i] == kUnpaired) score.inputOmission = static_cast<int16_t>(score.inputOmission + 2 * inLen[i]);
    for (int p = 0; p < pattern.segments; ++p)
      if (corr.patFirst[p] == kUnpaired)
        score.patternOmission = static_cast<int16_t>(score.patternOmission + 2 * patLen[p]);
    score.total = Total();
    return *this;
  }

  int Total() const {
    return static_cast<int16_t>(score.posSum + score.shapeSum + score.patternOmission + score.inputOmission +
                                score.extra);
  }

  template <typename Pass>
  Comparison& Run(Pass pass) {
    pass(&input, &pattern, &score, &corr, inLen, patLen);
    return *this;
  }
};

// Makes input first..last one group with pattern segment p (n:1), its distance by
// ChainDistance, as the refinement passes leave it.
inline void Group(Comparison& c, int first, int last, int p) {
  ChainResult r;
  ChainDistance(&c.input.segment[first], last - first + 1, &c.pattern.segment[p], 1, &r);
  for (int i = first; i <= last; ++i) c.corr.inFirst[i] = c.corr.inLast[i] = static_cast<uint8_t>(p);
  c.corr.patFirst[p] = static_cast<uint8_t>(first);
  c.corr.patLast[p] = static_cast<uint8_t>(last);
  c.corr.groupPos[p] = static_cast<uint16_t>(r.pos);
  c.corr.groupShape[p] = static_cast<uint16_t>(r.shape);
  c.score.posSum = static_cast<int16_t>(c.score.posSum + r.pos);
  c.score.shapeSum = static_cast<int16_t>(c.score.shapeSum + r.shape);
}
