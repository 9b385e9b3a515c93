// Placeholder refinement: the greedy pairing stands as it is. Replaced by refine.cpp.
#include "refine.h"

#define ZK_NOOP_PASS(name)                                                                 \
  void name(const KusabiPattern*, const KusabiPattern*, MatchScore*, SegmentCorrespondence*, \
            const int16_t*, const int16_t*) {}

ZK_NOOP_PASS(MergeLonePatternSegments)
ZK_NOOP_PASS(MergeLoneInputSegments)
ZK_NOOP_PASS(MergePatternRuns)
ZK_NOOP_PASS(SwapGroupsAtPenUps)
ZK_NOOP_PASS(RepairByExchange)
ZK_NOOP_PASS(MatchInputRunsToPenUps)
ZK_NOOP_PASS(InputPenUpCheck)
ZK_NOOP_PASS(OffstrokeOmomi)
ZK_NOOP_PASS(SettlePatternLeftovers)
ZK_NOOP_PASS(RefineCorrespondence)
