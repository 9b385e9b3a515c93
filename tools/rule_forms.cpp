// The small-form rule seen from the dictionary's side, through the engine's table.
#include "rule_forms.h"

#include "candrules.h"

namespace {

// The engine looks up large forms in this range only.
constexpr uint16_t kFirstLarge = 0x824F;
constexpr uint16_t kLastLarge = 0x8396;

// Lower-case p hangs below the line: its shape is not a smaller Ｐ, so it keeps
// patterns of its own.
constexpr uint16_t kSmallP = 0x8290;

}  // namespace

uint16_t RuleLargeFormOf(uint16_t code) {
  if (code == kSmallP) return 0;
  for (uint32_t large = kFirstLarge; large <= kLastLarge; ++large)
    if (SmallFormOf(static_cast<uint16_t>(large)) == code && code != 0) return static_cast<uint16_t>(large);
  return 0;
}

std::set<uint16_t> RuleReachableForms(const std::map<uint16_t, size_t>& patternsPerCode) {
  std::set<uint16_t> reachable;
  for (uint32_t large = kFirstLarge; large <= kLastLarge; ++large) {
    const uint16_t small = SmallFormOf(static_cast<uint16_t>(large));
    const auto it = patternsPerCode.find(static_cast<uint16_t>(large));
    if (small != 0 && small != kSmallP && it != patternsPerCode.end() && it->second > 0) reachable.insert(small);
  }
  return reachable;
}
