// The engine API: initialisation and shutdown, and the recognition of one
// character from pen data through the stages to the result record.
#include "recog.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "candlist.h"
#include "candrules.h"
#include "dicfile.h"
#include "dicindex.h"
#include "match.h"
#include "preprocess.h"
#include "recogstages.h"
#include "ruiji.h"
#include "usrdic.h"

KohoSlot ZkKoho[kKohoSlots];
KusabiPattern ZkIMDType;
ZkOptionRec ZkOption = {kClassAll, 0, 0, 0, 0, 0};
uint16_t ZkIHPen[kPenCopyWords];
NormState ZkNormResult;

int ZkCRecInitializesFrom(const char* systemDicPath, const char* userDicPath) {
  ZkCRecEnd();
  ZkSetUsrDicPath(userDicPath);  // the user dictionary is saved where it was read
  const int loaded = HiRecLoadRecDic(ZkRecDic, ZkUsrDic, systemDicPath, userDicPath);
  if (loaded != kDicOk) return loaded;
  if (ZkBuildDicIndex(ZkRecDic, ZkUsrDic) != kDicOk) {
    ZkCRecEnd();
    return kDicNoMemory;
  }
  return kDicOk;
}

int ZkCRecInitializes() { return ZkCRecInitializesFrom(nullptr, nullptr); }

void ZkCRecEnd() {
  ZkReleaseDicTable(ZkRecDic);
  ZkReleaseDicTable(ZkUsrDic);
  ZkRecDicTbl[0] = nullptr;
}

namespace {

// The side the ink is scaled to before its pattern is extracted. Resampling counts in
// pixels (a step of at least 4), so without it a character written 40 pixels high was
// resampled more coarsely, for its size, than one written 160 high, and read
// differently. Chosen on seed 1 of zkbench-gen with zkbench-size (100, 150, ... 400:
// the larger, the fewer differences between a third and four thirds of the size).
constexpr int kInkSide = 400;

// The ink moved to the origin and scaled so that its box's larger side is `side`
// pixels (the pattern does not depend on where the ink lies): resampling then takes the
// same share of the character at every size.
std::vector<uint16_t> ScaledInk(const uint16_t* pen, int strokes, int side) {
  int minX = INT32_MAX, minY = INT32_MAX, maxX = INT32_MIN, maxY = INT32_MIN;
  const uint16_t* p = pen;
  for (int s = 0; s < strokes && p[0] == kStrokeMark; ++s) {
    const int n = static_cast<int16_t>(p[1]);
    if (n < 0) break;
    for (int i = 0; i < n; ++i) {
      const int x = static_cast<int16_t>(p[2 + 2 * i]), y = static_cast<int16_t>(p[3 + 2 * i]);
      minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    p += 2 + 2 * static_cast<size_t>(n);
  }
  const size_t words = static_cast<size_t>(p - pen);
  std::vector<uint16_t> out(pen, pen + words);
  out.push_back(kPenEnd);
  const int larger = std::max(maxX - minX, maxY - minY);
  if (larger < 1) return out;
  for (size_t w = 0; w < words;) {
    const int n = static_cast<int16_t>(out[w + 1]);
    for (int i = 0; i < n; ++i) {
      uint16_t& x = out[w + 2 + 2 * static_cast<size_t>(i)];
      uint16_t& y = out[w + 3 + 2 * static_cast<size_t>(i)];
      x = static_cast<uint16_t>((static_cast<int16_t>(x) - minX) * side / larger);
      y = static_cast<uint16_t>((static_cast<int16_t>(y) - minY) * side / larger);
    }
    w += 2 + 2 * static_cast<size_t>(n);
  }
  return out;
}

}  // namespace

void ZkChar(const uint16_t* pen, DicEntry* const* selection, KohoSlot* list, NormState* norm, int strokes) {
  // The pattern comes from the scaled ink; the size classes (`norm`) from the ink as
  // written in its frame.
  const std::vector<uint16_t> scaled = ScaledInk(pen, strokes, kInkSide);
  NormState scaledNorm{};
  ZkRNKinji(scaled.data(), &ZkIMDType, &scaledNorm, strokes);
  uint16_t resampled[kPenStreamWords], normalised[kPenStreamWords];
  ZkRsmp(pen, resampled, kPenStreamWords, 4, strokes);
  ZkNorm(resampled, normalised, norm);
  ZkMatch(&ZkIMDType, selection, list);
  if (ZkRuijiEnabled) ZkRuiji(&ZkIMDType, pen, strokes, list);
  ZkNormDist(strokes, list);
  list[kEndSlot].distance = kAbsentDistance;
  list[kEndSlot].code = kEmptyCode;
}

int ZkCharcterRecognize(const ZkOptionRec* option, const uint16_t* pen, int strokes, KohoSlot* list) {
  if (!ZkSetRequiredRecDic(option->mask, ZkRecDic, ZkUsrDic, ZkRecDicTbl)) return 1;
  ZkChar(pen, ZkRecDicTbl, list, &ZkNormResult, strokes);
  ZkSizeClasses(*option, static_cast<int16_t>(pen[3]), &ZkNormResult);

  const RuleContext ctx{option->mask,           option->flags,           ZkNormResult.upperHalf,
                        ZkNormResult.widthClass, ZkNormResult.heightClass, strokes};
  ApplyLookAlikeGroups(list, ctx);
  ApplyMarkRules(list, ctx);
  ApplyVoicedMarkRules(list, ctx);
  ApplySymbolToLetterRules(list, ctx);
  AddSmallForms(list, ctx);
  if (option->flags != 0 && (option->flags & option->mask) != 0) MovePreferredClasses(list, option->flags);
  return 0;
}

int ZkCRecognize(const ZkOptionRec* option, const uint16_t* pen, size_t penWords, ZkResult* result) {
  const int strokes = CopyPenData(pen, penWords, ZkIHPen, kPenCopyWords);
  if (strokes == 0) return 2;
  const ZkOptionRec opt = option ? *option : ZkOption;
  const int r = ZkCharcterRecognize(&opt, ZkIHPen, strokes, ZkKoho);
  if (r != 0) return r;
  if (result) ZkBuildResult(opt, ZkIHPen, ZkKoho, result);
  return 0;
}
