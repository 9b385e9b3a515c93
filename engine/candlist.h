// Operations on the ranked candidate list ZkKoho: finding a code, inserting,
// promoting, grouping look-alikes, removing gestures, preferred classes.
#pragma once

#include <cstdint>

#include "types.h"

// Ranks 0..9 hold candidates; the list ends at the first empty code.
constexpr int kRankedSlots = 10;
constexpr int kEndSlot = 10;
constexpr int kNotRanked = 11;

// Rank 0..9 of code among the first ten candidates before the end code, else 11.
int ZkIsCodeKohoNo(uint16_t code, const KohoSlot* list);

// Removes gesture candidates from ranks 0..9; the others close up in order and the
// freed slots are emptied.
void ZkDelGesture(KohoSlot* list);

enum class Place { kBefore, kAfter };

// Inserts code c before or after rank p; the new slot copies slot p (distance
// 32766 and no pattern when p is the end slot). Nothing happens when c lies outside
// the class mask or stands at a better rank than p. Returns true when inserted.
bool InsertCandidate(KohoSlot* list, int p, uint16_t c, Place place, uint32_t classMask);

// Brings code x to rank 0: exchanges slots when x is ranked, else inserts it there.
void PromoteCandidate(KohoSlot* list, uint16_t x, uint32_t classMask);

void ExchangeSlots(KohoSlot* list, int a, int b);

// Makes the members of a look-alike group (up to five codes, 0x8140 for none)
// follow the best-ranked of them.
void GroupLookAlikes(KohoSlot* list, const uint16_t* members, int count, uint32_t classMask);

// Moves the candidates whose type mask shares a bit with `preferred` to the front,
// keeping the order within both parts.
void MovePreferredClasses(KohoSlot* list, uint32_t preferred);
