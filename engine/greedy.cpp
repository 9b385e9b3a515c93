// The first correspondence pass of a comparison: every input segment, longest
// first, takes the nearest free pattern segment; unpaired segments are charged.
#include <algorithm>
#include <cstdint>
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

// The exact search, in index order: among the free pattern segments closer than the
// limit that pass the shape test d + s < 2 (lengths), the nearest, the lower index
// on ties; a candidate failing the shape test does not lower the bar for the ones
// after it. -1 when there is none; *d and *s receive the pair's distances.
int SequentialNearest(const KusabiSegment& in, int inLen, const KusabiPattern* pattern, int nPat,
                      const int16_t* patLen, const SegmentCorrespondence* corr, int* d, int* s) {
  int best = kPairingLimit, bestJ = -1;
  for (int j = 0; j < nPat; ++j) {
    if (corr->patFirst[j] != kUnpaired) continue;
    const int dj = SegmentEndpointDistance(in, pattern->segment[j]);
    if (dj >= best) continue;
    const int sj = SegmentVectorDistance(in, pattern->segment[j]);
    if (dj + sj < 2 * (inLen + patLen[j])) {
      best = dj;
      *s = sj;
      bestJ = j;
    }
  }
  if (bestJ >= 0) *d = best;
  return bestJ;
}

// The same search over the pattern's end points laid out in 16-bit blocks of eight,
// which the compiler turns into vector code. It is used while every coordinate lies
// within +-kNarrowLimit, so that the sum of four differences stays below 32767; a
// paired segment and the padding after the last one are masked to 32767.
constexpr int kNarrowLimit = 4095;
constexpr int kLanes = 8;
constexpr int kScanSlots = (kMaxSegments + kLanes - 1) / kLanes * kLanes;
constexpr int16_t kMasked = 0x7FFF;

struct PatternScan {
  int16_t x0[kScanSlots], y0[kScanSlots], x1[kScanSlots], y1[kScanSlots];
  int16_t mask[kScanSlots];  // 0 free, kMasked paired or padding
  int blocks;
  bool narrow;  // all pattern coordinates within kNarrowLimit
};

bool Narrow(int v) { return v >= -kNarrowLimit && v <= kNarrowLimit; }
bool Narrow(const KusabiSegment& g) { return Narrow(g.x0) && Narrow(g.y0) && Narrow(g.x1) && Narrow(g.y1); }

void FillScan(const KusabiPattern* pattern, int nPat, const SegmentCorrespondence* corr, PatternScan* scan) {
  scan->blocks = (nPat + kLanes - 1) / kLanes;
  const int slots = scan->blocks * kLanes;
  for (int j = 0; j < slots; ++j) {
    const bool real = j < nPat;
    const KusabiSegment p = real ? pattern->segment[j] : KusabiSegment{0, 0, 0, 0};
    scan->x0[j] = p.x0, scan->y0[j] = p.y0, scan->x1[j] = p.x1, scan->y1[j] = p.y1;
    scan->mask[j] = real && corr->patFirst[j] == kUnpaired ? 0 : kMasked;
  }
  // One branch-free pass over the copied coordinates (the padding is 0) instead of a
  // test per segment: this runs for every compared pattern.
  int lo = 0, hi = 0;
  for (int j = 0; j < slots; ++j) {
    lo = std::min({lo, static_cast<int>(scan->x0[j]), static_cast<int>(scan->y0[j]), static_cast<int>(scan->x1[j]),
                   static_cast<int>(scan->y1[j])});
    hi = std::max({hi, static_cast<int>(scan->x0[j]), static_cast<int>(scan->y0[j]), static_cast<int>(scan->x1[j]),
                   static_cast<int>(scan->y1[j])});
  }
  scan->narrow = Narrow(lo) && Narrow(hi);
}

int NearestFreeSegment(const PatternScan& scan, const KusabiSegment& in, int inLen, const KusabiPattern* pattern,
                       int nPat, const int16_t* patLen, const SegmentCorrespondence* corr, int* d, int* s) {
  if (!scan.narrow || !Narrow(in)) return SequentialNearest(in, inLen, pattern, nPat, patLen, corr, d, s);
  int16_t dist[kScanSlots];
  int16_t lowest[kLanes];
  for (int k = 0; k < kLanes; ++k) lowest[k] = kMasked;
  const int16_t ix0 = in.x0, iy0 = in.y0, ix1 = in.x1, iy1 = in.y1;
  auto abs16 = [](int v) { return static_cast<int16_t>(v < 0 ? -v : v); };
  for (int b = 0; b < scan.blocks; ++b) {
    for (int k = 0; k < kLanes; ++k) {
      const int j = b * kLanes + k;
      const int16_t dj = static_cast<int16_t>(
          static_cast<int16_t>(abs16(static_cast<int16_t>(ix0 - scan.x0[j])) + abs16(static_cast<int16_t>(iy0 - scan.y0[j])) +
                               abs16(static_cast<int16_t>(ix1 - scan.x1[j])) + abs16(static_cast<int16_t>(iy1 - scan.y1[j]))) |
          scan.mask[j]);
      dist[j] = dj;
      lowest[k] = std::min(lowest[k], dj);
    }
  }
  int16_t nearest = lowest[0];
  for (int k = 1; k < kLanes; ++k) nearest = std::min(nearest, lowest[k]);
  if (nearest >= kPairingLimit) return -1;
  int nearestJ = 0;
  while (dist[nearestJ] != nearest) ++nearestJ;
  // Usually the nearest free segment passes the shape test and is the answer.
  const int sj = SegmentVectorDistance(in, pattern->segment[nearestJ]);
  if (nearest + sj < 2 * (inLen + patLen[nearestJ])) {
    *d = nearest;
    *s = sj;
    return nearestJ;
  }
  // Otherwise the search in index order, on the distances already at hand.
  int best = kPairingLimit, bestJ = -1;
  for (int j = 0; j < nPat; ++j) {
    if (dist[j] >= best) continue;
    const int sj2 = SegmentVectorDistance(in, pattern->segment[j]);
    if (dist[j] + sj2 < 2 * (inLen + patLen[j])) {
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
  const int nIn = SegmentsOf(input), nPat = SegmentsOf(pattern);
  const int16_t earlyLimit = ZkMatchEarlyLimit[std::min<int>(pattern->strokes, 30)];
  PatternScan scan;
  FillScan(pattern, nPat, corr, &scan);
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
    const int bestJ = NearestFreeSegment(scan, in, inLen[i], pattern, nPat, patLen, corr, &best, &bestShape);
    if (bestJ >= 0) {
      scan.mask[bestJ] = kMasked;
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
