// Chain distances: a run of consecutive segments of one shape against a run of the
// other, by proportional pieces or by re-dividing both chains at common points.
#include <cstdint>
#include <cstdlib>

#include "segdist.h"

namespace {

// Two 90-segment chains re-divide into at most 179 sub-segments (180 vertices).
constexpr int kMaxChainVertices = 2 * kMaxSegments;

struct Point {
  int x, y;
};

// Distances beyond the 16-bit range (far-apart long chains) stay at the absent
// distance instead of wrapping round to small or negative values.
int16_t Saturated(int64_t value) { return static_cast<int16_t>(value > kAbsentDistance ? kAbsentDistance : value); }

int CityBlock(Point a, Point b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

int Length(const KusabiSegment& s) { return std::abs(s.x1 - s.x0) + std::abs(s.y1 - s.y0); }

// The single segment `one` cut into pieces in proportion to the lengths of `chain`,
// each piece compared with the chain segment it stands for (shape part only).
int64_t ProportionalShape(const KusabiSegment& one, const KusabiSegment* chain, int n) {
  int64_t total = 0;
  for (int j = 0; j < n; ++j) total += Length(chain[j]);
  const int64_t dx = one.x1 - one.x0, dy = one.y1 - one.y0;
  int64_t shape = 0;
  for (int j = 0; j < n; ++j) {
    const int l = Length(chain[j]);
    int px = 0, py = 0;
    if (l != 0) {  // total >= l > 0 here
      px = static_cast<int8_t>(dx * l / total);
      py = static_cast<int8_t>(dy * l / total);
    }
    shape += std::abs(px - (chain[j].x1 - chain[j].x0)) + std::abs(py - (chain[j].y1 - chain[j].y0));
  }
  return shape;
}

// Vertices of chain S divided additionally at the points matching the interior
// vertices of the other chain (lengths lenO, total LO); lenS holds S's lengths
// (0 counted as 1) and LS their total. Writes nS + nO vertices; flag[k] = 1 when
// vertex k is a vertex of S itself, 0 when it was inserted.
int Redivide(const KusabiSegment* S, int nS, const int* lenS, int64_t LS, const int* lenO, int nO, int64_t LO,
             Point* vertex, uint8_t* flag) {
  int count = 0;
  auto append = [&](int x, int y, uint8_t own) {
    if (count >= kMaxChainVertices) return;  // unreachable for chains of 90 or fewer
    vertex[count] = Point{x, y};
    flag[count] = own;
    ++count;
  };
  append(S[0].x0, S[0].y0, 1);
  int64_t cumO = 0, cumS = 0;
  int j = 0;
  for (int i = 0; i < nO - 1; ++i) {
    cumO += lenO[i];
    const int64_t target = cumO * LS / LO;  // below LS, so j stays within S
    while (j < nS - 1 && lenS[j] + cumS < target) {
      cumS += lenS[j];
      append(S[j].x1, S[j].y1, 1);
      ++j;
    }
    const int64_t rem = target - cumS;
    const int64_t dx = S[j].x1 - S[j].x0, dy = S[j].y1 - S[j].y0;
    append(static_cast<int16_t>(S[j].x0 + dx * rem / lenS[j]), static_cast<int16_t>(S[j].y0 + dy * rem / lenS[j]), 0);
  }
  for (; j < nS - 1; ++j) append(S[j].x1, S[j].y1, 1);
  append(S[nS - 1].x1, S[nS - 1].y1, 1);
  return count;
}

int64_t LengthsAtLeastOne(const KusabiSegment* chain, int n, int* len) {
  int64_t sum = 0;
  for (int k = 0; k < n; ++k) {
    len[k] = Length(chain[k]);
    if (len[k] == 0) len[k] = 1;
    sum += len[k];
  }
  return sum;
}

}  // namespace

void ChainRedivide(const KusabiSegment* A, int nA, const KusabiSegment* B, int nB, ChainResult* out) {
  if (nA < 2 || nB < 2 || nA > kMaxSegments || nB > kMaxSegments) {
    out->pos = kAbsentDistance;
    out->shape = 0;
    return;
  }
  int lenA[kMaxSegments], lenB[kMaxSegments];
  const int64_t LA = LengthsAtLeastOne(A, nA, lenA);
  const int64_t LB = LengthsAtLeastOne(B, nB, lenB);

  Point vertexA[kMaxChainVertices], vertexB[kMaxChainVertices];
  uint8_t ownA[kMaxChainVertices], ownB[kMaxChainVertices];
  const int countB = Redivide(B, nB, lenB, LB, lenA, nA, LA, vertexB, ownB);
  const int countA = Redivide(A, nA, lenA, LA, lenB, nB, LB, vertexA, ownA);
  const int subSegments = (countA < countB ? countA : countB) - 1;  // nA + nB - 1

  int64_t pos = CityBlock(vertexA[0], vertexB[0]) + CityBlock(vertexA[countA - 1], vertexB[countB - 1]);
  int64_t shape = 0;
  for (int k = 0; k < subSegments; ++k) {
    // Sub-segment k ends at vertex k + 1; where that is a vertex of A, the start
    // points of the two sub-segments are compared (twice weighted).
    if (k < subSegments - 1 && ownA[k + 1] == 1) pos += 2 * CityBlock(vertexA[k], vertexB[k]);
    shape += std::abs((vertexA[k + 1].x - vertexA[k].x) - (vertexB[k + 1].x - vertexB[k].x)) +
             std::abs((vertexA[k + 1].y - vertexA[k].y) - (vertexB[k + 1].y - vertexB[k].y));
  }
  out->pos = Saturated(pos);
  out->shape = Saturated(shape);
}

void ChainDistance(const KusabiSegment* A, int nA, const KusabiSegment* B, int nB, ChainResult* out) {
  if (nA < 1 || nB < 1) {
    out->pos = kAbsentDistance;
    out->shape = 0;
  } else if (nA == 1 && nB == 1) {
    out->pos = Saturated(static_cast<int64_t>(std::abs(A[0].x0 - B[0].x0)) + std::abs(A[0].y0 - B[0].y0) +
                         std::abs(A[0].x1 - B[0].x1) + std::abs(A[0].y1 - B[0].y1));
    out->shape = Saturated(static_cast<int64_t>(std::abs((A[0].x1 - A[0].x0) - (B[0].x1 - B[0].x0))) +
                           std::abs((A[0].y1 - A[0].y0) - (B[0].y1 - B[0].y0)));
  } else if (nA == 1) {
    out->pos = Saturated(std::abs(A[0].x0 - B[0].x0) + std::abs(A[0].y0 - B[0].y0) + std::abs(A[0].x1 - B[nB - 1].x1) +
                         std::abs(A[0].y1 - B[nB - 1].y1));
    out->shape = Saturated(ProportionalShape(A[0], B, nB));
  } else if (nB == 1) {
    out->pos = Saturated(std::abs(A[0].x0 - B[0].x0) + std::abs(A[0].y0 - B[0].y0) + std::abs(A[nA - 1].x1 - B[0].x1) +
                         std::abs(A[nA - 1].y1 - B[0].y1));
    out->shape = Saturated(ProportionalShape(B[0], A, nA));
  } else {
    ChainRedivide(A, nA, B, nB, out);
  }
  out->total = Saturated(out->pos + out->shape);
}
