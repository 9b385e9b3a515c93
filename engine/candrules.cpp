// The character rules: after matching, the list is adjusted for the marks, voiced
// marks, letter-like symbols and small forms that shapes alone cannot separate.
#include "candrules.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <iterator>

#include "candlist.h"

namespace {

constexpr uint16_t kTouten = 0x8141;     // 、
constexpr uint16_t kKuten = 0x8142;      // 。
constexpr uint16_t kComma = 0x8143;      // ，
constexpr uint16_t kPeriod = 0x8144;     // ．
constexpr uint16_t kDakuten = 0x814A;    // ゛
constexpr uint16_t kTwoDotLeader = 0x8164; // ‥
constexpr uint16_t kHandakuten = 0x814B; // ゜
constexpr uint16_t kBackslash = 0x815F;  // ＼
constexpr uint16_t kCircle = 0x819B;     // ○
constexpr uint16_t kZero = 0x824F;       // ０
constexpr uint16_t kLetterO = 0x826E;    // Ｏ

constexpr uint16_t kMarks[] = {kTouten, kKuten, kComma, kPeriod, kHandakuten};

bool IsMark(uint16_t code) { return std::find(std::begin(kMarks), std::end(kMarks), code) != std::end(kMarks); }

bool VerySmall(const RuleContext& ctx) {
  return (ctx.widthClass & kSizeVerySmall) && (ctx.heightClass & kSizeVerySmall);
}

int Rank(const KohoSlot* list, uint16_t code) { return ZkIsCodeKohoNo(code, list); }

// Worst rank among the ranked codes; `none` when none is ranked.
int WorstRank(const KohoSlot* list, std::initializer_list<uint16_t> codes, int none) {
  int worst = none;
  bool any = false;
  for (uint16_t c : codes) {
    const int r = Rank(list, c);
    if (r < kRankedSlots) {
      worst = any ? std::max(worst, r) : r;
      any = true;
    }
  }
  return worst;
}

// Best rank among the ranked codes, or kNotRanked.
int BestRank(const KohoSlot* list, const uint16_t* codes, int count) {
  int best = kNotRanked;
  for (int i = 0; i < count && codes[i] != 0; ++i) best = std::min(best, Rank(list, codes[i]));
  return best;
}

// Inserts `code` before the rank after the worst of `others` when it is not ranked.
void InsertAfterWorst(KohoSlot* list, uint16_t code, std::initializer_list<uint16_t> others, int none,
                      const RuleContext& ctx) {
  if (Rank(list, code) != kNotRanked) return;
  InsertCandidate(list, WorstRank(list, others, none) + 1, code, Place::kBefore, ctx.mask);
}

struct SymbolRule {
  uint16_t leader;
  uint16_t alternatives[4];  // 0 ends the list
};

const SymbolRule kSymbolRules[] = {
    {0x815E, {0x8250, 0x826D}},                  // ／: １ Ｎ
    {0x8160, {0x82D6, 0x8377}},                  // 〜: へ ヘ
    {0x8169, {0x82B5, 0x82AD, 0x8250}},          // （: し く １
    {0x816A, {0x82C1, 0x82C2, 0x836D, 0x8250}},  // ）: っ つ ノ １
    {0x817B, {0x8294, 0x8F5C, 0x8369}},          // ＋: ｔ 十 ナ
    {0x817C, {0x815B, 0x88EA}},                  // −: ー 一
    {0x817D, {0x9379, 0x8E6D}},                  // ±: 土 士
    {0x817E, {0x8298, 0x8277}},                  // ×: ｘ Ｘ
    {0x8181, {0x836A, 0x93F1}},                  // ＝: ニ 二
    {0x8182, {0x834C}},                          // ≠: キ
    {0x8183, {0x82AD}},                          // ＜: く
    {0x819B, {0x826E, 0x828F, 0x824F}},          // ○: Ｏ ｏ ０
    {0x819E, {0x826E, 0x828F}},                  // ◇: Ｏ ｏ
    {0x81A0, {0x838D, 0x8CFB, 0x826E, 0x828F}},  // □: ロ 口 Ｏ ｏ
    {0x81A7, {0x8365}},                          // 〒: テ
    {0x8275, {0x82D0}},                          // Ｖ: ひ
    {0x8279, {0x8251}},                          // Ｚ: ２
    {0x8296, {0x82D0}},                          // ｖ: ひ
    {0x9456, {0x82A5, 0x82A6}},                  // 之: ぇ え
};

struct SmallForm {
  uint16_t large, small;
};

const SmallForm kSmallForms[] = {
    {0x82A0, 0x829F}, {0x82A2, 0x82A1}, {0x82A4, 0x82A3}, {0x82A6, 0x82A5}, {0x82A8, 0x82A7},  // あいうえお
    {0x82C2, 0x82C1}, {0x82E2, 0x82E1}, {0x82E4, 0x82E3}, {0x82E6, 0x82E5}, {0x82ED, 0x82EC},  // つやゆよわ
    {0x8341, 0x8340}, {0x8343, 0x8342}, {0x8345, 0x8344}, {0x8347, 0x8346}, {0x8349, 0x8348},  // アイウエオ
    {0x8363, 0x8362}, {0x8384, 0x8383}, {0x8386, 0x8385}, {0x8388, 0x8387}, {0x838F, 0x838E},  // ツヤユヨワ
    {0x834A, 0x8395}, {0x8350, 0x8396},                                                        // カケ
    {0x8262, 0x8283}, {0x826E, 0x828F}, {0x826F, 0x8290}, {0x8272, 0x8293}, {0x8275, 0x8296},  // ＣＯＰＳＶ
    {0x8276, 0x8297}, {0x8277, 0x8298}, {0x8279, 0x829A},                                      // ＷＸＺ
    {0x824F, 0x828F}, {0x8251, 0x829A},                                                        // ０２
};

int SizeClass(int extent, int frame) {
  const int t1 = frame / 5, t2 = 2 * frame / 5;
  if (extent < t1) return kSizeSmall | kSizeVerySmall;
  if (extent < t2) return kSizeSmall;
  return 0;
}

}  // namespace

