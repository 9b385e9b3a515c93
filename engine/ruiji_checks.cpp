// Running the checks of a look-alike table entry: the check numbers, their parameters
// and the simple counting and direction checks.
#include "ruiji_checks.h"

#include "direction.h"
#include "ruiji.h"
#include "ruiji_joints.h"
#include "ruiji_loops.h"

namespace {

// Check numbers that test something; every other number passes untested.
enum CheckNumber : int16_t {
  kPassAtOnce = 0,
  kNever = 1,
  kSeeCandidate = 2,  // carries a code for the check before it
  kCross = 20,
  kNotTouch = 40,
  kTouch = 41,
  kAllMatched = 50,
  kSomeUnmatched = 51,
  kAtMostStrokes = 52,
  kAtLeastStrokes = 53,
  kOtherNotOneChain = 54,
  kOneChain = 55,
  kTwoOneChain = 56,
  kTwoNotOneChain = 57,
  kJoined = 58,
  kNotJoined = 59,
  kAbove = 60,
  kNotAbove = 61,
  kLoopHolds = 62,
  kLastTwoNotMatched = 63,
  kLoopFails = 64,
  kLastTwoMatched = 65,
  kDirection = 66,
  kMarkHolds = 67,
  kMarkFails = 68,
  kCurlFails = 69,
  kCurlHolds = 70,
  kTurnAtJoin = 71,
  kNotLonger = 72,
  kMeeting = 73,
  kMatchedCount = 80,
  kChainMark200 = 200,
  kChainMark202 = 202,
  kChainNoMark205 = 205,
  kChainNoMark207 = 207,
};

bool StrokeFullyMatched(RuijiContext& ctx, int rank, int stroke) {
  uint8_t segs[kMaxSegments];
  const int count = ctx.StrokeSegments(rank, stroke, segs);
  for (int i = 0; i < count; ++i)
    if (PatternPartner(ctx.Slot(rank), segs[i], ctx.InputSegments()) < 0) return false;
  return count > 0;
}

bool StrokeHasUnmatched(RuijiContext& ctx, int rank, int stroke) {
  uint8_t segs[kMaxSegments];
  const int count = ctx.StrokeSegments(rank, stroke, segs);
  for (int i = 0; i < count; ++i)
    if (PatternPartner(ctx.Slot(rank), segs[i], ctx.InputSegments()) < 0) return true;
  return false;
}

// Direction of the last input segment of the stroke strictly inside (lo, hi) degrees,
// a range with lo > hi running across 0.
bool LastSegmentDirection(RuijiContext& ctx, int rank, int stroke, int lo, int hi) {
  const InputRun run = StrokeRun(ctx, rank, stroke);
  if (run.count == 0) return false;
  const KusabiSegment& s = ctx.InputSegment(run.seg[run.count - 1]);
  const int d = ZkDirection(s.x1 - s.x0, s.y1 - s.y0);
  return lo <= hi ? (lo < d && d < hi) : (d > lo || d < hi);
}

bool TurnAtJoin(RuijiContext& ctx, int rank, int s0, int s1, int angle) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  if (ra.count == 0 || rb.count == 0) return false;
  const int a = ra.seg[ra.count - 1], b = rb.seg[0];
  if (ctx.InputStrokeOf(a) != ctx.InputStrokeOf(b)) return true;
  const KusabiSegment& u = ctx.InputSegment(a);
  const KusabiSegment& w = ctx.InputSegment(b);
  const int t = TurnBetween(u.x1 - u.x0, u.y1 - u.y0, w.x1 - w.x0, w.y1 - w.y0);
  return angle >= 1 ? t > angle : t < angle;
}

long long SquaredLengths(RuijiContext& ctx, const InputRun& run) {
  long long sum = 0;
  for (int i = 0; i < run.count; ++i) {
    const long long l = SegLength(ctx.InputSegment(run.seg[i]));
    sum += l * l;
  }
  return sum;
}

bool NotLonger(RuijiContext& ctx, int rank, int s0, int s1) {
  const InputRun ra = StrokeRun(ctx, rank, s0), rb = StrokeRun(ctx, rank, s1);
  if (ra.count == 0) return true;
  if (rb.count == 0) return false;
  return SquaredLengths(ctx, ra) <= SquaredLengths(ctx, rb);
}

// Checks 200..207: when strokes p0 and p1 form one chain, the loop mark test on stroke
// p1 (p2 != 0) or p0, in mode p2, with the mark the number gives.
bool ChainMarkTest(RuijiContext& ctx, int rank, int number, const int8_t* p) {
  if (!StrokesFormOneChain(ctx, rank, p[0], p[1])) return true;
  const bool wantHolds = number == kChainMark200 || number == kChainMark202;
  const int offset = wantHolds ? 55 : 50;
  const uint8_t mark = static_cast<uint8_t>((number + offset) % 256);
  const bool holds = LoopMarkTest(ctx, rank, p[2] != 0 ? p[1] : p[0], p[2], mark);
  return holds == wantHolds;
}

}  // namespace

