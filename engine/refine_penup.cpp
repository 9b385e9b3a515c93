// Refinement passes 6 to 8: unpaired input runs compared with pattern pen-ups, pen
// lifts inside a pattern stroke, and the off-stroke weighting of the pattern's pen-ups.
#include "refine.h"
#include "refine_context.h"

using refine::Connected;
using refine::Context;
using refine::EndOf;
using refine::Gap;
using refine::Minus;
using refine::Norm;
using refine::PenUpVector;
using refine::SegmentBetween;
using refine::StartOf;
using refine::Vec;

namespace {

constexpr int kShortConnector = 31;  // input connecting segments shorter than this
constexpr int kShortLeadIn = 31;     // pattern lead-ins and hooks shorter than this
constexpr int kLongHook = 30;        // pattern hooks longer than this are not compared

}  // namespace

void MatchInputRunsToPenUps(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                            SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& in = cx.in;
  const KusabiPattern& pat = cx.pat;
  for (int i = 0; i < cx.inCount;) {
    if (corr->inFirst[i] != kUnpaired || inLen[i] == 0) {
      ++i;
      continue;
    }
    int e = i;
    while (Connected(in, cx.inCount, e) && corr->inFirst[e + 1] == kUnpaired) ++e;

    const int nextP = e + 1 < cx.inCount ? corr->inFirst[e + 1] : -1;
    const int prevP = i >= 1 ? corr->inLast[i - 1] : -1;
    const bool joinsNext = cx.IsPattern(nextP) && Connected(in, cx.inCount, e);
    const bool joinsPrevious = cx.IsPattern(prevP) && Connected(in, cx.inCount, i - 1);

    // The pattern's movement from the end of prevP to the start of nextP, when that
    // is a real pen-up between two of its strokes.
    bool penUp = false;
    KusabiSegment v = {};
    if (cx.IsPattern(prevP) && cx.IsPattern(nextP)) {
      v = SegmentBetween(EndOf(pat.segment[prevP]), StartOf(pat.segment[nextP]));
      const bool nextStartsStroke = nextP == 0 || !Connected(pat, cx.patCount, nextP - 1);
      const bool prevEndsStroke = !Connected(pat, cx.patCount, prevP);
      penUp = (v.x0 != v.x1 || v.y0 != v.y1) && nextStartsStroke && prevEndsStroke;
    }

    int runLength = 0;
    for (int k = i; k <= e; ++k) runLength += inLen[k];

    if (!joinsNext && !joinsPrevious) {
      // An isolated stroke part: three times its length in all.
      refine::AddTo(score->inputOmission, runLength);
    } else if (joinsNext && joinsPrevious) {
      if (!penUp) {
        refine::AddTo(score->inputOmission, runLength);
      } else {
        // Written cursively where the pattern lifts the pen: the connecting run is
        // compared with the pen-up movement instead of being omitted.
        ChainResult c;
        ChainDistance(&in.segment[i], e - i + 1, &v, 1, &c);
        refine::AddTo(score->extra, c.total);
        for (int k = i; k <= e; ++k) {
          refine::AddTo(score->inputOmission, -2 * inLen[k]);
          cx.SetInput(k, kPenUpPaired, kPenUpPaired);
        }
      }
    } else if (i == e && inLen[i] < kShortConnector && penUp) {
      // A short tail (or lead-in) with the input's own pen-up after (before) it.
      KusabiSegment chain[2];
      if (joinsPrevious) {
        chain[0] = in.segment[i];
        chain[1] = SegmentBetween(EndOf(in.segment[i]), StartOf(in.segment[i + 1]));
      } else {
        chain[0] = SegmentBetween(EndOf(in.segment[i - 1]), StartOf(in.segment[i]));
        chain[1] = in.segment[i];
      }
      ChainResult c;
      ChainDistance(chain, 2, &v, 1, &c);
      refine::AddTo(score->extra, c.total);
      refine::AddTo(score->inputOmission, -2 * inLen[i]);
      cx.SetInput(i, kPenUpPaired, kPenUpPaired);
    }
    i = e + 1;
  }
  cx.Finish();
}

