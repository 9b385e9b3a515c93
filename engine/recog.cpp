// The engine API: initialisation and shutdown, and the recognition of one
// character from pen data through the stages to the result record.
#include "recog.h"

#include "candlist.h"
#include "candrules.h"
#include "dicfile.h"
#include "dicindex.h"
#include "match.h"
#include "preprocess.h"
#include "recogstages.h"
#include "ruiji.h"
#include "usrdicfile.h"

thread_local RecogRunRec ZkRun;
ZkOptionRec ZkOption = {kClassAll, 0, 0, 0, 0, 0};

int ZkCRecInitializesFrom(const char* systemDicPath, const char* userDicPath) {
  ZkCRecEnd();
  ZkSetUsrDicPath(userDicPath);  // the user dictionary is saved where it was read
  const int loaded = HiRecLoadRecDic(Dic.ZkRecDic, Dic.ZkUsrDic, systemDicPath, userDicPath);
  if (loaded != kDicOk && loaded != kDicUserDamaged) return loaded;
  ZkNoteUsrDicLoaded(loaded == kDicUserDamaged);  // a damaged file is kept before it is saved over
  if (ZkBuildDicIndex(Dic.ZkRecDic, Dic.ZkUsrDic) != kDicOk) {
    ZkCRecEnd();
    return kDicNoMemory;
  }
  return loaded;
}

int ZkCRecInitializes() { return ZkCRecInitializesFrom(nullptr, nullptr); }

void ZkCRecEnd() {
  ZkReleaseDicTable(Dic.ZkRecDic);
  ZkReleaseDicTable(Dic.ZkUsrDic);
  Dic.ZkRecDicTbl[0] = nullptr;
}

void ZkChar(const uint16_t* pen, DicEntry* const* selection, KohoSlot* list, NormState* norm, int strokes) {
  ZkRNKinji(pen, &ZkRun.ZkIMDType, norm, strokes);
  ZkMatch(&ZkRun.ZkIMDType, selection, list);
  if (Ruiji.ZkRuijiEnabled) ZkRuiji(&ZkRun.ZkIMDType, pen, strokes, list);
  ZkNormDist(strokes, list);
  list[kEndSlot].distance = kAbsentDistance;
  list[kEndSlot].code = kEmptyCode;
}

int ZkCharcterRecognize(const ZkOptionRec* option, const uint16_t* pen, int strokes, KohoSlot* list) {
  // The selection is the call's own, so that recognitions on other threads cannot
  // change it under this one.
  DicEntry* selection[2 * kDicDirEntries];
  if (!ZkSetRequiredRecDic(option->mask, Dic.ZkRecDic, Dic.ZkUsrDic, selection)) return 1;
  ZkChar(pen, selection, list, &ZkRun.ZkNormResult, strokes);
  ZkSizeClasses(*option, static_cast<int16_t>(pen[3]), &ZkRun.ZkNormResult);

  const NormState& norm = ZkRun.ZkNormResult;
  const RuleContext ctx{option->mask,    option->flags,     norm.upperHalf,
                        norm.widthClass, norm.heightClass, strokes};
  ApplyLookAlikeGroups(list, ctx);
  ApplyMarkRules(list, ctx);
  ApplyVoicedMarkRules(list, ctx);
  ApplySymbolToLetterRules(list, ctx);
  AddSmallForms(list, ctx);
  if (option->flags != 0 && (option->flags & option->mask) != 0) MovePreferredClasses(list, option->flags);
  return 0;
}

int ZkCRecognize(const ZkOptionRec* option, const uint16_t* pen, size_t penWords, ZkResult* result,
                 KusabiPattern* pattern) {
  const int strokes = CopyPenData(pen, penWords, ZkRun.ZkIHPen, kPenCopyWords);
  if (strokes == 0) return 2;
  const ZkOptionRec opt = option ? *option : ZkOption;
  const int r = ZkCharcterRecognize(&opt, ZkRun.ZkIHPen, strokes, ZkRun.ZkKoho);
  if (r != 0) return r;
  if (result) ZkBuildResult(opt, ZkRun.ZkIHPen, ZkRun.ZkKoho, result);
  if (pattern) *pattern = ZkRun.ZkIMDType;
  return 0;
}

int ZkCRecognize(const ZkOptionRec* option, const uint16_t* pen, size_t penWords, ZkResult* result) {
  return ZkCRecognize(option, pen, penWords, result, nullptr);
}
