// The small-form rule seen from the dictionary's side: which small forms the
// dictionary leaves to the engine, checked against the engine's own table.
#include "rule_forms.h"

#include <algorithm>
#include <iterator>

#include "candrules.h"

namespace {

// The engine looks up large forms in this range only.
constexpr uint16_t kFirstLarge = 0x824F;
constexpr uint16_t kLastLarge = 0x8396;

// Small kana and the small letters that are scaled-down capitals. Lower-case p is
// not among them: it hangs below the line, so it keeps patterns of its own.
constexpr uint16_t kScaledSmallForms[] = {
    0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82C1, 0x82E1, 0x82E3, 0x82E5, 0x82EC,  // ぁぃぅぇぉっゃゅょゎ
    0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8362, 0x8383, 0x8385, 0x8387, 0x838E,  // ァィゥェォッャュョヮ
    0x8395, 0x8396,                                                                  // ヵヶ
    0x8283, 0x828F, 0x8293, 0x8296, 0x8297, 0x8298, 0x829A,                          // ｃｏｓｖｗｘｚ
};

bool IsScaledSmallForm(uint16_t code) {
  return std::find(std::begin(kScaledSmallForms), std::end(kScaledSmallForms), code) != std::end(kScaledSmallForms);
}

}  // namespace

std::vector<uint16_t> ScaledSmallForms() {
  return std::vector<uint16_t>(std::begin(kScaledSmallForms), std::end(kScaledSmallForms));
}

uint16_t RuleLargeFormOf(uint16_t code) {
  // Only a small form the engine really derives may go without patterns: one its
  // table does not produce would become unreachable.
  if (!IsScaledSmallForm(code)) return 0;
  for (uint32_t large = kFirstLarge; large <= kLastLarge; ++large)
    if (SmallFormOf(static_cast<uint16_t>(large)) == code) return static_cast<uint16_t>(large);
  return 0;
}

std::set<uint16_t> RuleReachableForms(const std::map<uint16_t, size_t>& patternsPerCode) {
  std::set<uint16_t> reachable;
  for (uint32_t large = kFirstLarge; large <= kLastLarge; ++large) {
    const uint16_t small = SmallFormOf(static_cast<uint16_t>(large));
    const auto it = patternsPerCode.find(static_cast<uint16_t>(large));
    if (IsScaledSmallForm(small) && it != patternsPerCode.end() && it->second > 0) reachable.insert(small);
  }
  return reachable;
}
