// The coarse descriptor: each segment is sampled at four points along its length;
// every sample adds the segment's length to the bins of its cell and direction,
// shared between the nearest cells and the two nearest directions so that a small
// shift or turn of a stroke changes the descriptor only a little.
#include "coarse.h"

#include <algorithm>
#include <cstdlib>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr int kSamples = 4;
// Cells of kCellSize normalised units (the mean distance of the points from the
// centroid is 30), the grid centred on the centroid. A sample is shared between the
// two nearest cells across and down in proportion to its distance from their centres.
constexpr int kCellSize = 18;
constexpr int kWeightScale = 16;
constexpr int kLengthCap = 4095;

// Lower cell and the weight (of kWeightScale) of the upper one along one axis.
void Split(int v, int* cell, int* upperWeight) {
  // Position in cell units from the centre of cell 0.
  const int origin = kCoarseCells * kCellSize / 2 - kCellSize / 2;
  int pos = (v + origin) * kWeightScale / kCellSize;
  const int last = (kCoarseCells - 1) * kWeightScale;
  pos = std::clamp(pos, 0, last);
  *cell = std::min(pos / kWeightScale, kCoarseCells - 2);
  *upperWeight = pos - *cell * kWeightScale;
}

// Direction of a displacement in 16ths of an eighth of a turn (0 = +x, 128 = a
// full turn), from the ratio of the smaller to the larger component (close enough
// to the angle for sharing a segment between two direction bins).
int Angle(int dx, int dy) {
  const int ax = std::abs(dx), ay = std::abs(dy);
  const int within = ax >= ay ? (ay * kWeightScale) / ax : 2 * kWeightScale - (ax * kWeightScale) / ay;  // 0..32
  if (dx >= 0 && dy >= 0) return within;
  if (dx < 0 && dy >= 0) return 4 * kWeightScale - within;
  if (dx < 0) return 4 * kWeightScale + within;
  return (8 * kWeightScale - within) % (8 * kWeightScale);
}

}  // namespace

void CoarseDescriptor(const KusabiSegment* segments, int count, uint8_t* out) {
  int sums[kCoarseBins] = {};
  count = std::clamp(count, 0, kMaxSegments);
  for (int i = 0; i < count; ++i) {
    const KusabiSegment& g = segments[i];
    const int dx = g.x1 - g.x0, dy = g.y1 - g.y0;
    // Lengths are capped so that the sums stay within int even for wild input.
    const int length = std::min(std::abs(dx) + std::abs(dy), kLengthCap);
    if (length == 0) continue;
    const int angle = Angle(dx, dy);
    const int direction = angle / kWeightScale, upperDirection = (direction + 1) % kCoarseDirections;
    const int upperShare = angle % kWeightScale;
    for (int s = 0; s < kSamples; ++s) {
      // Sample points at 1/8, 3/8, 5/8 and 7/8 of the segment.
      const int x = g.x0 + dx * (2 * s + 1) / (2 * kSamples);
      const int y = g.y0 + dy * (2 * s + 1) / (2 * kSamples);
      int cx, wx, cy, wy;
      Split(x, &cx, &wx);
      Split(y, &cy, &wy);
      auto add = [&](int row, int col, int weight) {
        int* cell = &sums[(row * kCoarseCells + col) * kCoarseDirections];
        cell[direction] += length * weight * (kWeightScale - upperShare) / kWeightScale;
        cell[upperDirection] += length * weight * upperShare / kWeightScale;
      };
      add(cy, cx, (kWeightScale - wy) * (kWeightScale - wx));
      add(cy, cx + 1, (kWeightScale - wy) * wx);
      add(cy + 1, cx, wy * (kWeightScale - wx));
      add(cy + 1, cx + 1, wy * wx);
    }
  }
  // A segment hands out kSamples * kWeightScale^2 parts of its length; the bins
  // receive twice the length each.
  constexpr int kParts = kSamples * kWeightScale * kWeightScale / 2;
  for (int b = 0; b < kCoarseBins; ++b) out[b] = static_cast<uint8_t>(std::min(sums[b] / kParts, 255));
}

int CoarseDistance(const uint8_t* a, const uint8_t* b) {
  int sum = 0;
  int k = 0;
#ifdef __SSE2__
  // Sums of absolute byte differences, sixteen bytes at a time.
  __m128i acc = _mm_setzero_si128();
  for (; k + 16 <= kCoarseBins; k += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + k));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + k));
    acc = _mm_add_epi64(acc, _mm_sad_epu8(x, y));
  }
  sum = _mm_cvtsi128_si32(acc) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(acc, acc));
#endif
  for (; k < kCoarseBins; ++k) sum += std::abs(a[k] - b[k]);
  return sum;
}
