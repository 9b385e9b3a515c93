// Continuity of strokes, loops and curls in the input: whether strokes were written as
// one chain, whether a stroke closes on itself, and which way its segments turn.
#include <algorithm>

#include "direction.h"
#include "loop.h"
#include "ruiji_loops.h"
#include "segdist.h"

namespace {

bool Unpaired(uint8_t inFirst) { return inFirst == kPenUpPaired || inFirst == kUnpaired; }

int Turn(const KusabiSegment& u, const KusabiSegment& w) {
  return TurnBetween(u.x1 - u.x0, u.y1 - u.y0, w.x1 - w.x0, w.y1 - w.y0);
}

}  // namespace

bool InputChainContinuous(RuijiContext& ctx, int rank, const InputRun& run) {
  for (int i = 0; i + 1 < run.count; ++i) {
    const int a = run.seg[i], b = run.seg[i + 1];
    if (b != a + 1) {
      bool onlyPenUps = true;
      for (int k = a + 1; k < b; ++k) onlyPenUps = onlyPenUps && ctx.InputPartner(rank, k) == kPenUpPaired;
      if (onlyPenUps) continue;
    }
    const KusabiSegment& sa = ctx.InputSegment(a);
    const KusabiSegment& sb = ctx.InputSegment(b);
    if (sa.x1 != sb.x0 || sa.y1 != sb.y0) return false;
  }
  return true;
}

bool StrokeIsOneChain(RuijiContext& ctx, int rank, int stroke) {
  const InputRun run = StrokeRun(ctx, rank, stroke);
  return run.count >= 2 && InputChainContinuous(ctx, rank, run);
}

bool StrokesFormOneChain(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  InputRun both;
  both.count = static_cast<int>(std::set_union(ra.seg, ra.seg + ra.count, rb.seg, rb.seg + rb.count, both.seg) -
                                both.seg);
  return InputChainContinuous(ctx, rank, both);
}

bool LastStrokeLoopTest(RuijiContext& ctx, int rank) {
  const KohoSlot& slot = ctx.Slot(rank);
  const int n = ctx.InputSegments();
  uint8_t segs[kMaxSegments];
  const int count = ctx.StrokeSegments(rank, static_cast<int>(slot.patternStrokes) - 1, segs);
  // 1. The range of input segments the last stroke was matched to.
  int lo = n, hi = -1;
  for (int i = 0; i < count; ++i) {
    const uint8_t f = slot.corr.patFirst[segs[i]], l = slot.corr.patLast[segs[i]];
    if (f < kFirstMarker && f < n) {
      lo = std::min<int>(lo, f);
      hi = std::max<int>(hi, f);
    }
    if (l < kFirstMarker && l != f && l < n) {
      lo = std::min<int>(lo, l);
      hi = std::max<int>(hi, l);
    }
  }
  if (hi < 0) return false;
  // 2. A range over two input strokes loses one end segment, if that makes it one.
  const uint8_t* map = ctx.InputStrokeMap();
  if (map[lo] != map[hi]) {
    if (hi - lo + 1 < 4) return false;
    if (map[lo + 1] == map[hi]) ++lo;
    else if (map[lo] == map[hi - 1]) --hi;
    else return false;
  }
  if (hi == lo) return false;
  if (hi == lo + 1) {
    // Two segments: an unmatched tail at least twice as long written on after them (or
    // before them) means the pen went on past a hook, not round a mark. A short
    // unmatched neighbour is the rest of the same small circle (a circle often comes
    // out as three segments of which matching pairs two) and does not decide.
    if (hi + 1 < n && map[hi + 1] == map[lo] && Unpaired(ctx.InputPartner(rank, hi + 1))) {
      if (SegLength(ctx.InputSegment(hi + 1)) >= 2 * SegLength(ctx.InputSegment(lo))) return false;
    } else if (lo > 0 && map[lo - 1] == map[hi] && Unpaired(ctx.InputPartner(rank, lo - 1))) {
      if (SegLength(ctx.InputSegment(lo - 1)) >= 2 * SegLength(ctx.InputSegment(hi))) return false;
    }
    const int t = Turn(ctx.InputSegment(lo), ctx.InputSegment(hi));
    return t < -90 || t > 90;
  }
  // Three or more: the last turning run of the range either closes on itself or
  // covers at least three segments.
  const uint8_t* marks = ctx.LoopMarks();
  bool open = false, found = false;
  int runStart = 0, a = 0, b = 0;
  for (int k = lo; k <= hi; ++k) {
    if (!open && marks[k] != kLoopNone) {
      open = true;
      runStart = k;
    } else if (open && (marks[k] == kLoopPosLast || marks[k] == kLoopNegLast)) {
      open = false;
      found = true;
      a = runStart;
      b = k;
    }
  }
  if (open) {
    found = true;
    a = runStart;
    b = hi;
  }
  if (!found) return false;
  const int d = PointDistance(SegStart(ctx.InputSegment(a)), SegEnd(ctx.InputSegment(b)));
  return d < 10 || b - a + 1 >= 3;
}

bool LoopMarkTest(RuijiContext& ctx, int rank, int stroke, int mode, uint8_t mark) {
  const KohoSlot& slot = ctx.Slot(rank);
  const int n = ctx.InputSegments();
  uint8_t segs[kMaxSegments];
  const int count = ctx.StrokeSegments(rank, stroke, segs);
  if (count == 0) return false;
  const uint8_t* marks = ctx.LoopMarks();
  if (mode == 0 || mode == 1) {
    // The segment at the stroke's start (end), or the next one in when that is unmatched.
    const bool atStart = mode == 0;
    const int first = atStart ? segs[0] : segs[count - 1];
    const int second = count >= 3 ? (atStart ? segs[1] : segs[count - 2]) : -1;
    int pick = first;
    if (PatternPartner(slot, first, n) < 0) pick = second;
    const int k = pick < 0 ? -1 : (atStart ? PatternPartner(slot, pick, n) : PatternLastPartner(slot, pick, n));
    if (k < 0) return false;
    uint8_t wanted = mark;
    if (mark == kLoopPosInner) wanted = atStart ? kLoopPosFirst : kLoopPosLast;
    if (mark == kLoopNegInner) wanted = atStart ? kLoopNegFirst : kLoopNegLast;
    return marks[k] == wanted;
  }
  if (mode == 3) {
    int marked = 0;
    for (int i = 0; i < count; ++i) {
      const int f = PatternPartner(slot, segs[i], n);
      if (f >= 0 && marks[f] == mark) ++marked;
    }
    return marked >= count - 3;
  }
  return false;
}

bool CurlTest(RuijiContext& ctx, int stroke, int range, int angle) {
  const KusabiPattern& fine = ctx.FinePattern();
  uint8_t map[kMaxSegments];
  BuildStrokeMap(fine, map);
  const KusabiSegment* segs[kMaxSegments];
  int n = 0;
  for (int k = 0; k < fine.segments; ++k)
    if (map[k] == stroke) segs[n++] = &fine.segment[k];
  if (n < 2) return false;
  int from = 1, to = n - 1;
  if (range == 0) to = (n + 1) / 2 - 1;
  else if (range == 1) from = n / 2;
  for (int j = from; j <= to; ++j) {
    const int t = Turn(*segs[j - 1], *segs[j]);
    if (t == 0 || (angle >= 0 && t >= angle) || (angle <= 0 && t < angle)) return true;
  }
  return false;
}
