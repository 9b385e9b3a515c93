// Look-alike discrimination: structural checks that may move a lower-ranked member
// of the first candidate's look-alike group to the first place.
#pragma once

#include <cstdint>

#include "types.h"

// Reorders the candidate list (kKohoSlots slots) in place. input is the pattern the
// list was matched with; pen the engine's copy of the pen data with its stroke count.
void ZkRuiji(const KusabiPattern* input, const uint16_t* pen, int strokes, KohoSlot* list);

// On unless a tool switches the stage off to measure what it does.
extern bool ZkRuijiEnabled;
