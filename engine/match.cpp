// The candidate search: stroke-count range, length and segment-count windows, one
// comparison per admitted pattern, and the eleven-slot list that knows its worst.
#include "match.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "coarse.h"
#include "dicindex.h"
#include "loop.h"
#include "patscan.h"
#include "refine.h"
#include "segdist.h"

const int16_t ZkHighWayMAXDIST[31] = {32767, 306,  342,  404,  536,  633,  723,  788,  811,  848,  895,
                                      936,   949,  973,  997,  1067, 1066, 1104, 1127, 1135, 1149, 1253,
                                      1317,  1209, 1321, 1321, 1321, 1321, 1321, 1321, 1321};

namespace {

// Arithmetic shift right (rounds toward minus infinity, also for negative values).
int Shr(int v, int bits) { return v >= 0 ? v >> bits : -((-v + (1 << bits) - 1) >> bits); }

int SegmentsOf(const KusabiPattern* p) { return std::clamp<int>(p->segments, 0, kMaxSegments); }

// Segment lengths of a shape and their 16-bit total.
int16_t Lengths(const KusabiPattern* shape, int16_t* lengths) {
  int16_t total = 0;
  for (int i = 0; i < SegmentsOf(shape); ++i) {
    lengths[i] = SegmentLength(shape->segment[i]);
    total = static_cast<int16_t>(total + lengths[i]);
  }
  return total;
}

void EmptySlot(KohoSlot* slot) {
  slot->distance = kAbsentDistance;
  slot->code = kEmptyCode;
}

// The slot with the largest distance; among equal ones the highest-numbered.
int WorstSlot(const KohoSlot* list) {
  int worst = kMatchSlots - 1;
  for (int i = kMatchSlots - 2; i >= 0; --i)
    if (list[i].distance > list[worst].distance) worst = i;
  return worst;
}

}  // namespace

int FirstSearchGroup(int inputStrokes) {
  int s = inputStrokes - 2;
  if (s < 0) s = 0;
  else if (s > 20) s = 20;
  else if (s > 15) s = s - 1;
  return s;
}

int LastSearchGroup(int inputStrokes) {
  const int joins = std::max(kJoinsAlwaysSearched, inputStrokes / 4);
  return std::clamp(inputStrokes - 1 + joins, 0, kDicGroups - 1);
}

MatchWindow LengthWindow(int16_t inTotal, int k, int inputStrokes) {
  // For patterns of more strokes the input length is scaled down toward L(k + n)/2k.
  const int32_t scaled = (static_cast<int32_t>(inTotal) * (k - inputStrokes)) / k;
  const int16_t e = static_cast<int16_t>(inTotal - scaled / 2);
  return MatchWindow{e - Shr(e, 2) - Shr(e, 4), e + Shr(e, 2) + Shr(e, 4)};
}

MatchWindow SegmentCountWindow(int inputSegments, int k, int inputStrokes) {
  const int d = Shr(inputStrokes <= 21 ? k - inputStrokes : k - 21, 1);
  return MatchWindow{inputSegments - d - 4, inputSegments - Shr(d, 1) + 4};
}

void Get_Order_len_i(const int16_t* lengths, uint16_t* order, int count) {
  count = std::clamp(count, 0, kMaxSegments);
  bool taken[kMaxSegments] = {};
  int r = 0;
  for (; r < count; ++r) {
    int best = -1, bestLength = 0;
    for (int i = 0; i < count; ++i)
      if (!taken[i] && lengths[i] > bestLength) {
        best = i;
        bestLength = lengths[i];
      }
    if (best < 0) break;  // only zero lengths are left
    order[r] = static_cast<uint16_t>(best);
    taken[best] = true;
  }
  for (int i = 0; i < count; ++i)
    if (!taken[i]) order[r++] = static_cast<uint16_t>(i);
}

void ZkBubbleSort(int count, KohoSlot* list) {
  // Slots are large (they carry the correspondence): the order is found on indices
  // and each slot moved once.
  count = std::clamp(count, 0, kMatchSlots);
  int order[kMatchSlots];
  for (int i = 0; i < count; ++i) order[i] = i;
  std::stable_sort(order, order + count, [list](int x, int y) { return list[x].distance < list[y].distance; });
  int i = 0;
  while (i < count && order[i] == i) ++i;
  if (i == count) return;
  KohoSlot sorted[kMatchSlots];
  for (int j = i; j < count; ++j) sorted[j] = list[order[j]];
  for (int j = i; j < count; ++j) list[j] = sorted[j];
}

