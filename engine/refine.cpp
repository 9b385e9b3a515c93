// The last refinement pass (pattern segments still unpaired) and the fixed order in
// which all nine passes rework one comparison.
#include "refine.h"

#include "refine_context.h"

using refine::Connected;
using refine::Context;

namespace {

constexpr int kShortHook = 17;  // an unpaired hook shorter than this costs its length once

}  // namespace

void SettlePatternLeftovers(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                            SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  Context cx(input, pattern, score, corr, inLen, patLen);
  const KusabiPattern& pat = cx.pat;
  auto paired = [&](int p) { return cx.IsInput(corr->patFirst[p]); };
  // Every segment of a run is examined again as the start of a run of its own.
  for (int j = 0; j < cx.patCount; ++j) {
    if (corr->patFirst[j] != kUnpaired || patLen[j] == 0) continue;
    int e = j;
    while (Connected(pat, cx.patCount, e) && corr->patFirst[e + 1] == kUnpaired) ++e;
    const bool joinsNext = e + 1 < cx.patCount && paired(e + 1) && Connected(pat, cx.patCount, e);
    const bool joinsPrevious = j >= 1 && paired(j - 1) && Connected(pat, cx.patCount, j - 1);
    if (!joinsNext && !joinsPrevious) {
      for (int p = j; p <= e; ++p) refine::AddTo(score->patternOmission, patLen[p]);
    } else if (joinsPrevious && !joinsNext && j == e && patLen[j] < kShortHook) {
      // A short hook at the end of a stroke costs its length once instead of twice.
      refine::AddTo(score->patternOmission, -patLen[j]);
    }
  }
  cx.Finish();
}

void RefineCorrespondence(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,
                          SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen) {
  MergeLonePatternSegments(input, pattern, score, corr, inLen, patLen);
  MergeLoneInputSegments(input, pattern, score, corr, inLen, patLen);
  MergePatternRuns(input, pattern, score, corr, inLen, patLen);
  SwapGroupsAtPenUps(input, pattern, score, corr, inLen, patLen);
  RepairByExchange(input, pattern, score, corr, inLen, patLen);
  MatchInputRunsToPenUps(input, pattern, score, corr, inLen, patLen);
  InputPenUpCheck(input, pattern, score, corr, inLen, patLen);
  OffstrokeOmomi(input, pattern, score, corr, inLen, patLen);
  SettlePatternLeftovers(input, pattern, score, corr, inLen, patLen);
}
