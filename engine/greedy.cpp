// The first correspondence pass of a comparison: every input segment, longest
// first, takes the nearest free pattern segment; unpaired segments are charged.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "patscan.h"
#include "segdist.h"

const int16_t ZkMatchEarlyLimit[31] = {32767, 32767, 32767, 292, 291, 280, 269, 253, 230, 217, 207,
                                       196,   185,   175,   168, 168, 159, 155, 150, 144, 139, 147,
                                       149,   128,   137,   131, 126, 122, 117, 113, 109};

namespace {

// A pairing farther than this (position distance) is no pairing.
constexpr int kPairingLimit = 57;

int16_t Add16(int16_t a, int b) { return static_cast<int16_t>(a + b); }

int SegmentsOf(const KusabiPattern* p) { return std::clamp<int>(p->segments, 0, kMaxSegments); }

// The exact search, in index order: among the free pattern segments closer than the
// limit that pass the shape test d + s < 2 (lengths), the nearest, the lower index
// on ties; a candidate failing the shape test does not lower the bar for the ones
// after it. -1 when there is none; *d and *s receive the pair's distances.
int SequentialNearest(const KusabiSegment& in, int inLen, const PatternScan& pat, const int16_t* mask, int* d,
                      int* s) {
  int best = kPairingLimit, bestJ = -1;
  for (int j = 0; j < pat.segments; ++j) {
    if (mask[j] != 0) continue;
    const KusabiSegment p = ScanSegment(pat, j);
    const int dj = SegmentEndpointDistance(in, p);
    if (dj >= best) continue;
    const int sj = SegmentVectorDistance(in, p);
    if (dj + sj < 2 * (inLen + pat.length[j])) {
      best = dj;
      *s = sj;
      bestJ = j;
    }
  }
  if (bestJ >= 0) *d = best;
  return bestJ;
}

// The same search on the pattern's blocks, used while every coordinate lies within
// +-kScanNarrowLimit; a paired segment and the padding after the last one are
// masked to 32767.
constexpr int16_t kMasked = 0x7FFF;

bool Narrow(int v) { return v >= -kScanNarrowLimit && v <= kScanNarrowLimit; }
bool Narrow(const KusabiSegment& g) { return Narrow(g.x0) && Narrow(g.y0) && Narrow(g.x1) && Narrow(g.y1); }

int NearestFreeSegment(const PatternScan& pat, const int16_t* mask, const KusabiSegment& in, int inLen, int* d,
                       int* s) {
  if (!pat.narrow || !Narrow(in)) return SequentialNearest(in, inLen, pat, mask, d, s);
  int16_t dist[kScanSlots];
  int16_t lowest[kScanLanes];
  for (int k = 0; k < kScanLanes; ++k) lowest[k] = kMasked;
  const int16_t ix0 = in.x0, iy0 = in.y0, ix1 = in.x1, iy1 = in.y1;
  auto abs16 = [](int v) { return static_cast<int16_t>(v < 0 ? -v : v); };
  for (int b = 0; b < pat.blocks; ++b) {
    for (int k = 0; k < kScanLanes; ++k) {
      const int j = b * kScanLanes + k;
      const int16_t dj = static_cast<int16_t>(
          static_cast<int16_t>(abs16(static_cast<int16_t>(ix0 - pat.x0[j])) + abs16(static_cast<int16_t>(iy0 - pat.y0[j])) +
                               abs16(static_cast<int16_t>(ix1 - pat.x1[j])) + abs16(static_cast<int16_t>(iy1 - pat.y1[j]))) |
          mask[j]);
      dist[j] = dj;
      lowest[k] = std::min(lowest[k], dj);
    }
  }
  int16_t nearest = lowest[0];
  for (int k = 1; k < kScanLanes; ++k) nearest = std::min(nearest, lowest[k]);
  if (nearest >= kPairingLimit) return -1;
  int nearestJ = 0;
  while (dist[nearestJ] != nearest) ++nearestJ;
  // Usually the nearest free segment passes the shape test and is the answer.
  const int sj = SegmentVectorDistance(in, ScanSegment(pat, nearestJ));
  if (nearest + sj < 2 * (inLen + pat.length[nearestJ])) {
    *d = nearest;
    *s = sj;
    return nearestJ;
  }
  // Otherwise the search in index order, on the distances already at hand.
  int best = kPairingLimit, bestJ = -1;
  for (int j = 0; j < pat.segments; ++j) {
    if (dist[j] >= best) continue;
    const int sj2 = SegmentVectorDistance(in, ScanSegment(pat, j));
    if (dist[j] + sj2 < 2 * (inLen + pat.length[j])) {
      best = dist[j];
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
  std::vector<int16_t> store;
  PatternScan pat = ScanAt(store, AppendPatternScan(pattern->segment, SegmentsOf(pattern), patLen, &store));
  pat.total = patTotal;
  return GreedyScanMatchBelow(input, pat, pattern->strokes, score, inLen, corr, inTotal, bound);
}

int GreedyScanMatchBelow(const KusabiPattern* input, const PatternScan& pat, int patternStrokes, MatchScore* score,
                         const int16_t* inLen, SegmentCorrespondence* corr, int16_t inTotal, int bound) {
  const int nIn = SegmentsOf(input), nPat = pat.segments;
  const int16_t* patLen = pat.length;
  const int16_t patTotal = pat.total;
  const int16_t earlyLimit = ZkMatchEarlyLimit[std::clamp(patternStrokes, 0, 30)];
  int16_t mask[kScanSlots];
  for (int j = 0; j < pat.blocks * kScanLanes; ++j) mask[j] = j < nPat && corr->patFirst[j] == kUnpaired ? 0 : kMasked;
  int count = 0;
  int charged = 0;  // posSum + shapeSum + inputOmission, without 16-bit wrapping
  // Lengths of the input segments still to come and of the free pattern segments.
  // Whatever happens to them adds at least |rest - free|: a pair adds at least the
  // difference of its lengths, a leftover twice its length.
  int rest = 0, free = 0;
  for (int i = 0; i < nIn; ++i) rest += inLen[i];
  for (int j = 0; j < nPat; ++j) free += mask[j] == 0 ? patLen[j] : 0;
  if (std::abs(rest - free) >= bound) return 0;
  for (int r = 0; r < nIn; ++r) {
    const int i = static_cast<int8_t>(input->order[r] & 0xFF);
    if (i < 0 || i >= nIn) continue;
    const KusabiSegment& in = input->segment[i];
    rest -= inLen[i];
    int best = kPairingLimit, bestShape = kPairingLimit;
    const int bestJ = NearestFreeSegment(pat, mask, in, inLen[i], &best, &bestShape);
    if (bestJ >= 0) {
      mask[bestJ] = kMasked;
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