void RemoveDuplicateCandidates(KohoSlot* list) {
  for (int i = 0; i < kMatchSlots - 1; ++i) {
    if (list[i].code == kEmptyCode) continue;
    for (int j = i + 1; j < kMatchSlots; ++j)
      if (list[j].code == list[i].code) EmptySlot(&list[j]);
  }
  for (int i = 0; i < kMatchSlots - 1; ++i) {
    if (list[i].code != kEmptyCode) continue;
    int j = i + 1;
    while (j < kMatchSlots && list[j].code == kEmptyCode) ++j;
    if (j == kMatchSlots) break;
    list[i] = list[j];
    EmptySlot(&list[j]);
  }
}

namespace {

// The comparison after a greedy pass that stayed below the threshold: the nine
// refinement passes, the loop pass of small writings and the score's copy.
int16_t RefineComparison(const KusabiPattern* input, const KusabiPattern* pattern, MatchScore score,
                         const int16_t* inLen, const int16_t* patLen, const uint8_t* inStrokeMap,
                         SegmentCorrespondence* corr) {
  uint8_t patStrokeMap[kMaxSegments];
  BuildStrokeMap(*pattern, patStrokeMap);

  RefineCorrespondence(input, pattern, &score, corr, inLen, patLen);
  if (input->strokes < 5 && input->segments < 11) {
    ChainResult delta{0, 0, 0};
    LoopPass(pattern, input, &delta, inLen, patLen, inStrokeMap, patStrokeMap, corr);
    score.total = static_cast<int16_t>(score.total + delta.total);
    score.posSum = static_cast<int16_t>(score.posSum + delta.pos);
    score.shapeSum = static_cast<int16_t>(score.shapeSum + delta.shape);
  }
  corr->inputOmission = static_cast<uint16_t>(score.inputOmission);
  corr->patternOmission = static_cast<uint16_t>(score.patternOmission);
  corr->extra = static_cast<uint16_t>(score.extra);
  return score.total;
}

void ResetCorrespondence(SegmentCorrespondence* corr) {
  // Every segment unpaired and no group: all bytes of the per-segment arrays 0xFF.
  static_assert(kUnpaired == 0xFF && kNoGroup == 0xFFFF, "the reset relies on all-ones markers");
  std::memset(corr, 0xFF, offsetof(SegmentCorrespondence, inputOmission));
}

// The same for the segments in use: the passes read no entry past the input's
// nIn and the pattern's nPat segments.
void ResetCorrespondence(SegmentCorrespondence* corr, int nIn, int nPat) {
  const size_t in = static_cast<size_t>(std::clamp(nIn, 0, kMaxSegments));
  const size_t pat = static_cast<size_t>(std::clamp(nPat, 0, kMaxSegments));
  std::memset(corr->inFirst, 0xFF, in);
  std::memset(corr->inLast, 0xFF, in);
  std::memset(corr->patFirst, 0xFF, pat);
  std::memset(corr->patLast, 0xFF, pat);
  std::memset(corr->groupPos, 0xFF, pat * sizeof(corr->groupPos[0]));
  std::memset(corr->groupShape, 0xFF, pat * sizeof(corr->groupShape[0]));
}

// One comparison with a stored pattern: the greedy pass runs on the pattern's block
// copy, and the record is unpacked into *pattern only when that pass stays below the
// threshold (most patterns end there). *code receives the record's code then.
int16_t MatchStoredPattern(const KusabiPattern* input, const PatternScan& scan, const uint8_t* record, int k,
                           int16_t threshold, const int16_t* inLen, int16_t inTotal, const uint8_t* inStrokeMap,
                           KusabiPattern* pattern, SegmentCorrespondence* corr, uint16_t* code) {
  ResetCorrespondence(corr, input->segments, scan.segments);
  MatchScore score{};
  if (!GreedyScanMatchBelow(input, scan, k, &score, inLen, corr, inTotal, threshold) || score.total >= threshold)
    return kAbsentDistance;
  *code = ZkGetDicOnePattern(record, pattern);
  pattern->strokes = static_cast<uint16_t>(k);
  return RefineComparison(input, pattern, score, inLen, scan.length, inStrokeMap, corr);
}

}  // namespace

int16_t KusabiMatch(const KusabiPattern* input, const KusabiPattern* pattern, int16_t threshold,
                    const int16_t* inLen, int16_t inTotal, const uint8_t* inStrokeMap,
                    SegmentCorrespondence* corr) {
  // Both shapes hold at most kMaxSegments segments (SegmentsOf), so every chain the
  // passes build from them stays within the sizes ChainDistance works with.
  int16_t patLen[kMaxSegments];
  const int16_t patTotal = Lengths(pattern, patLen);
  ResetCorrespondence(corr);

  // Charges reaching the threshold reject the pattern already during the pass.
  MatchScore score{};
  if (!GreedySegmentMatchBelow(input, pattern, &score, inLen, patLen, corr, inTotal, patTotal, threshold) ||
      score.total >= threshold)
    return kAbsentDistance;
  return RefineComparison(input, pattern, score, inLen, patLen, inStrokeMap, corr);
}

