// The candidate list operations every character rule is built from.
#include "candlist.h"

#include <utility>

#include "codes.h"

namespace {

bool IsEmpty(const KohoSlot& s) { return s.code == kEmptyCode; }

void Clear(KohoSlot* s) {
  *s = KohoSlot{};
  s->distance = kAbsentDistance;
  s->code = kEmptyCode;
}

// Number of candidates before the end code, at most 10.
int CandidateCount(const KohoSlot* list) {
  int n = 0;
  while (n < kRankedSlots && !IsEmpty(list[n])) ++n;
  return n;
}

}  // namespace

int ZkIsCodeKohoNo(uint16_t code, const KohoSlot* list) {
  for (int i = 0; i < kRankedSlots && !IsEmpty(list[i]); ++i)
    if (list[i].code == code) return i;
  return kNotRanked;
}

void ZkDelGesture(KohoSlot* list) {
  int kept = 0;
  for (int i = 0; i < kRankedSlots; ++i) {
    if (list[i].typeMask & kClassGesture) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  for (int i = kept; i < kRankedSlots; ++i) Clear(&list[i]);
}

bool InsertCandidate(KohoSlot* list, int p, uint16_t c, Place place, uint32_t classMask) {
  if (p < 0 || p >= kRankedSlots) return false;  // the list keeps ten candidates
  KohoSlot tmpl;
  if (list[p].distance == kAbsentDistance) {
    Clear(&tmpl);
    tmpl.distance = kAbsentDistance - 1;
  } else {
    tmpl = list[p];
  }
  tmpl.code = c;
  tmpl.typeMask = ZkCheckJisyu(c);
  if ((tmpl.typeMask & classMask) == 0) return false;
  for (int i = 0; i < p; ++i)
    if (list[i].code == c) return false;

  // The first slot from p holding nothing or c is overwritten; slot 9 at worst.
  int j = p;
  while (j < kRankedSlots - 1 && !IsEmpty(list[j]) && list[j].code != c) ++j;
  for (int i = j; i > p; --i) list[i] = list[i - 1];
  const int at = place == Place::kBefore ? p : p + 1;
  if (at >= kRankedSlots) return false;
  list[at] = tmpl;
  return true;
}

void ExchangeSlots(KohoSlot* list, int a, int b) {
  if (a != b) std::swap(list[a], list[b]);
}

void PromoteCandidate(KohoSlot* list, uint16_t x, uint32_t classMask) {
  const int r = ZkIsCodeKohoNo(x, list);
  if (r < kRankedSlots) ExchangeSlots(list, 0, r);
  else InsertCandidate(list, 0, x, Place::kBefore, classMask);
}

void GroupLookAlikes(KohoSlot* list, const uint16_t* members, int count, uint32_t classMask) {
  // Members by rank, then the unranked ones in list order.
  uint16_t ordered[5];
  int n = 0;
  for (int r = 0; r < kRankedSlots; ++r)
    for (int m = 0; m < count && m < 5; ++m)
      if (members[m] != kEmptyCode && ZkIsCodeKohoNo(members[m], list) == r) ordered[n++] = members[m];
  if (n == 0) return;
  for (int m = 0; m < count && m < 5; ++m)
    if (members[m] != kEmptyCode && ZkIsCodeKohoNo(members[m], list) == kNotRanked) ordered[n++] = members[m];

  int p = ZkIsCodeKohoNo(ordered[0], list);
  for (int m = 1; m < n; ++m) {
    if (p < kRankedSlots - 1 && list[p + 1].code != ordered[m])
      InsertCandidate(list, p, ordered[m], Place::kAfter, classMask);
    ++p;
  }
}

void MovePreferredClasses(KohoSlot* list, uint32_t preferred) {
  const int n = CandidateCount(list);
  KohoSlot reordered[kRankedSlots];
  int at = 0;
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < n; ++i)
      if (((list[i].typeMask & preferred) != 0) == (pass == 0)) reordered[at++] = list[i];
  for (int i = 0; i < n; ++i) list[i] = reordered[i];
}
