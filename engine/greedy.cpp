// The first correspondence pass of a comparison: every input segment, longest
// first, takes the nearest free pattern segment; unpaired segments are charged.
#include <algorithm>

#include "segdist.h"

const int16_t ZkMatchEarlyLimit[31] = {32767, 32767, 32767, 292, 291, 280, 269, 253, 230, 217, 207,
                                       196,   185,   175,   168, 168, 159, 155, 150, 144, 139, 147,
                                       149,   128,   137,   131, 126, 122, 117, 113, 109};

namespace {

// A pairing farther than this (position distance) is no pairing.
constexpr int kPairingLimit = 57;

int16_t Add16(int16_t a, int b) { return static_cast<int16_t>(a + b); }

int SegmentsOf(const KusabiPattern* p) { return std::clamp<int>(p->segments, 0, kMaxSegments); }

}  // namespace

int GreedySegmentMatch(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                       const int16_t* inLen, const int16_t* patLen, SegmentCorrespondence* corr,
                       int16_t inTotal, int16_t patTotal) {
  const int nIn = SegmentsOf(input), nPat = SegmentsOf(pattern);
  const int16_t earlyLimit = ZkMatchEarlyLimit[std::min<int>(pattern->strokes, 30)];
  int count = 0;
  for (int r = 0; r < nIn; ++r) {
    const int i = static_cast<int8_t>(input->order[r] & 0xFF);
    if (i < 0 || i >= nIn) continue;
    const KusabiSegment& in = input->segment[i];
    int best = kPairingLimit, bestShape = kPairingLimit, bestJ = -1;
    for (int j = 0; j < nPat; ++j) {
      if (corr->patFirst[j] != kUnpaired) continue;
      const int d = SegmentEndpointDistance(in, pattern->segment[j]);
      if (d >= best) continue;  // ties keep the lower index
      const int s = SegmentVectorDistance(in, pattern->segment[j]);
      if (d + s < 2 * (inLen[i] + patLen[j])) {
        best = d;
        bestShape = s;
        bestJ = j;
      }
    }
    if (bestJ >= 0) {
      corr->inFirst[i] = corr->inLast[i] = static_cast<uint8_t>(bestJ);
      corr->patFirst[bestJ] = corr->patLast[bestJ] = static_cast<uint8_t>(i);
      corr->groupPos[bestJ] = static_cast<uint16_t>(best);
      corr->groupShape[bestJ] = static_cast<uint16_t>(bestShape);
      score->posSum = Add16(score->posSum, best);
      score->shapeSum = Add16(score->shapeSum, bestShape);
      ++count;
    } else {
      score->inputOmission = Add16(score->inputOmission, 2 * inLen[i]);
    }
    if (score->inputOmission >= inTotal) return 0;
    if (count == 3) {
      // Checked once, right after the third pairing.
      if (score->posSum + score->shapeSum > earlyLimit) return 0;
      count = 100;
    }
  }
  for (int j = 0; j < nPat; ++j) {
    if (corr->patFirst[j] != kUnpaired) continue;
    score->patternOmission = Add16(score->patternOmission, 2 * patLen[j]);
    if (score->patternOmission >= patTotal) return 0;
  }
  score->total = static_cast<int16_t>(score->extra + score->posSum + score->shapeSum + score->inputOmission +
                                      score->patternOmission);
  return 1;
}
