// Refinement passes 4 and 5: groups swapped across a pattern pen-up when the strokes
// were written in the other order, and lone pattern segments repaired by exchange.
#include "refine.h"
#include "refine_context.h"

using refine::Connected;
using refine::Context;
using refine::EndOf;
using refine::Minus;
using refine::Norm;
using refine::StartOf;
using refine::Vec;

void SwapGroupsAtPenUps(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                        SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& in = cx.in;
  const KusabiPattern& pat = cx.pat;
  for (int j = 0; j + 1 < cx.patCount; ++j) {
    if (Connected(pat, cx.patCount, j)) continue;
    const int a = corr->patLast[j], b = corr->patFirst[j + 1];
    const int c = corr->patFirst[j], d = corr->patLast[j + 1];
    if (!cx.IsInput(a) || !cx.IsInput(b) || a == b || !cx.IsInput(c) || !cx.IsInput(d)) continue;

    // Which input pen-up fits the pattern's: the one between the groups as they are
    // paired, or the one between them taken in the opposite order.
    const Vec v = Minus(StartOf(pat.segment[j + 1]), EndOf(pat.segment[j]));
    const int straight = Norm(Minus(Minus(StartOf(in.segment[b]), EndOf(in.segment[a])), v));
    const int crossed = Norm(Minus(Minus(StartOf(in.segment[c]), EndOf(in.segment[d])), v));
    if (crossed >= straight) continue;

    const int h = corr->inFirst[c], t = corr->inLast[b];
    if (!cx.IsPattern(h) || !cx.IsPattern(t)) continue;
    const ChainResult c1 = cx.Chain(b, d, h, j);
    const ChainResult c2 = cx.Chain(c, a, j + 1, t);
    // An empty or out-of-shape chain (absent distance) never replaces a group.
    if (c1.total >= kAbsentDistance || c2.total >= kAbsentDistance) continue;
    if (c1.total + c2.total >= cx.G(h) + cx.G(j + 1)) continue;

    cx.ApplyChain(c1, h, {h});
    cx.ApplyChain(c2, j + 1, {j + 1});
    for (int p = h; p <= j; ++p) cx.SetPattern(p, b, d);
    for (int p = j + 1; p <= t; ++p) cx.SetPattern(p, c, a);
    for (int i = c; i <= a; ++i) cx.SetInput(i, j + 1, t);
    for (int i = b; i <= d; ++i) cx.SetInput(i, h, j);
  }
  cx.Finish();
}

namespace {

// A group's stored distance, or 0 where the segment heads no group.
int StoredPart(uint16_t value) { return value < kLoopGroup ? value : 0; }

}  // namespace

void RepairByExchange(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                      SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& in = cx.in;
  const KusabiPattern& pat = cx.pat;
  for (int j = 0; j < cx.patCount; ++j) {
    if (corr->patFirst[j] != kUnpaired || patLen[j] == 0 || cx.inCount == 0) continue;

    // The input segment nearest to j, paired or not.
    int i = 0;
    int dJ = SegmentEndpointDistance(in.segment[0], pat.segment[j]);
    for (int k = 1; k < cx.inCount; ++k) {
      const int dk = SegmentEndpointDistance(in.segment[k], pat.segment[j]);
      if (dk < dJ) {
        dJ = dk;
        i = k;
      }
    }
    const int sJ = SegmentVectorDistance(in.segment[i], pat.segment[j]);

    // It must be held by a one-to-one group with pattern segment p.
    const int p = corr->inFirst[i];
    if (corr->inLast[i] != p || !cx.IsPattern(p) || p == j) continue;
    if (corr->patFirst[p] != i || corr->patLast[p] != i) continue;

    // The unpaired input segment nearest to p, to take i's place there.
    int i2 = -1, dP = 0;
    for (int k = 0; k < cx.inCount; ++k) {
      if (corr->inFirst[k] != kUnpaired || inLen[k] == 0) continue;
      const int dk = SegmentEndpointDistance(in.segment[k], pat.segment[p]);
      if (i2 < 0 || dk < dP) {
        dP = dk;
        i2 = k;
      }
    }
    if (i2 < 0) continue;
    const int sP = SegmentVectorDistance(in.segment[i2], pat.segment[p]);

    const int current = cx.G(p) + 2 * patLen[j] + 2 * inLen[i2];
    const int swap = dJ + sJ + dP + sP;
    const int move = dJ + sJ + 2 * patLen[p] + 2 * inLen[i2];
    const int oldPos = StoredPart(corr->groupPos[p]), oldShape = StoredPart(corr->groupShape[p]);
    if (swap < current && swap < move) {
      // i goes to j, and p takes the unpaired i2.
      refine::AddTo(score->posSum, dJ + dP - oldPos);
      refine::AddTo(score->shapeSum, sJ + sP - oldShape);
      refine::AddTo(score->patternOmission, -2 * patLen[j]);
      refine::AddTo(score->inputOmission, -2 * inLen[i2]);
      corr->groupPos[j] = static_cast<uint16_t>(dJ);
      corr->groupShape[j] = static_cast<uint16_t>(sJ);
      corr->groupPos[p] = static_cast<uint16_t>(dP);
      corr->groupShape[p] = static_cast<uint16_t>(sP);
      cx.SetPattern(j, i, i);
      cx.SetInput(i, j, j);
      cx.SetPattern(p, i2, i2);
      cx.SetInput(i2, p, p);
    } else if (move < current && move < swap) {
      // i goes to j, and p is left unpaired.
      refine::AddTo(score->posSum, dJ - oldPos);
      refine::AddTo(score->shapeSum, sJ - oldShape);
      refine::AddTo(score->patternOmission, 2 * (patLen[p] - patLen[j]));
      corr->groupPos[j] = static_cast<uint16_t>(dJ);
      corr->groupShape[j] = static_cast<uint16_t>(sJ);
      corr->groupPos[p] = corr->groupShape[p] = kNoGroup;
      cx.SetPattern(j, i, i);
      cx.SetInput(i, j, j);
      cx.SetPattern(p, kUnpaired, kUnpaired);
    }
  }
  cx.Finish();
}
