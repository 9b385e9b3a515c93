// Finding the look-alike group a candidate leads.
#include "ruiji_table.h"

const RuijiGroup* RuijiFindGroup(uint16_t code) {
  for (const RuijiGroup* g = ZkRuijiTable; g->count != kRuijiTableEnd; ++g) {
    if (g->count < 2 || g->count > kRuijiEntriesPerGroup) continue;
    if (g->entry[0].code == code) return g;
  }
  return nullptr;
}
