// Joint, crossing and side tests on input segments. Everything is integer except the
// intersection of two slanted lines, which is rounded half away from zero.
#include "ruiji_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool Near(RuijiPoint a, RuijiPoint b) {
  return std::abs(a.x - b.x) < kJointTolerance && std::abs(a.y - b.y) < kJointTolerance;
}

bool InBox(RuijiPoint p, RuijiPoint s0, RuijiPoint s1) {
  return p.x >= std::min(s0.x, s1.x) && p.x <= std::max(s0.x, s1.x) && p.y >= std::min(s0.y, s1.y) &&
         p.y <= std::max(s0.y, s1.y);
}

// Far intersections of nearly parallel lines are clamped: no box or tolerance of the
// checks reaches this far, and the conversion back to int stays defined.
int RoundCoordinate(double v) {
  constexpr double kFar = 1.0e6;
  if (!(v > -kFar)) v = -kFar;  // also catches NaN
  if (v > kFar) v = kFar;
  return static_cast<int>(std::lround(v));
}

// Line through s0 and s1 that is neither horizontal nor vertical: y = m * x + c.
struct SlantedLine {
  double m, c;
  int xExtent;
};

SlantedLine LineThrough(RuijiPoint s0, RuijiPoint s1) {
  const double m = static_cast<double>(s1.y - s0.y) / static_cast<double>(s1.x - s0.x);
  return SlantedLine{m, s0.y - m * s0.x, std::abs(s1.x - s0.x)};
}

int Sign(long v) { return (v > 0) - (v < 0); }

// Height of the line through l0 and l1 (not vertical) at x.
long LineYAt(RuijiPoint l0, RuijiPoint l1, int x) {
  return l0.y + RoundDivide(static_cast<long>(x - l0.x) * (l1.y - l0.y), l1.x - l0.x);
}

}  // namespace

int PointDistance(RuijiPoint a, RuijiPoint b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

long RoundDivide(long num, long den) {
  const long n = std::labs(num), d = std::labs(den);
  long q = n / d;
  if (2 * (n % d) >= d) ++q;
  return (num < 0) != (den < 0) ? -q : q;
}

int ZkCheckConnectL(const KusabiSegment& a, const KusabiSegment& b) {
  if (Near(SegStart(a), SegStart(b))) return kJointStarts;
  if (Near(SegEnd(a), SegEnd(b))) return kJointEnds;
  if (Near(SegStart(a), SegEnd(b))) return kJointStartEnd;
  if (Near(SegEnd(a), SegStart(b))) return kJointEndStart;
  return kJointNone;
}

int ZkCheckConnectTX(RuijiPoint a0, RuijiPoint a1, RuijiPoint b0, RuijiPoint b1, RuijiPoint* point) {
  // A segment of no length counts as horizontal.
  const bool aHorizontal = a0.y == a1.y, bHorizontal = b0.y == b1.y;
  const bool aVertical = !aHorizontal && a0.x == a1.x, bVertical = !bHorizontal && b0.x == b1.x;
  if ((aHorizontal && bHorizontal) || (aVertical && bVertical)) return kCrossNone;
  RuijiPoint p{};
  if (aHorizontal && bVertical) {
    p = RuijiPoint{b0.x, a0.y};
  } else if (aVertical && bHorizontal) {
    p = RuijiPoint{a0.x, b0.y};
  } else if (aHorizontal || bHorizontal) {
    const RuijiPoint h = aHorizontal ? a0 : b0;
    const SlantedLine other = aHorizontal ? LineThrough(b0, b1) : LineThrough(a0, a1);
    p = RuijiPoint{RoundCoordinate((h.y - other.c) / other.m), h.y};
  } else if (aVertical || bVertical) {
    const RuijiPoint v = aVertical ? a0 : b0;
    const SlantedLine other = aVertical ? LineThrough(b0, b1) : LineThrough(a0, a1);
    p = RuijiPoint{v.x, RoundCoordinate(other.m * v.x + other.c)};
  } else {
    // Parallel when the direction vectors' cross product is 0 (exact, no rounding).
    const long cross = static_cast<long>(a1.x - a0.x) * (b1.y - b0.y) - static_cast<long>(a1.y - a0.y) * (b1.x - b0.x);
    if (cross == 0) return kCrossNone;
    const SlantedLine la = LineThrough(a0, a1), lb = LineThrough(b0, b1);
    const double x = (lb.c - la.c) / (la.m - lb.m);
    const SlantedLine& wider = lb.xExtent > la.xExtent ? lb : la;
    p = RuijiPoint{RoundCoordinate(x), RoundCoordinate(wider.m * x + wider.c)};
  }
  *point = p;
  const bool inA = InBox(p, a0, a1), inB = InBox(p, b0, b1);
  const int tolerance = inA && inB ? kCrossNearTolerance : kCrossFarTolerance;
  if (inA && PointDistance(p, b0) <= tolerance) return kCrossBStartsOnA;
  if (inA && PointDistance(p, b1) <= tolerance) return kCrossBEndsOnA;
  if (inB && PointDistance(p, a0) <= tolerance) return kCrossAStartsOnB;
  if (inB && PointDistance(p, a1) <= tolerance) return kCrossAEndsOnB;
  if (inA && inB) return kCrossBoth;
  return kCrossNone;
}

int ZkCheckPointIti(RuijiPoint l0, RuijiPoint l1, RuijiPoint p, RuijiPoint q) {
  int sideP, sideQ;
  if (l0.y == l1.y) {
    sideP = Sign(p.y - l0.y);
    sideQ = Sign(q.y - l0.y);
  } else if (l0.x == l1.x) {
    sideP = Sign(p.x - l0.x);
    sideQ = Sign(q.x - l0.x);
  } else {
    sideP = Sign(p.y - LineYAt(l0, l1, p.x));
    sideQ = Sign(q.y - LineYAt(l0, l1, q.x));
  }
  return sideP * sideQ < 0 ? 1 : 0;
}

int ZkCheckPointUe(RuijiPoint l0, RuijiPoint l1, RuijiPoint p) {
  if (p.y <= std::min(l0.y, l1.y)) return 0;
  if (l0.y == l1.y) return p.y > l0.y ? 1 : 0;
  if (l0.x == l1.x) return 0;
  return LineYAt(l0, l1, p.x) < p.y ? 1 : 0;
}
