// Look-alike discrimination: structural checks that may move a lower-ranked member
// of the first candidate's look-alike group to the first place.
#pragma once

#include <cstdint>

#include "types.h"

// Reorders the candidate list (kKohoSlots slots) in place. input is the pattern the
// list was matched with; pen the engine's copy of the pen data with its stroke count.
// Distances are the raw matching distances (before normalisation).
void ZkRuiji(const KusabiPattern* input, const uint16_t* pen, int strokes, KohoSlot* list);

// How far (in raw distance) behind the first candidate a member may be and still be
// moved in front of it, for a writing of this many strokes.
int ZkRuijiOvertakeMargin(int inputStrokes);

// When set, called for every check the stage runs (rank of the slot, its code, the
// check number, its parameters and the outcome), so a tool can show why a list moved.
using ZkRuijiTraceFn = void (*)(int rank, uint16_t code, int number, const int8_t* p, bool passed);

// The stage's settings, owned in one record; its members keep their names.
struct RuijiSettings {
  // On unless a tool switches the stage off to measure what it does.
  bool ZkRuijiEnabled = true;
  // On unless a tool measures the checks without the matching evidence that keeps them
  // from promoting a member matching puts clearly behind (see ZkRuiji).
  bool ZkRuijiGuarded = true;
  ZkRuijiTraceFn ZkRuijiTrace = nullptr;
};
extern RuijiSettings Ruiji;
