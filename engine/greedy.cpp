// The first correspondence pass of a comparison: every input segment, longest
// first, takes the nearest free pattern segment; unpaired segments are charged.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "segdist.h"

const int16_t ZkMatchEarlyLimit[31] = {32767, 32767, 32767, 292, 291, 280, 269, 253, 230, 217, 207,
                                       196,   185,   175,   168, 168, 159, 155, 150, 144, 139, 147,
                                       149,   128,   137,   131, 126, 122, 117, 113, 109};

namespace {

// A pairing farther than this (position distance) is no pairing.
constexpr int kPairingLimit = 57;

int16_t Add16(int16_t a, int b) { return static_cast<int16_t>(a + b); }

int SegmentsOf(const KusabiPattern* p) { return std::clamp<int>(p->segments, 0, kMaxSegments); }

// The pattern's segment end points laid out for a fast scan; a paired segment
// carries a distance penalty that keeps it from ever being the nearest.
constexpr int kTaken = 1 << 20;
struct PatternScan {
  int x0[kMaxSegments], y0[kMaxSegments], x1[kMaxSegments], y1[kMaxSegments];
  int taken[kMaxSegments];
};

// Pattern segment paired with input segment `in`: among the free segments closer
// than the limit that pass the shape test d + s < 2 (lengths), the nearest, the
// lower index on ties. -1 when there is none; *d and *s receive its distances.
int NearestFreeSegment(const PatternScan& scan, int nPat, const KusabiSegment& in, int inLen,
                       const KusabiPattern* pattern, const int16_t* patLen, const SegmentCorrespondence* corr,
                       int* d, int* s) {
  // Usually the nearest free segment passes the shape test and is the answer.
  int nearest = kTaken, nearestJ = -1;
  for (int j = 0; j < nPat; ++j) {
    const int dj = static_cast<int16_t>(std::abs(in.x0 - scan.x0[j]) + std::abs(in.y0 - scan.y0[j]) +
                                        std::abs(in.x1 - scan.x1[j]) + std::abs(in.y1 - scan.y1[j])) +
                   scan.taken[j];
    if (dj < nearest) {
      nearest = dj;
      nearestJ = j;
    }
  }
  if (nearestJ < 0 || nearest >= kPairingLimit) return -1;
  const int sj = SegmentVectorDistance(in, pattern->segment[nearestJ]);
  if (nearest + sj < 2 * (inLen + patLen[nearestJ])) {
    *d = nearest;
    *s = sj;
    return nearestJ;
  }
  // It fails the shape test: scan in index order, where a failing candidate does
  // not lower the bar for the ones after it.
  int best = kPairingLimit, bestJ = -1;
  for (int j = 0; j < nPat; ++j) {
    if (corr->patFirst[j] != kUnpaired) continue;
    const int dj = SegmentEndpointDistance(in, pattern->segment[j]);
    if (dj >= best) continue;  // ties keep the lower index
    const int sj2 = SegmentVectorDistance(in, pattern->segment[j]);
    if (dj + sj2 < 2 * (inLen + patLen[j])) {
      best = dj;
      *s = sj2;
      bestJ = j;
    }
  }
  if (bestJ >= 0) *d = best;
  return bestJ;
}

}  // namespace

int GreedySegmentMatch(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                       const int16_t* inLen, const int16_t* patLen, SegmentCorrespondence* corr,
                       int16_t inTotal, int16_t patTotal) {
  return GreedySegmentMatchBelow(input, pattern, score, inLen, patLen, corr, inTotal, patTotal,
                                 std::numeric_limits<int>::max());
}

int GreedySegmentMatchBelow(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                            const int16_t* inLen, const int16_t* patLen, SegmentCorrespondence* corr,
                            int16_t inTotal, int16_t patTotal, int bound) {
  const int nIn = SegmentsOf(input), nPat = SegmentsOf(pattern);
  const int16_t earlyLimit = ZkMatchEarlyLimit[std::min<int>(pattern->strokes, 30)];
  PatternScan scan;
  for (int j = 0; j < nPat; ++j) {
    const KusabiSegment& p = pattern->segment[j];
    scan.x0[j] = p.x0, scan.y0[j] = p.y0, scan.x1[j] = p.x1, scan.y1[j] = p.y1;
    scan.taken[j] = corr->patFirst[j] != kUnpaired ? kTaken : 0;
  }
  int count = 0;
  int charged = 0;  // posSum + shapeSum + inputOmission, without 16-bit wrapping
  // Lengths of the input segments still to come and of the free pattern segments.
  // Whatever happens to them adds at least |rest - free|: a pair adds at least the
  // difference of its lengths, a leftover twice its length.
  int rest = 0, free = 0;
  for (int i = 0; i < nIn; ++i) rest += inLen[i];
  for (int j = 0; j < nPat; ++j) free += corr->patFirst[j] == kUnpaired ? patLen[j] : 0;
  if (std::abs(rest - free) >= bound) return 0;
  for (int r = 0; r < nIn; ++r) {
    const int i = static_cast<int8_t>(input->order[r] & 0xFF);
    if (i < 0 || i >= nIn) continue;
    const KusabiSegment& in = input->segment[i];
    rest -= inLen[i];
    int best = kPairingLimit, bestShape = kPairingLimit;
    const int bestJ = NearestFreeSegment(scan, nPat, in, inLen[i], pattern, patLen, corr, &best, &bestShape);
    if (bestJ >= 0) {
      scan.taken[bestJ] = kTaken;
      free -= patLen[bestJ];
      corr->inFirst[i] = corr->inLast[i] = static_cast<uint8_t>(bestJ);
      corr->patFirst[bestJ] = corr->patLast[bestJ] = static_cast<uint8_t>(i);
      corr->groupPos[bestJ] = static_cast<uint16_t>(best);
      corr->groupShape[bestJ] = static_cast<uint16_t>(bestShape);
      score->posSum = Add16(score->posSum, best);
      score->shapeSum = Add16(score->shapeSum, bestShape);
      charged += best + bestShape;
      ++count;
    } else {
      score->inputOmission = Add16(score->inputOmission, 2 * inLen[i]);
      charged += 2 * inLen[i];
    }
    if (score->inputOmission >= inTotal || charged + std::abs(rest - free) >= bound) return 0;
    if (count == 3) {
      // Checked once, right after the third pairing.
      if (score->posSum + score->shapeSum > earlyLimit) return 0;
      count = 100;
    }
  }
  for (int j = 0; j < nPat; ++j) {
    if (corr->patFirst[j] != kUnpaired) continue;
    score->patternOmission = Add16(score->patternOmission, 2 * patLen[j]);
    charged += 2 * patLen[j];
    if (score->patternOmission >= patTotal || charged >= bound) return 0;
  }
  score->total = static_cast<int16_t>(score->extra + score->posSum + score->shapeSum + score->inputOmission +
                                      score->patternOmission);
  return 1;
}
