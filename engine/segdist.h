// Distances between segments and between chains of segments, the stroke numbering
// of a shape's segments, and the first (greedy) correspondence pass.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "types.h"

// total = pos + shape, as returned by ChainDistance and the loop comparison.
struct ChainResult {
  int16_t total;
  int16_t pos;
  int16_t shape;
};

// City-block length of a segment.
inline int16_t SegmentLength(const KusabiSegment& s) {
  return static_cast<int16_t>(std::abs(s.x1 - s.x0) + std::abs(s.y1 - s.y0));
}

// Position distance of two segments: the city-block distances of their end points.
inline int16_t SegmentEndpointDistance(const KusabiSegment& a, const KusabiSegment& b) {
  return static_cast<int16_t>(std::abs(a.x0 - b.x0) + std::abs(a.y0 - b.y0) + std::abs(a.x1 - b.x1) +
                              std::abs(a.y1 - b.y1));
}

// Shape distance of two segments: the difference of their displacement vectors.
inline int16_t SegmentVectorDistance(const KusabiSegment& a, const KusabiSegment& b) {
  return static_cast<int16_t>(std::abs((a.x1 - a.x0) - (b.x1 - b.x0)) +
                              std::abs((a.y1 - a.y0) - (b.y1 - b.y0)));
}

// Pen stroke of each segment: map[0] = 0, and map[k] grows by one where segment k
// does not start at the end of segment k - 1.
inline void BuildStrokeMap(const KusabiPattern& shape, uint8_t* map) {
  const int n = shape.segments < 0 ? 0 : (shape.segments > kMaxSegments ? kMaxSegments : shape.segments);
  for (int k = 0; k < n; ++k) {
    if (k == 0) {
      map[0] = 0;
      continue;
    }
    const KusabiSegment& prev = shape.segment[k - 1];
    const KusabiSegment& cur = shape.segment[k];
    const uint16_t gap = static_cast<uint16_t>(std::abs(cur.x0 - prev.x1) + std::abs(cur.y0 - prev.y1));
    map[k] = static_cast<uint8_t>(map[k - 1] + (gap != 0 ? 1 : 0));
  }
}

// Chain distance of the run A[0..nA) against the run B[0..nB) (the input chain is
// passed first by the refinement passes). An empty chain, or one longer than 90
// segments, gives total 32767; distances beyond 16 bits stay at 32767.
void ChainDistance(const KusabiSegment* A, int nA, const KusabiSegment* B, int nB, ChainResult* out);

// The general case (nA > 1 and nB > 1): both chains re-divided at each other's
// relative vertex positions; writes out->pos and out->shape.
void ChainRedivide(const KusabiSegment* A, int nA, const KusabiSegment* B, int nB, ChainResult* out);

// Greedy pass limit on posSum + shapeSum after the third pairing, by the pattern's
// stroke count (1 and 2 strokes: no limit).
extern const int16_t ZkMatchEarlyLimit[31];

// Pairs input segments, longest first, with their nearest free pattern segments.
// Fills the correspondence and the score; 1 = go on, 0 = reject the pattern.
int GreedySegmentMatch(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                       const int16_t* inLen, const int16_t* patLen, SegmentCorrespondence* corr,
                       int16_t inTotal, int16_t patTotal);

// The same, also giving up (0) once the charges made so far reach `bound`: they
// only grow, so the pattern's total could not end below the bound.
int GreedySegmentMatchBelow(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                            const int16_t* inLen, const int16_t* patLen, SegmentCorrespondence* corr,
                            int16_t inTotal, int16_t patTotal, int bound);

// The same on a pattern's block copy (patscan.h), whose lengths and total it uses;
// the early limit is taken for a pattern of `patternStrokes` strokes.
struct PatternScan;
int GreedyScanMatchBelow(const KusabiPattern* input, const PatternScan& pattern, int patternStrokes,
                         MatchScore* score, const int16_t* inLen, SegmentCorrespondence* corr, int16_t inTotal,
                         int bound);
