// The refinement passes run after the greedy pairing of one comparison: they merge,
// swap and repair segment groups and weigh the pen-up movements between strokes.
#pragma once

#include "types.h"

// Every pass reads and rewrites the score and the correspondence of one comparison
// and ends by recomputing score->total.
#define ZK_REFINE_PASS(name)                                                                   \
  void name(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore* score,      \
            SegmentCorrespondence* corr, const int16_t* inLen, const int16_t* patLen)

ZK_REFINE_PASS(MergeLonePatternSegments);
ZK_REFINE_PASS(MergeLoneInputSegments);
ZK_REFINE_PASS(MergePatternRuns);
ZK_REFINE_PASS(SwapGroupsAtPenUps);
ZK_REFINE_PASS(RepairByExchange);
ZK_REFINE_PASS(MatchInputRunsToPenUps);
ZK_REFINE_PASS(InputPenUpCheck);
ZK_REFINE_PASS(OffstrokeOmomi);
ZK_REFINE_PASS(SettlePatternLeftovers);

// The nine passes in their fixed order.
ZK_REFINE_PASS(RefineCorrespondence);

#undef ZK_REFINE_PASS
