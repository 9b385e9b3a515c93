// Selecting sub-dictionaries by class, the per-sub-dictionary index of pattern
// lengths, and reading pattern records out of a block.
#pragma once

#include <cstdint>

#include "dicfile.h"

// Fills the selection table (user entries first, null-terminated) for a class
// mask. 1 = done, 0 = a table holds an entry of the wrong kind before its end.
int ZkSetRequiredRecDic(uint32_t mask, DicEntry* sys, DicEntry* usr, DicEntry** table);

// Iterates group `group` of a sub-dictionary: call with index 0, 1, 2, ... in order.
// Unpacks the pattern (its stroke count is left alone), stores the record's address
// through `record` and returns the code; 0 when the group has no more patterns.
uint16_t ZkGetDicPattern(const DicEntry* entry, int group, int index, KusabiPattern* pattern,
                         const uint8_t** record);

// Unpacks one record given by address; 0 when the address is null. Leaves the
// pattern's stroke count alone (the caller knows the group).
uint16_t ZkGetDicOnePattern(const uint8_t* record, KusabiPattern* pattern);

// Builds the index of every loaded sub-dictionary of both tables.
// 0 = done, 100 = memory exhausted.
int ZkBuildDicIndex(DicEntry* sys, DicEntry* usr);

// Builds the index of one sub-dictionary (also after the user dictionary changed).
int ZkBuildEntryIndex(DicEntry* entry);

// Total segment length of a record, as stored in its index item.
uint16_t DicRecordLength(const uint8_t* record);
