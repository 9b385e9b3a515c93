// How two dictionary strokes were written against each other in the input: joined at
// their ends, crossing, touching, one ending on the other, or meeting along it.
#include "ruiji_joints.h"

namespace {

// The segments of two strokes' runs as the pairwise tests see them.
struct PairView {
  const KusabiSegment& a;
  const KusabiSegment& b;
  const KusabiSegment* aNext;  // successor in A's run, or null
  const KusabiSegment* bNext;
};

PairView View(RuijiContext& ctx, const InputRun& ra, int i, const InputRun& rb, int j) {
  return PairView{ctx.InputSegment(ra.seg[i]), ctx.InputSegment(rb.seg[j]),
                  i + 1 < ra.count ? &ctx.InputSegment(ra.seg[i + 1]) : nullptr,
                  j + 1 < rb.count ? &ctx.InputSegment(rb.seg[j + 1]) : nullptr};
}

// Start of s and end of its successor lie on opposite sides of line's line.
bool Straddles(const KusabiSegment& line, const KusabiSegment& s, const KusabiSegment& next) {
  return ZkCheckPointIti(SegStart(line), SegEnd(line), SegStart(s), SegEnd(next)) == 1;
}

// Both strokes pass through each other at a shared end: each straddles the other's line.
bool DoubleStraddle(const PairView& v) {
  return Straddles(v.a, v.b, *v.bNext) && Straddles(v.b, v.a, *v.aNext);
}

int CrossClass(const KusabiSegment& a, const KusabiSegment& b, RuijiPoint* point) {
  return ZkCheckConnectTX(SegStart(a), SegEnd(a), SegStart(b), SegEnd(b), point);
}

KusabiSegment Chord(RuijiContext& ctx, const InputRun& run) {
  const KusabiSegment& first = ctx.InputSegment(run.seg[0]);
  const KusabiSegment& last = ctx.InputSegment(run.seg[run.count - 1]);
  return KusabiSegment{first.x0, first.y0, last.x1, last.y1};
}

}  // namespace

int KakuLConnectCheck(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  if (ra.count == 0 || rb.count == 0) return 0;
  return ZkCheckConnectL(Chord(ctx, ra), Chord(ctx, rb));
}

bool KakuTConnectCheck(RuijiContext& ctx, int rank, int number, int s0, int s1) {
  const bool probeFirst = number == kCrossBStartsOnA || number == kCrossBEndsOnA;
  const InputRun probe = StrokeRun(ctx, rank, probeFirst ? s0 : s1);
  const InputRun ref = StrokeRun(ctx, rank, probeFirst ? s1 : s0);
  if (probe.count == 0 || ref.count == 0) return false;
  const bool atStart = number == kCrossBStartsOnA || number == kCrossAStartsOnB;
  const KusabiSegment& r = ctx.InputSegment(atStart ? ref.seg[0] : ref.seg[ref.count - 1]);
  const int wanted = atStart ? kCrossBStartsOnA : kCrossBEndsOnA;
  for (int i = 0; i < probe.count; ++i) {
    const KusabiSegment& a = ctx.InputSegment(probe.seg[i]);
    const int joint = ZkCheckConnectL(a, r);
    if ((joint == kJointEnds || joint == kJointEndStart) && i + 1 < probe.count) {
      if (Straddles(r, a, ctx.InputSegment(probe.seg[i + 1]))) return true;
    } else if (joint == kJointNone) {
      RuijiPoint p;
      if (CrossClass(a, r, &p) == wanted) return true;
    }
  }
  return false;
}

bool StrokesCross(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  for (int i = 0; i < ra.count; ++i) {
    for (int j = 0; j < rb.count; ++j) {
      const PairView v = View(ctx, ra, i, rb, j);
      if (ZkCheckConnectL(v.a, v.b) == kJointEnds && v.aNext && v.bNext) {
        if (DoubleStraddle(v)) return true;
        continue;
      }
      RuijiPoint p;
      const int cls = CrossClass(v.a, v.b, &p);
      if (cls == kCrossBoth) return true;
      if (cls == kCrossBEndsOnA && v.bNext && Straddles(v.a, v.b, *v.bNext)) return true;
      // A bends on B's line and goes on across it: a crossing at A's corner, which
      // neither of A's segments shows as one on its own (the crossing test counts it).
      if (cls == kCrossAEndsOnB && v.aNext && Straddles(v.b, v.a, *v.aNext)) return true;
    }
  }
  return false;
}

