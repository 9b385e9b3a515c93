// Character rules applied to the ranked list after matching: size classes, marks,
// voiced marks, symbols that look like letters, and small kana forms.
#pragma once

#include <cstdint>

#include "types.h"

// Size-class bits.
constexpr int16_t kSizeSmall = 1;
constexpr int16_t kSizeVerySmall = 4;

// What the rules know about the recognition: the options, the size classes and
// the number of strokes written.
struct RuleContext {
  uint32_t mask;
  uint32_t flags;
  int16_t upperHalf;
  int16_t widthClass;
  int16_t heightClass;
  int strokes;
  bool halfWidth() const { return (flags & kHalfWidthFlag) != 0; }
};

// Width and height classes from the frame and the bounding box of the resampled
// points in norm, and the upper-half flag from the first point (firstY) of the
// writing; written into norm. All three are 0 when the frame has no size.
void ZkSizeClasses(const ZkOptionRec& option, int firstY, NormState* norm);

// The look-alike groups of one- and two-stroke writings.
void ApplyLookAlikeGroups(KohoSlot* list, const RuleContext& ctx);

// One stroke: the marks 、。，．゜ against what they resemble.
void ApplyMarkRules(KohoSlot* list, const RuleContext& ctx);

// Two strokes: the voiced mark ゛ against い, り, リ, 八, ハ, and い after the leader ‥.
void ApplyVoicedMarkRules(KohoSlot* list, const RuleContext& ctx);

// Up to three strokes: symbols that are better read as letters when close.
void ApplySymbolToLetterRules(KohoSlot* list, const RuleContext& ctx);

// Small forms of kana and letters, before the large form when the writing is small.
void AddSmallForms(KohoSlot* list, const RuleContext& ctx);

// Small form of a code, or 0 when it has none.
uint16_t SmallFormOf(uint16_t code);
