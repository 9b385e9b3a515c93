// Grouping patterns by class and stroke count, and splitting blocks at the limits.
#include "dic_assembly.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <tuple>

#include "codes.h"
#include "dicfile.h"

namespace {

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", v);
  return buf;
}

bool EmptySub(const SubDicSpec& sub) {
  for (const auto& g : sub.groups)
    if (!g.empty()) return false;
  return true;
}

SubDicSpec NewSub(uint32_t typeMask) {
  SubDicSpec sub;
  sub.typeMask = typeMask;
  return sub;
}

}  // namespace

const std::vector<uint32_t>& DictionaryClassOrder() {
  static const std::vector<uint32_t> order = {kClassKanji, kClassHiragana, kClassKatakana, kClassCapital,
                                              kClassSmall, kClassDigit,    kClassSymbol};
  return order;
}

bool SplitIntoSubDics(uint32_t typeMask, const std::vector<DicPatternSpec> (&groups)[kDicGroups],
                      std::vector<SubDicSpec>* out, std::string* error) {
  SubDicSpec current = NewSub(typeMask);
  for (int k = 0; k < kDicGroups; ++k) {
    for (const DicPatternSpec& pattern : groups[k]) {
      // A limit can only be passed by the group's start (when it is opened) or by
      // its count; check the block then, and move on to a new one when it fails.
      const bool opensGroup = current.groups[k].empty();
      current.groups[k].push_back(pattern);
      const bool check = opensGroup || current.groups[k].size() > 0xFFFF ||
                         pattern.segments.size() > static_cast<size_t>(kMaxSegments);
      if (!check || SubDicFits(current, false)) continue;
      current.groups[k].pop_back();
      if (!EmptySub(current)) out->push_back(std::move(current));
      current = NewSub(typeMask);
      current.groups[k].push_back(pattern);
      std::string why;
      if (!SubDicFits(current, false, &why)) {
        *error = "pattern of code " + Hex(pattern.code) + " cannot be stored: " + why;
        return false;
      }
    }
  }
  if (!EmptySub(current)) out->push_back(std::move(current));
  return true;
}

bool AssembleSubDics(const std::vector<BuiltPattern>& patterns, std::vector<SubDicSpec>* out,
                     size_t* duplicatesDropped, std::string* error) {
  *duplicatesDropped = 0;
  const auto& order = DictionaryClassOrder();
  std::vector<std::vector<DicPatternSpec>> byClass[7];
  for (auto& groups : byClass) groups.resize(kDicGroups);
  std::set<std::tuple<uint16_t, int, std::vector<std::array<int8_t, 4>>>> seen;
  for (const BuiltPattern& p : patterns) {
    const uint32_t cls = ZkCheckJisyu(p.stored.code);
    const auto it = std::find(order.begin(), order.end(), cls);
    if (it == order.end()) {
      *error = "code " + Hex(p.stored.code) + " belongs to no character class of the dictionary";
      return false;
    }
    const int group = DicGroupOf(p.strokes);
    if (!seen.insert({p.stored.code, group, p.stored.segments}).second) {
      ++*duplicatesDropped;
      continue;
    }
    byClass[it - order.begin()][group].push_back(p.stored);
  }
  for (size_t c = 0; c < order.size(); ++c) {
    std::vector<DicPatternSpec> groups[kDicGroups];
    for (int k = 0; k < kDicGroups; ++k) groups[k] = std::move(byClass[c][k]);
    if (!SplitIntoSubDics(order[c], groups, out, error)) return false;
  }
  if (out->size() > static_cast<size_t>(kMaxSubDics)) {
    *error = "the patterns need " + std::to_string(out->size()) + " sub-dictionaries, more than 64";
    return false;
  }
  return true;
}
