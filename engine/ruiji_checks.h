// Running the structural checks of the look-alike table on a ranked candidate; the
// tests themselves are in ruiji_joints and ruiji_loops.
#pragma once

#include <cstdint>

#include "ruiji_context.h"
#include "ruiji_table.h"

// True when check `index` (0..2) of entry passes on the candidate at rank.
bool RuijiCheckPasses(RuijiContext& ctx, int rank, const RuijiEntry& entry, int index);
// True when the entry's checks all pass; check 0 passes the entry at once.
bool RuijiEntryPasses(RuijiContext& ctx, int rank, const RuijiEntry& entry);
