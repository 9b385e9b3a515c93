// The look-alike stage: when the first candidate fails the checks of its look-alike
// group, the best-ranked member of the group that passes its own checks goes first.
#include "ruiji.h"

#include <algorithm>

#include "recogstages.h"
#include "ruiji_checks.h"
#include "ruiji_context.h"
#include "ruiji_table.h"

namespace {

// The member entry for code, or null. Every member is looked at: the members are kept
// in ascending order except in one group, whose later member would otherwise be lost.
const RuijiEntry* FindMember(const RuijiGroup& group, uint16_t code) {
  for (int i = 1; i < group.count; ++i)
    if (group.entry[i].code == code) return &group.entry[i];
  return nullptr;
}

// Moves slot `from` to rank 0; ranks 0 .. from - 1 move down by one.
void MoveToFront(KohoSlot* list, int from) {
  const KohoSlot moved = list[from];
  for (int r = from; r > 0; --r) list[r] = list[r - 1];
  list[0] = moved;
}

// What matching says about the writing that the structural checks may not overturn.
// The checks were written to tell apart characters that matching finds about equally
// close; a member that matching puts clearly behind the first candidate (beyond
// ZkRuijiOvertakeMargin), or that has another stroke count than the writing while the
// first candidate has exactly its count, is not a look-alike of this writing, and
// promoting it turns a clean character into another one (a neat 万 into 方, a
// two-stroke Ｌ into し).
bool MayOvertake(const KohoSlot& leader, const KohoSlot& member, int inputStrokes) {
  if (member.distance - leader.distance > ZkRuijiOvertakeMargin(inputStrokes)) return false;
  return !(leader.patternStrokes == inputStrokes && member.patternStrokes != inputStrokes);
}

}  // namespace

// Three tenths of the standard deviation of the distances for the stroke count. On the
// benchmark's samples a member promoted from within this margin was more often the
// written character than the leader it displaced; from further behind, less often.
int ZkRuijiOvertakeMargin(int inputStrokes) { return ZkDstStDv[std::clamp(inputStrokes, 1, 30)] * 3 / 10; }

RuijiSettings Ruiji;

void ZkRuiji(const KusabiPattern* input, const uint16_t* pen, int strokes, KohoSlot* list) {
  if (input == nullptr || list == nullptr) return;
  const RuijiGroup* group = RuijiFindGroup(list[0].code);
  if (group == nullptr) return;
  RuijiContext ctx(input, pen, strokes, list);
  if (ctx.IsEnd(0) || RuijiEntryPasses(ctx, 0, group->entry[0])) return;
  for (int r = 1; r < kRuijiRanks && !ctx.IsEnd(r); ++r) {
    const RuijiEntry* member = FindMember(*group, list[r].code);
    if (member == nullptr) continue;
    if (Ruiji.ZkRuijiGuarded && !MayOvertake(list[0], list[r], input->strokes)) continue;
    if (RuijiEntryPasses(ctx, r, *member)) {
      MoveToFront(list, r);
      return;
    }
  }
}
