// Geometric primitives of the look-alike checks: how two input segments meet (at
// their ends, crossing, one ending on the other) and where points lie against a line.
#pragma once

#include <cstdint>

#include "types.h"

struct RuijiPoint {
  int x, y;
};

inline RuijiPoint SegStart(const KusabiSegment& s) { return RuijiPoint{s.x0, s.y0}; }
inline RuijiPoint SegEnd(const KusabiSegment& s) { return RuijiPoint{s.x1, s.y1}; }

// City-block length of a segment, in int so that no coordinates overflow it.
inline int SegLength(const KusabiSegment& s) {
  const int dx = s.x1 - s.x0, dy = s.y1 - s.y0;
  return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
}

// City-block distance of two points.
int PointDistance(RuijiPoint a, RuijiPoint b);

// L-joint classes: which ends of A and B lie within 8 units of each other.
constexpr int kJointStarts = 10;       // A start - B start
constexpr int kJointEnds = 11;         // A end - B end
constexpr int kJointStartEnd = 12;     // A start - B end
constexpr int kJointEndStart = 13;     // A end - B start
constexpr int kJointNone = 19;
constexpr int kJointTolerance = 8;

// Crossing classes of two segments' lines.
constexpr int kCrossBoth = 20;         // the lines meet inside both segments
constexpr int kCrossBStartsOnA = 21;
constexpr int kCrossBEndsOnA = 22;
constexpr int kCrossAStartsOnB = 23;
constexpr int kCrossAEndsOnB = 24;
constexpr int kCrossNone = 29;
constexpr int kCrossNearTolerance = 7;   // the meeting point lies in both segments
constexpr int kCrossFarTolerance = 14;   // otherwise

// L-joint class of segments A and B (10 to 13, or 19).
int ZkCheckConnectL(const KusabiSegment& a, const KusabiSegment& b);

// Crossing class of segment A (a0 -> a1) and segment B (b0 -> b1); *point receives the
// intersection of the two lines (unchanged for parallel lines, class 29).
int ZkCheckConnectTX(RuijiPoint a0, RuijiPoint a1, RuijiPoint b0, RuijiPoint b1, RuijiPoint* point);

// 1 when p and q lie strictly on opposite sides of the line through l0 and l1.
int ZkCheckPointIti(RuijiPoint l0, RuijiPoint l1, RuijiPoint p, RuijiPoint q);

// 1 when p lies above the line through l0 and l1 (y grows upwards).
int ZkCheckPointUe(RuijiPoint l0, RuijiPoint l1, RuijiPoint p);

// Integer division rounded half away from zero (den != 0).
long RoundDivide(long num, long den);