bool RuijiCheckPasses(RuijiContext& ctx, int rank, const RuijiEntry& entry, int index) {
  const RuijiCheck& check = entry.check[index];
  const int8_t* p = check.p;
  const int number = check.number;
  // The candidate a check names by p1, p2, and its rank.
  const int named = ctx.RankOf(RuijiParamCode(p[1], p[2]));
  const bool ranked = named != kRuijiUnranked;
  switch (number) {
    case kPassAtOnce:
      return true;
    case kNever:
      return false;
    case kJointStarts:
    case kJointEnds:
    case kJointStartEnd:
    case kJointEndStart:
    case kJointNone:
      return KakuLConnectCheck(ctx, rank, p[0], p[1]) == number;
    case kCross:
      return StrokesCross(ctx, rank, p[0], p[1]);
    case kCrossBStartsOnA:
    case kCrossBEndsOnA:
    case kCrossAStartsOnB:
    case kCrossAEndsOnB:
      return KakuTConnectCheck(ctx, rank, number, p[0], p[1]);
    case kNotTouch:
      return !StrokesTouch(ctx, rank, p[0], p[1]);
    case kTouch:
      return StrokesTouch(ctx, rank, p[0], p[1]);
    case kAllMatched:
      return !ranked || !StrokeHasUnmatched(ctx, named, p[0]);
    case kSomeUnmatched:
      return !ranked || StrokeHasUnmatched(ctx, named, p[0]);
    case kAtMostStrokes:
      return ctx.InputStrokes() <= p[0];
    case kAtLeastStrokes:
      return ctx.InputStrokes() >= p[0];
    case kOtherNotOneChain:
      return !ranked || !StrokeIsOneChain(ctx, named, p[0]);
    case kOneChain:
      return StrokeIsOneChain(ctx, rank, p[0]);
    case kTwoOneChain:
      return StrokesFormOneChain(ctx, rank, p[0], p[1]);
    case kTwoNotOneChain:
      return !StrokesFormOneChain(ctx, rank, p[0], p[1]);
    case kJoined:
      return StrokesJoined(ctx, rank, p[0], p[1]);
    case kNotJoined:
      return !StrokesJoined(ctx, rank, p[0], p[1]);
    case kAbove:
      return StrokeStartsAbove(ctx, rank, p[0], p[1]);
    case kNotAbove:
      return !StrokeStartsAbove(ctx, rank, p[0], p[1]);
    case kLoopHolds:
      return ranked && LastStrokeLoopTest(ctx, named);
    case kLoopFails:
      return !ranked || !LastStrokeLoopTest(ctx, named);
    case kLastTwoNotMatched: {
      if (!ranked) return true;
      const int last = ctx.Slot(named).patternStrokes - 1;
      return !StrokeFullyMatched(ctx, named, last) && !StrokeFullyMatched(ctx, named, last - 1);
    }
    case kLastTwoMatched: {
      if (!ranked) return false;
      const int last = ctx.Slot(named).patternStrokes - 1;
      return StrokeFullyMatched(ctx, named, last) && StrokeFullyMatched(ctx, named, last - 1);
    }
    case kDirection: {
      // A following check 2 names the candidate whose stroke is looked at, if ranked.
      int from = rank;
      if (index + 1 < kRuijiChecksPerEntry && entry.check[index + 1].number == kSeeCandidate) {
        const int8_t* q = entry.check[index + 1].p;
        const int other = ctx.RankOf(RuijiParamCode(q[0], q[1]));
        if (other != kRuijiUnranked) from = other;
      }
      return LastSegmentDirection(ctx, from, p[0], 4 * p[1], 4 * p[2]);
    }
    case kMarkHolds:
      return LoopMarkTest(ctx, rank, p[1], p[2], static_cast<uint8_t>(p[0]));
    case kMarkFails:
      return !LoopMarkTest(ctx, rank, p[1], p[2], static_cast<uint8_t>(p[0]));
    case kCurlFails:
      return !CurlTest(ctx, p[0], p[1], 4 * p[2]);
    case kCurlHolds:
      return CurlTest(ctx, p[0], p[1], 4 * p[2]);
    case kTurnAtJoin:
      return TurnAtJoin(ctx, rank, p[0], p[1], 4 * p[2]);
    case kNotLonger:
      return NotLonger(ctx, rank, p[0], p[1]);
    case kMeeting:
      return (MeetingPosition(ctx, rank, p[0], p[1]) & static_cast<uint8_t>(p[2])) != 0;
    case kMatchedCount:
      return StrokeRun(ctx, rank, p[0]).count >= p[1];
    case kChainMark200:
    case kChainMark202:
    case kChainNoMark205:
    case kChainNoMark207:
      return ChainMarkTest(ctx, rank, number, p);
    default:
      return true;  // kSeeCandidate and numbers that test nothing
  }
}

bool RuijiEntryPasses(RuijiContext& ctx, int rank, const RuijiEntry& entry) {
  for (int i = 0; i < kRuijiChecksPerEntry; ++i) {
    const int number = entry.check[i].number;
    if (number == kRuijiNoCheck) break;
    const bool passed = RuijiCheckPasses(ctx, rank, entry, i);
    if (Ruiji.ZkRuijiTrace != nullptr)
      Ruiji.ZkRuijiTrace(rank, entry.code, number, entry.check[i].p, passed);
    if (number == kPassAtOnce) return true;
    if (!passed) return false;
  }
  return true;
}