bool StrokesTouch(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  if (ra.count == 0 || rb.count == 0) return false;
  if (ZkCheckConnectL(Chord(ctx, ra), Chord(ctx, rb)) != kJointNone) return true;
  for (int i = 0; i < ra.count; ++i) {
    for (int j = 0; j < rb.count; ++j) {
      const PairView v = View(ctx, ra, i, rb, j);
      if (ZkCheckConnectL(v.a, v.b) == kJointEnds && v.aNext && v.bNext) {
        if (DoubleStraddle(v)) return true;
        continue;
      }
      RuijiPoint p;
      switch (CrossClass(v.a, v.b, &p)) {
        case kCrossBoth:
          return true;
        case kCrossBEndsOnA:
          if (!v.bNext || Straddles(v.a, v.b, *v.bNext)) return true;
          break;
        case kCrossAEndsOnB:
          if (!v.aNext || Straddles(v.b, v.a, *v.aNext)) return true;
          break;
        case kCrossBStartsOnA:
          if (j == 0) return true;
          break;
        case kCrossAStartsOnB:
          if (i == 0) return true;
          break;
        default:
          break;
      }
    }
  }
  return false;
}

bool StrokesJoined(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  for (int i = 0; i < ra.count; ++i) {
    for (int j = 0; j < rb.count; ++j) {
      const PairView v = View(ctx, ra, i, rb, j);
      const int joint = ZkCheckConnectL(v.a, v.b);
      if ((joint == kJointEnds || joint == kJointStartEnd) && v.bNext) {
        if (Straddles(v.a, v.b, *v.bNext)) return true;
        continue;
      }
      RuijiPoint p;
      const int cls = CrossClass(v.a, v.b, &p);
      if (cls == kCrossBoth) return true;
      if (cls == kCrossAStartsOnB && i == 0) return true;
      if (cls == kCrossAEndsOnB && i == ra.count - 1) return true;
      // A bends on B's line and goes on across it: a crossing at A's corner, which
      // neither of A's segments shows as one on its own (the crossing test counts it).
      if (cls == kCrossAEndsOnB && v.aNext && Straddles(v.b, v.a, *v.aNext)) return true;
      if (cls == kCrossBEndsOnA && v.bNext && Straddles(v.a, v.b, *v.bNext)) return true;
    }
  }
  return false;
}

bool StrokeStartsAbove(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  if (ra.count == 0 || rb.count == 0) return false;
  const RuijiPoint start = SegStart(ctx.InputSegment(ra.seg[0]));
  for (int j = 0; j < rb.count; ++j) {
    const KusabiSegment& b = ctx.InputSegment(rb.seg[j]);
    if (ZkCheckPointUe(SegStart(b), SegEnd(b), start) != 1) return false;
  }
  return true;
}

int MeetingPosition(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  if (ra.count == 0 || rb.count == 0) return kMeetNone;
  long total = 0;
  for (int i = 0; i < ra.count; ++i) total += SegLength(ctx.InputSegment(ra.seg[i]));
  enum class Where { kNone, kStart, kEnd, kInside };
  long before = 0;  // length of A's run up to the start of segment i
  for (int i = 0; i < ra.count; ++i) {
    const KusabiSegment& a = ctx.InputSegment(ra.seg[i]);
    for (int j = 0; j < rb.count; ++j) {
      const KusabiSegment& b = ctx.InputSegment(rb.seg[j]);
      Where where = Where::kNone;
      RuijiPoint p{};
      const int joint = ZkCheckConnectL(a, b);
      if (joint == kJointEnds) {
        where = Where::kEnd;
      } else if (joint == kJointStartEnd) {
        where = Where::kStart;
      } else {
        const int cls = CrossClass(a, b, &p);
        if (cls == kCrossBoth || cls == kCrossBStartsOnA || cls == kCrossBEndsOnA) where = Where::kInside;
        else if (cls == kCrossAEndsOnB) where = Where::kEnd;
        else if (cls == kCrossAStartsOnB) where = Where::kStart;
      }
      if (where == Where::kNone) continue;
      long along = before;
      if (where == Where::kEnd) {
        if (i == ra.count - 1) return kMeetAtEnd;
        along += SegLength(a);
      } else if (where == Where::kStart) {
        if (i == 0) return kMeetFirstQuarter;
      } else {
        along += PointDistance(p, SegStart(a));
      }
      // A meeting beyond the half is one class up to the end: the last quarter gets no
      // class of its own (kMeetAtEnd stays for the very end of the stroke).
      if (4 * along < total) return kMeetFirstQuarter;
      if (2 * along < total) return kMeetFirstHalf;
      return kMeetSecondHalf;
    }
    before += SegLength(a);
  }
  return kMeetNone;
}