void ZkSizeClasses(const ZkOptionRec& option, int firstY, NormState* norm) {
  norm->upperHalf = norm->widthClass = norm->heightClass = 0;
  const int W = option.frameWidth, H = option.frameHeight;
  if (W < 1 || H < 1) return;
  norm->widthClass = static_cast<int16_t>(SizeClass(norm->maxX - norm->minX, W));
  norm->heightClass = static_cast<int16_t>(SizeClass(norm->maxY - norm->minY, H));
  // The remainder keeps the sign of the dividend: a point above the frame counts as upper.
  norm->upperHalf = ((firstY - option.frameY) % H) < H / 2 ? 1 : 0;
}

void ApplyLookAlikeGroups(KohoSlot* list, const RuleContext& ctx) {
  if (ctx.strokes == 1) {
    const uint16_t round[] = {kZero, kLetterO, kKuten, kCircle};
    GroupLookAlikes(list, round, 4, ctx.mask);
  } else if (ctx.strokes == 2) {
    const uint16_t colons[] = {0x8146, 0x8147};  // ： ；
    GroupLookAlikes(list, colons, 2, ctx.mask);
  }
}

void ApplyMarkRules(KohoSlot* list, const RuleContext& ctx) {
  if (ctx.strokes != 1) return;
  if (!VerySmall(ctx)) {
    // A writing of some size is no mark: the best non-mark goes first.
    if (!IsMark(list[0].code)) return;
    for (int i = 1; i < kRankedSlots && list[i].code != kEmptyCode; ++i)
      if (!IsMark(list[i].code)) {
        ExchangeSlots(list, 0, i);
        break;
      }
    return;
  }
  if (list[0].code == kBackslash) PromoteCandidate(list, kTouten, ctx.mask);
  else if (list[0].code == kCircle || list[0].code == kZero || list[0].code == kLetterO)
    PromoteCandidate(list, kKuten, ctx.mask);

  if (!IsMark(list[0].code)) {
    const int best = BestRank(list, kMarks, 5);
    if (best < kRankedSlots) ExchangeSlots(list, 0, best);
  }
  InsertAfterWorst(list, kPeriod, {kTouten, kKuten, kComma, kHandakuten}, -1, ctx);
  InsertAfterWorst(list, kTouten, {kPeriod, kKuten, kComma, kHandakuten}, -1, ctx);
  InsertAfterWorst(list, kComma, {kTouten, kKuten, kPeriod, kHandakuten}, -1, ctx);
  // A small circle written this small resamples to a dot: 。 follows the dots, as close.
  InsertAfterWorst(list, kKuten, {kTouten, kComma, kPeriod}, -1, ctx);

  if (!ctx.halfWidth()) {
    if (list[0].code == kHandakuten) PromoteCandidate(list, kKuten, ctx.mask);
    return;
  }
  // Half width: the position in the frame tells the mark ゜ from the full stop 。.
  if (ctx.upperHalf && list[0].code == kKuten) PromoteCandidate(list, kHandakuten, ctx.mask);
  else if (!ctx.upperHalf && list[0].code == kHandakuten) PromoteCandidate(list, kKuten, ctx.mask);
  if (list[0].code == kTouten) {
    PromoteCandidate(list, kPeriod, ctx.mask);
    InsertAfterWorst(list, kComma, {kTouten, kKuten, kHandakuten}, 0, ctx);
  }
}