void InputPenUpCheck(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                     SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  uint8_t patStroke[kMaxSegments];
  BuildStrokeMap(cx.pat, patStroke);
  for (int k = 0; k + 1 < cx.inCount; ++k) {
    if (Connected(cx.in, cx.inCount, k)) continue;
    if (corr->inFirst[k] == kPenUpPaired || corr->inFirst[k + 1] == kPenUpPaired) continue;
    const int p1 = corr->inLast[k], p2 = corr->inFirst[k + 1];
    // A pen lift inside what the pattern writes as one stroke costs the jump.
    if (cx.IsPattern(p1) && cx.IsPattern(p2) && patStroke[p1] == patStroke[p2]) {
      refine::AddTo(score->inputOmission, Gap(cx.in, k));
    }
  }
  cx.Finish();
}

void OffstrokeOmomi(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                    SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& in = cx.in;
  const KusabiPattern& pat = cx.pat;
  auto isMarker = [](int v) { return v == kUnpaired || v == kPenUpPaired; };
  int64_t offSum = 0;
  int compared = 0;
  for (int j = 0; j + 1 < cx.patCount; ++j) {
    if (Connected(pat, cx.patCount, j)) continue;
    const KusabiSegment vSegment = PenUpVector(pat, j);
    const Vec v = Minus(StartOf(pat.segment[j + 1]), EndOf(pat.segment[j]));
    const int a = corr->patLast[j], b = corr->patFirst[j + 1];
    const bool aPaired = cx.IsInput(a), bPaired = cx.IsInput(b);

    if (aPaired && bPaired) {
      if (a == b) continue;  // one input segment spans the pen-up
      offSum += Norm(Minus(Minus(StartOf(in.segment[b]), EndOf(in.segment[a])), v));
      ++compared;
    } else if (isMarker(a) && isMarker(b)) {
      offSum += Norm(v);
    } else if (b == kUnpaired && aPaired) {
      const int next = j + 2 < cx.patCount ? corr->patFirst[j + 2] : -1;
      if (cx.IsInput(next) && patLen[j + 1] < kShortLeadIn) {
        if (Connected(pat, cx.patCount, j + 1)) {
          // j + 1 is a short lead-in of the next stroke: the input's jump is compared
          // with the pen-up followed by the lead-in.
          const KusabiSegment jump = SegmentBetween(EndOf(in.segment[a]), StartOf(in.segment[next]));
          const KusabiSegment patternChain[2] = {vSegment, pat.segment[j + 1]};
          ChainResult c;
          ChainDistance(&jump, 1, patternChain, 2, &c);
          offSum += c.shape;
          ++compared;
          cx.SetPattern(j + 1, kPenUpPaired, kPenUpPaired);
          refine::AddTo(score->patternOmission, -2 * patLen[j + 1]);
        } else {
          offSum += Norm(v) + Gap(pat, j + 1);
        }
      } else {
        offSum += Norm(v);
      }
    } else if (a == kUnpaired && bPaired) {
      if (j == 0 || !cx.IsInput(corr->patFirst[j - 1]) || patLen[j] > kLongHook) {
        offSum += Norm(v);
      } else if (Connected(pat, cx.patCount, j - 1) && cx.IsInput(corr->patLast[j - 1])) {
        // j is a short hook at the end of the previous stroke: compared, with the
        // pen-up after it, against the input's jump.
        const int previous = corr->patLast[j - 1];
        const KusabiSegment jump = SegmentBetween(EndOf(in.segment[previous]), StartOf(in.segment[b]));
        const KusabiSegment patternChain[2] = {pat.segment[j], vSegment};
        ChainResult c;
        ChainDistance(&jump, 1, patternChain, 2, &c);
        offSum += c.shape;
        ++compared;
        cx.SetPattern(j, kPenUpPaired, kPenUpPaired);
        refine::AddTo(score->patternOmission, -2 * patLen[j]);
      }
    }
  }
  // The compared pen-ups stand for all pen-ups of the input.
  if (compared != 0 && input->strokes > 1) offSum = offSum * (input->strokes - 1) / compared;
  refine::AddTo(score->extra, static_cast<int16_t>(offSum));
  cx.Finish();
}
