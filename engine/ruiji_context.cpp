// Reading the candidates' stored patterns and correspondences for the look-alike
// checks, with every index bounded by the real segment counts.
#include "ruiji_context.h"

#include "dicindex.h"
#include "loop.h"
#include "preprocess.h"
#include "segdist.h"

namespace {

constexpr uint16_t kNeverRanked = 0xFFFF;

int ClampSegments(int n) { return n < 0 ? 0 : (n > kMaxSegments ? kMaxSegments : n); }

bool SameStrokeAsPrevious(const KusabiSegment& prev, const KusabiSegment& cur) {
  return cur.x0 == prev.x1 && cur.y0 == prev.y1;
}

}  // namespace

int Kakup(const KusabiPattern& pattern, int stroke, uint8_t* out) {
  const int n = ClampSegments(pattern.segments);
  int count = 0, current = 0;
  for (int k = 0; k < n; ++k) {
    if (k > 0 && !SameStrokeAsPrevious(pattern.segment[k - 1], pattern.segment[k])) ++current;
    if (current > stroke) break;
    if (current == stroke) out[count++] = static_cast<uint8_t>(k);
  }
  return count;
}

int PatternPartner(const KohoSlot& slot, int patSegment, int inputSegments) {
  if (patSegment < 0 || patSegment >= kMaxSegments) return -1;
  const uint8_t f = slot.corr.patFirst[patSegment];
  return f < kFirstMarker && f < inputSegments ? f : -1;
}

int PatternLastPartner(const KohoSlot& slot, int patSegment, int inputSegments) {
  const int f = PatternPartner(slot, patSegment, inputSegments);
  if (f < 0) return -1;
  int l = slot.corr.patLast[patSegment];
  if (l >= kFirstMarker || l < f) l = f;
  return l < inputSegments ? l : inputSegments - 1;
}

int BouToBou(uint8_t* out, int count, const uint8_t* segments, const KohoSlot& slot, int inputSegments) {
  inputSegments = ClampSegments(inputSegments);
  bool matched[kMaxSegments] = {};
  for (int i = 0; i < count; ++i) {
    const int f = PatternPartner(slot, segments[i], inputSegments);
    if (f < 0) continue;
    const int l = PatternLastPartner(slot, segments[i], inputSegments);
    for (int k = f; k <= l; ++k) matched[k] = true;
  }
  int n = 0;
  for (int k = 0; k < inputSegments; ++k)
    if (matched[k]) out[n++] = static_cast<uint8_t>(k);
  return n;
}

RuijiContext::RuijiContext(const KusabiPattern* input, const uint16_t* pen, int strokes, const KohoSlot* list)
    : input_(input), pen_(pen), penStrokes_(strokes), list_(list), inputSegments_(ClampSegments(input->segments)) {
  BuildStrokeMap(*input_, strokeMap_);
}

const uint8_t* RuijiContext::LoopMarks() {
  if (!haveLoopMarks_) {
    // ZkGetLoop reads the segment count from the pattern; hand it a bounded copy.
    KusabiPattern bounded = *input_;
    bounded.segments = static_cast<int16_t>(inputSegments_);
    ZkGetLoop(&bounded, strokeMap_, loopMarks_);
    haveLoopMarks_ = true;
  }
  return loopMarks_;
}

const KusabiPattern& RuijiContext::FinePattern() {
  if (!haveFine_) {
    fine_.strokes = 0;
    fine_.segments = 0;
    if (pen_ != nullptr && penStrokes_ > 0)
      ZkKusabi_Saikinji(pen_, &fine_, penStrokes_ > kMaxStrokes ? kMaxStrokes : penStrokes_);
    fine_.segments = static_cast<int16_t>(ClampSegments(fine_.segments));
    haveFine_ = true;
  }
  return fine_;
}

const KusabiPattern& RuijiContext::SlotPattern(int rank) {
  if (!haveSlotPattern_[rank]) {
    KusabiPattern& p = slotPattern_[rank];
    p.strokes = list_[rank].patternStrokes;
    p.segments = 0;
    if (list_[rank].pattern != nullptr) ZkGetDicOnePattern(list_[rank].pattern, &p);
    p.segments = static_cast<int16_t>(ClampSegments(p.segments));
    haveSlotPattern_[rank] = true;
  }
  return slotPattern_[rank];
}

bool RuijiContext::IsEnd(int rank) const {
  return list_[rank].code == kEmptyCode || list_[rank].distance == kAbsentDistance;
}

int RuijiContext::RankOf(uint16_t code) const {
  if (code == kNeverRanked) return kRuijiUnranked;
  for (int r = 0; r < kRuijiRanks && !IsEnd(r); ++r)
    if (list_[r].code == code) return r;
  return kRuijiUnranked;
}

int RuijiContext::StrokeSegments(int rank, int stroke, uint8_t* out) {
  // Strokes beyond the candidate's own stroke count have no segments, whatever its
  // stored segments would give.
  if (stroke >= list_[rank].patternStrokes) return 0;
  return Kakup(SlotPattern(rank), stroke, out);
}

int RuijiContext::StrokeInput(int rank, int stroke, uint8_t* out) {
  uint8_t segments[kMaxSegments];
  const int n = StrokeSegments(rank, stroke, segments);
  return BouToBou(out, n, segments, list_[rank], inputSegments_);
}

InputRun StrokeRun(RuijiContext& ctx, int rank, int stroke) {
  InputRun run;
  run.count = ctx.StrokeInput(rank, stroke, run.seg);
  return run;
}
