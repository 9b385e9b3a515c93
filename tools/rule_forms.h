// Small kana and small letters that the engine derives from their large form after
// matching (before it when the writing is small, after it otherwise). Their shapes
// are the large ones scaled down, so stored patterns of them would only compete
// with the large forms by chance; the dictionary leaves them to that rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

// The large form the engine's small-form rule turns into `code`, for the small kana
// and small letters that are scaled-down copies of their large form; 0 for any
// other code, and for such a small form the engine's table does not produce (it
// then keeps its patterns). ｏ comes from both ０ and Ｏ; the first is returned.
uint16_t RuleLargeFormOf(uint16_t code);

// The small kana and small letters that are scaled-down copies of their large form.
std::vector<uint16_t> ScaledSmallForms();

// The codes the small-form rule makes reachable: those whose large form has a
// pattern in patternsPerCode.
std::set<uint16_t> RuleReachableForms(const std::map<uint16_t, size_t>& patternsPerCode);
