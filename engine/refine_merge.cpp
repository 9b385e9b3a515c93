// Refinement passes 1 to 3: unpaired pattern segments, unpaired input segments and
// runs of unpaired pattern segments merged into the neighbouring groups.
#include "refine.h"
#include "refine_context.h"

using refine::BestCandidate;
using refine::Connected;
using refine::Context;
using refine::EndOf;
using refine::Gap;
using refine::Minus;
using refine::Norm;
using refine::StartOf;
using refine::Touches;

namespace {

constexpr int kMergeGapLimit = 13;     // pattern pen-ups below this count as joined
constexpr int kMergeMinSpan = 21;      // the merged pattern stretch must be longer
constexpr int kLoneSegmentReach = 58;  // a single pairing is always allowed this close

enum Candidate { kSingle, kNext, kPrevious, kBoth };

}  // namespace

void MergeLonePatternSegments(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                              SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& pat = cx.pat;
  for (int j = 0; j < cx.patCount; ++j) {
    if (corr->patFirst[j] != kUnpaired || patLen[j] == 0) continue;

    // N: join the group that follows j.
    int f = -1, l = -1, e = -1;
    bool heldN = false, validN = false;
    ChainResult cn = {};
    if (j + 1 < cx.patCount && cx.IsInput(corr->patFirst[j + 1]) && Gap(pat, j) < kMergeGapLimit &&
        Norm(Minus(EndOf(pat.segment[j + 1]), StartOf(pat.segment[j]))) > kMergeMinSpan) {
      f = corr->patFirst[j + 1];
      l = corr->patLast[j + 1];
      e = corr->inLast[f];
      heldN = cx.IsInput(l) && cx.IsPattern(e);
      if (heldN) {
        cn = cx.Chain(f, l, j, e);
        validN = cn.total <= cx.G(j + 1);
      }
    }

    // P: join the group that precedes j.
    int fp = -1, lp = -1, h = -1;
    bool heldP = false, validP = false;
    ChainResult cp = {};
    if (j >= 1 && cx.IsInput(corr->patFirst[j - 1]) && Gap(pat, j - 1) < kMergeGapLimit &&
        Norm(Minus(EndOf(pat.segment[j]), StartOf(pat.segment[j - 1]))) > kMergeMinSpan) {
      fp = corr->patFirst[j - 1];
      lp = corr->patLast[j - 1];
      h = corr->inFirst[fp];
      heldP = cx.IsInput(lp) && cx.IsPattern(h);
      if (heldP) {
        cp = cx.Chain(fp, lp, h, j);
        validP = cp.total <= cx.G(h);
      }
    }

    // B: both groups and j become one, when the input runs on from one to the other.
    bool validB = false;
    ChainResult cb = {};
    if (heldN && heldP && Touches(cx.in, lp, f)) {
      cb = cx.Chain(fp, l, h, e);
      validB = true;
    }

    // S: pair j alone with the nearest unpaired input segment.
    int single = -1, d = kAbsentDistance, s = 0;
    for (int i = 0; i < cx.inCount; ++i) {
      if (corr->inFirst[i] != kUnpaired) continue;
      const int di = SegmentEndpointDistance(cx.in.segment[i], pat.segment[j]);
      if (di < d && (di < inLen[i] + patLen[j] || di < kLoneSegmentReach)) {
        single = i;
        d = di;
      }
    }
    if (single >= 0) s = SegmentVectorDistance(cx.in.segment[single], pat.segment[j]);

    const int choice = BestCandidate(
        {{single >= 0, d + s}, {validN, cn.total}, {validP, cp.total}, {validB, cb.total}});
    if (choice < 0) continue;
    refine::AddTo(score->patternOmission, -2 * patLen[j]);
    switch (choice) {
      case kSingle:
        refine::AddTo(score->posSum, d);
        refine::AddTo(score->shapeSum, s);
        refine::AddTo(score->inputOmission, -2 * inLen[single]);
        corr->groupPos[j] = static_cast<uint16_t>(d);
        corr->groupShape[j] = static_cast<uint16_t>(s);
        cx.SetPattern(j, single, single);
        cx.SetInput(single, j, j);
        break;
      case kNext:
        cx.ApplyChain(cn, j, {j + 1});
        cx.SetPattern(j, f, l);
        for (int i = f; i <= l; ++i) corr->inFirst[i] = static_cast<uint8_t>(j);
        break;
      case kPrevious:
        cx.ApplyChain(cp, h, {h});
        cx.SetPattern(j, fp, lp);
        for (int i = fp; i <= lp; ++i) corr->inLast[i] = static_cast<uint8_t>(j);
        break;
      default:  // kBoth
        cx.ApplyChain(cb, h, {h, j + 1});
        for (int p = h; p <= e; ++p) cx.SetPattern(p, fp, l);
        for (int i = fp; i <= l; ++i) cx.SetInput(i, h, e);
        break;
    }
  }
  cx.Finish();
}