namespace {

// A pattern that passed the windows, in search order, and its coarse distance.
struct Admitted {
  const DicIndexItem* item;
  int k;             // the pattern's stroke count
  uint16_t ordinal;  // among the group's patterns inside the length window
  int coarse;        // coarse distance to the writing
};

// Keeps the `keep` patterns of the smallest coarse distance (the earlier on ties)
// and leaves them in search order.
void KeepNearest(std::vector<Admitted>* admitted, size_t keep) {
  if (admitted->size() <= keep) return;
  std::vector<Admitted>& a = *admitted;
  std::nth_element(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(keep), a.end(),
                   [](const Admitted& x, const Admitted& y) {
                     return x.coarse != y.coarse ? x.coarse < y.coarse : x.item < y.item;
                   });
  a.resize(keep);
  std::sort(a.begin(), a.end(), [](const Admitted& x, const Admitted& y) { return x.item < y.item; });
}

}  // namespace

void CandidateSearch(const KusabiPattern* input, const DicEntry* dic, KohoSlot* list, int16_t inTotal,
                     const int16_t* inLen, const uint8_t* inStrokeMap, const uint8_t* inCoarse) {
  const int n = input->strokes;
  const int nInSegments = SegmentsOf(input);

  thread_local std::vector<Admitted> admitted;  // kept to spare an allocation per search
  admitted.clear();
  for (int group = FirstSearchGroup(n); group <= LastSearchGroup(n); ++group) {
    const DicIndexItem* item = dic->groupList[group];
    if (item == nullptr) continue;
    const int k = group + 1;
    const MatchWindow lengths = LengthWindow(inTotal, k, n);
    const MatchWindow segments = SegmentCountWindow(nInSegments, k, n);
    uint16_t ordinal = 0;
    for (; item->pattern != nullptr; ++item) {
      const int stored = static_cast<int16_t>(item->length);
      if (stored < lengths.lo || stored > lengths.hi) continue;
      ++ordinal;
      if (item->segments < segments.lo || item->segments > segments.hi) continue;
      admitted.push_back(Admitted{item, k, ordinal, 0});
    }
  }
  if (admitted.size() > kPreselected) {
    for (Admitted& a : admitted) a.coarse = CoarseDistance(inCoarse, ScanAt(*dic->scans, a.item->scan).coarse);
    KeepNearest(&admitted, kPreselected);
  }

  int worst = WorstSlot(list);
  KusabiPattern pattern{};
  for (int i = 0; i < kMaxSegments; ++i) pattern.order[i] = pattern.index[i] = static_cast<uint16_t>(i);
  SegmentCorrespondence corr{};
  for (const Admitted& a : admitted) {
    const int k = a.k;
    const int16_t threshold = std::min(list[worst].distance, ZkHighWayMAXDIST[k]);
    uint16_t code = 0;
    const int16_t dist = MatchStoredPattern(input, ScanAt(*dic->scans, a.item->scan), a.item->pattern, k, threshold,
                                            inLen, inTotal, inStrokeMap, &pattern, &corr, &code);
    if (dist >= list[worst].distance) continue;  // equal distances keep the earlier pattern
    KohoSlot& slot = list[worst];
    slot.distance = dist;
    slot.code = code;
    slot.patternStrokes = static_cast<uint16_t>(k);
    slot.patternSegments = static_cast<uint16_t>(pattern.segments);
    slot.dicKind = dic->kind;
    slot.typeMask = dic->typeMask;
    slot.flags = dic->flags;
    slot.ordinal = a.ordinal;
    slot.pattern = a.item->pattern;
    slot.corr = corr;
    worst = WorstSlot(list);
  }
  ZkBubbleSort(kMatchSlots, list);
  RemoveDuplicateCandidates(list);
}

void ZkMatch(KusabiPattern* input, DicEntry* const* dics, KohoSlot* list) {
  for (int i = 0; i < kMatchSlots; ++i) {
    list[i] = KohoSlot{};
    EmptySlot(&list[i]);
  }
  int16_t inLen[kMaxSegments] = {};
  const int16_t inTotal = Lengths(input, inLen);
  Get_Order_len_i(inLen, input->order, SegmentsOf(input));
  uint8_t inStrokeMap[kMaxSegments] = {};
  BuildStrokeMap(*input, inStrokeMap);
  uint8_t inCoarse[kCoarseBins];
  CoarseDescriptor(input->segment, SegmentsOf(input), inCoarse);
  for (int d = 0; d < 2 * kDicDirEntries && dics[d] != nullptr; ++d)
    CandidateSearch(input, dics[d], list, inTotal, inLen, inStrokeMap, inCoarse);
}