void ApplyVoicedMarkRules(KohoSlot* list, const RuleContext& ctx) {
  if (ctx.strokes != 2) return;
  if (VerySmall(ctx) && ctx.halfWidth()) {
    const uint16_t c = list[0].code;
    if (c == 0x82A2 || c == 0x82E8 || c == 0x838A || c == 0x94AA || c == 0x836E)  // い り リ 八 ハ
      PromoteCandidate(list, kDakuten, ctx.mask);
    return;
  }
  // い written with its strokes apart reads as the leader ‥: い follows it, as close.
  if (list[0].code == kTwoDotLeader) InsertCandidate(list, 0, 0x82A2, Place::kAfter, ctx.mask);
  if (list[0].code != kDakuten) return;
  const uint16_t lookAlikes[] = {0x82A2, 0x82E8, 0x94AA, 0x836E};  // い り 八 ハ
  const int best = BestRank(list, lookAlikes, 4);
  if (best < kRankedSlots) ExchangeSlots(list, 0, best);
  else InsertCandidate(list, 0, 0x82A2, Place::kBefore, ctx.mask);
}

void ApplySymbolToLetterRules(KohoSlot* list, const RuleContext& ctx) {
  if (ctx.strokes < 1 || ctx.strokes > 3) return;
  const int leader = (list[0].typeMask & kClassGesture) ? 1 : 0;
  for (const SymbolRule& rule : kSymbolRules) {
    if (rule.leader != list[leader].code) continue;
    const int alt = BestRank(list, rule.alternatives, 4);
    if (alt < kRankedSlots && std::abs(list[leader].distance - list[alt].distance) / ctx.strokes <= 19)
      ExchangeSlots(list, leader, alt);
    return;
  }
}

uint16_t SmallFormOf(uint16_t code) {
  if (code < 0x824F || code > 0x8396) return 0;
  for (const SmallForm& f : kSmallForms)
    if (f.large == code) return f.small;
  return 0;
}

void AddSmallForms(KohoSlot* list, const RuleContext& ctx) {
  const bool small = (ctx.widthClass & kSizeSmall) && (ctx.heightClass & kSizeSmall);
  for (int i = 0; i < kRankedSlots && list[i].code != kEmptyCode;) {
    const uint16_t s = SmallFormOf(list[i].code);
    if (s != 0 && InsertCandidate(list, i, s, small ? Place::kBefore : Place::kAfter, ctx.mask)) i += 2;
    else i += 1;
  }
}
