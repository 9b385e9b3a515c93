// The stages behind ZkCRecognize, exposed for the engine's own callers (the user
// dictionary, the look-alike checks) and for tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dicfile.h"
#include "recog.h"
#include "types.h"

// Normalisation of distances by the input's stroke count (index 0..30).
extern const int16_t ZkDstMean[31];
extern const int16_t ZkDstStDv[31];

// The working state of one recognition, owned in one record; its members keep their
// names. One per thread: a row's characters may be read on several threads at once.
struct RecogRunRec {
  uint16_t ZkIHPen[kPenCopyWords];  // the engine's copy of the pen data
  KusabiPattern ZkIMDType;          // the feature pattern of the writing being recognised
  // Centroid, spread, bounding box and size classes of the last recognition.
  NormState ZkNormResult;
  KohoSlot ZkKoho[kKohoSlots];      // the ranked candidate list
};
extern thread_local RecogRunRec ZkRun;

// Copies pen data (penWords words) into out (outWords words) keeping at most 30
// strokes and 1536 points, ended by 0xF001. Reading stops at the first word that is
// not a stroke mark where one is due, at a negative point count and at the end of
// the buffer; a stroke of no points is passed over. Returns the strokes copied.
int CopyPenData(const uint16_t* pen, size_t penWords, uint16_t* out, size_t outWords);

// Runs the stages on a pen copy with `strokes` strokes and fills list.
// 1 when the sub-dictionary selection fails, else 0.
int ZkCharcterRecognize(const ZkOptionRec* option, const uint16_t* pen, int strokes, KohoSlot* list);

// Feature extraction, matching, look-alike checks and distance normalisation.
void ZkChar(const uint16_t* pen, DicEntry* const* selection, KohoSlot* list, NormState* norm, int strokes);

// d' = (d - mean) * 269 / deviation + 1200 for slots 0..10, held within 16 bits.
void ZkNormDist(int strokes, KohoSlot* list);

// Fills the result record from the list (gestures removed unless one ranks first);
// gesture hot points come from the first stroke of pen.
void ZkBuildResult(const ZkOptionRec& option, const uint16_t* pen, KohoSlot* list, ZkResult* result);
