// Candidate matching: the bounded nearest-neighbour search of the input pattern
// over the selected sub-dictionaries into the eleven slots of the candidate list.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dicfile.h"
#include "types.h"

// Cap on the threshold of a comparison, by the pattern's stroke count.
extern const int16_t ZkHighWayMAXDIST[31];

// Slots of the list that matching fills (ranks 0..9 and the end slot).
constexpr int kMatchSlots = 11;

// Fills list slots 0..10 with the best matches over the null-terminated dictionary
// list, sorted by distance, one slot per code. Rewrites input->order.
void ZkMatch(KusabiPattern* input, DicEntry* const* dics, KohoSlot* list);

// Merges the patterns of one sub-dictionary into the list; inCoarse is the input's
// coarse descriptor (coarse.h).
void CandidateSearch(const KusabiPattern* input, const DicEntry* dic, KohoSlot* list, int16_t inTotal,
                     const int16_t* inLen, const uint8_t* inStrokeMap, const uint8_t* inCoarse);

// One comparison; 32767 when the pattern is rejected.
int16_t KusabiMatch(const KusabiPattern* input, const KusabiPattern* pattern, int16_t threshold,
                    const int16_t* inLen, int16_t inTotal, const uint8_t* inStrokeMap,
                    SegmentCorrespondence* corr);

// Segment indices by decreasing length (ties and zero lengths in index order).
void Get_Order_len_i(const int16_t* lengths, uint16_t* order, int count);

// Stable sort of the first `count` slots by distance.
void ZkBubbleSort(int count, KohoSlot* list);

// Keeps the first slot of every code among slots 0..10 and closes the gaps.
void RemoveDuplicateCandidates(KohoSlot* list);

// The pre-selection windows, exposed for tests and tools.
// First group searched for an input of n strokes (groups first..20 are searched).
int FirstSearchGroup(int inputStrokes);

// Patterns with many more strokes than the writing would need the writer to have
// joined that many strokes; they are seldom the answer and cost most of the search.
// A writing of n strokes is compared with patterns of at most n + max(2, n / 4)
// strokes (group LastSearchGroup(n)).
constexpr int kJoinsAlwaysSearched = 2;
int LastSearchGroup(int inputStrokes);

// Of the patterns of one sub-dictionary that pass the windows, only the
// kPreselected nearest by the coarse descriptor (coarse.h) are compared in full,
// in search order. The answer was among them for every writing of the benchmark's
// tuning samples with 40; the full comparisons are most of a recognition's time.
constexpr size_t kPreselected = 80;

struct MatchWindow {
  int lo, hi;  // inclusive
};
// Stored total lengths compared for patterns of k strokes.
MatchWindow LengthWindow(int16_t inTotal, int k, int inputStrokes);
// Segment counts compared for patterns of k strokes.
MatchWindow SegmentCountWindow(int inputSegments, int k, int inputStrokes);