void MergeLoneInputSegments(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                            SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  for (int i = 0; i < cx.inCount; ++i) {
    if (corr->inFirst[i] != kUnpaired || inLen[i] == 0) continue;

    // N: the input runs on without a pen-up into the group of i + 1.
    int p = -1, l = -1, e = -1;
    bool heldN = false, validN = false;
    ChainResult cn = {};
    if (i + 1 < cx.inCount && cx.IsPattern(corr->inFirst[i + 1]) && Connected(cx.in, cx.inCount, i)) {
      p = corr->inFirst[i + 1];
      l = corr->patLast[p];
      e = corr->inLast[i + 1];
      heldN = cx.IsInput(l) && cx.IsPattern(e);
      if (heldN) {
        cn = cx.Chain(i, l, p, e);
        validN = cn.total <= cx.G(p);
      }
    }

    // P: the group of i - 1 runs on into i.
    int pp = -1, fp = -1, ep = -1;
    bool heldP = false, validP = false;
    ChainResult cp = {};
    if (i >= 1 && cx.IsPattern(corr->inFirst[i - 1]) && Connected(cx.in, cx.inCount, i - 1)) {
      pp = corr->inFirst[i - 1];
      fp = corr->patFirst[pp];
      ep = corr->inLast[i - 1];
      heldP = cx.IsInput(fp) && cx.IsPattern(ep);
      if (heldP) {
        cp = cx.Chain(fp, i, pp, ep);
        validP = cp.total <= cx.G(pp);
      }
    }

    bool validB = false;
    ChainResult cb = {};
    if (heldN && heldP && Touches(cx.pat, ep, p)) {
      cb = cx.Chain(fp, l, pp, e);
      validB = true;
    }

    const int choice = BestCandidate({{false, 0}, {validN, cn.total}, {validP, cp.total}, {validB, cb.total}});
    if (choice < 0) continue;
    refine::AddTo(score->inputOmission, -2 * inLen[i]);
    switch (choice) {
      case kNext:
        cx.ApplyChain(cn, p, {p});
        for (int q = p; q <= e; ++q) corr->patFirst[q] = static_cast<uint8_t>(i);
        cx.SetInput(i, p, e);
        break;
      case kPrevious:
        cx.ApplyChain(cp, pp, {pp});
        for (int q = pp; q <= ep; ++q) corr->patLast[q] = static_cast<uint8_t>(i);
        cx.SetInput(i, pp, ep);
        break;
      default:  // kBoth
        cx.ApplyChain(cb, pp, {pp, p});
        for (int q = pp; q <= e; ++q) cx.SetPattern(q, fp, l);
        for (int k = fp; k <= l; ++k) cx.SetInput(k, pp, e);
        break;
    }
  }
  cx.Finish();
}

void MergePatternRuns(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                      SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& pat = cx.pat;
  for (int j = 0; j < cx.patCount;) {
    if (corr->patFirst[j] != kUnpaired || patLen[j] == 0) {
      ++j;
      continue;
    }
    int e = j;
    while (Connected(pat, cx.patCount, e) && corr->patFirst[e + 1] == kUnpaired) ++e;

    // N: the run leads without a pen-up into the group of e + 1.
    int f = -1, l = -1, t = -1;
    bool heldN = false, validN = false;
    ChainResult cn = {};
    if (e + 1 < cx.patCount && cx.IsInput(corr->patFirst[e + 1]) && Connected(pat, cx.patCount, e)) {
      f = corr->patFirst[e + 1];
      l = corr->patLast[e + 1];
      t = cx.IsInput(l) ? corr->inLast[l] : -1;
      heldN = cx.IsInput(l) && cx.IsPattern(t);
      if (heldN) {
        cn = cx.Chain(f, l, j, t);
        validN = cn.total <= cx.G(e + 1);
      }
    }

    // P: the group of j - 1 runs on into the run.
    int fp = -1, lp = -1, h = -1;
    bool heldP = false, validP = false;
    ChainResult cp = {};
    if (j >= 1 && cx.IsInput(corr->patFirst[j - 1]) && Connected(pat, cx.patCount, j - 1)) {
      fp = corr->patFirst[j - 1];
      lp = corr->patLast[j - 1];
      h = cx.IsInput(lp) ? corr->inFirst[lp] : -1;
      heldP = cx.IsInput(lp) && cx.IsPattern(h);
      if (heldP) {
        cp = cx.Chain(fp, lp, h, e);
        validP = cp.total <= cx.G(h);
      }
    }

    bool validB = false;
    ChainResult cb = {};
    if (heldN && heldP && Touches(cx.in, lp, f)) {
      cb = cx.Chain(fp, l, h, t);
      validB = true;
    }

    const int choice = BestCandidate({{false, 0}, {validN, cn.total}, {validP, cp.total}, {validB, cb.total}});
    if (choice >= 0) {
      for (int p = j; p <= e; ++p) refine::AddTo(score->patternOmission, -2 * patLen[p]);
      switch (choice) {
        case kNext:
          cx.ApplyChain(cn, j, {e + 1});
          for (int p = j; p <= e; ++p) cx.SetPattern(p, f, l);
          for (int i = f; i <= l; ++i) corr->inFirst[i] = static_cast<uint8_t>(j);
          break;
        case kPrevious:
          cx.ApplyChain(cp, h, {h});
          for (int p = j; p <= e; ++p) cx.SetPattern(p, fp, lp);
          for (int i = fp; i <= lp; ++i) corr->inLast[i] = static_cast<uint8_t>(e);
          break;
        default:  // kBoth
          cx.ApplyChain(cb, h, {h, e + 1});
          for (int p = h; p <= t; ++p) cx.SetPattern(p, fp, l);
          for (int i = fp; i <= l; ++i) cx.SetInput(i, h, t);
          break;
      }
    }
    j = e + 1;
  }
  cx.Finish();
}
