// The pad's engine calls.
#include "pad/recognise.h"

#include <algorithm>

#include "codes.h"
#include "recog.h"

namespace {

constexpr uint16_t kFirstGesture = 0x8051;
constexpr uint16_t kLastGesture = 0x805D;

int RecogniseWith(const ZkOptionRec& option, const uint16_t* pen, size_t words, ZkResult* result) {
  result->count = 0;
  const int rc = ZkCRecognize(&option, pen, words, result);
  if (option.flags == kHalfWidthFlag) {
    int kept = 0;
    for (int i = 0; i < std::clamp<int>(result->count, 0, kResultEntries); ++i) {
      const ZkResultEntry& e = result->entry[i];
      if (e.type != kCodeDoubleByte && e.code >= 0x80 && e.code <= 0xFF) continue;
      result->entry[kept++] = e;
    }
    result->count = static_cast<int16_t>(kept);
  }
  return rc;
}

}  // namespace

int ZkRecogEx(const uint16_t* pen, size_t words, ZkResult* result) { return RecogniseWith(ZkOption, pen, words, result); }

void DropGestureCandidates(ZkResult* result) {
  int kept = 0;
  for (int i = 0; i < std::clamp<int>(result->count, 0, kResultEntries); ++i) {
    const ZkResultEntry& e = result->entry[i];
    if (e.type == kCodeGesture || (e.code >= kFirstGesture && e.code <= kLastGesture)) continue;
    result->entry[kept++] = e;
  }
  result->count = static_cast<int16_t>(kept);
}

void RecogniseInFrame(const std::vector<uint16_t>& pen, const Rect16& frame, ZkResult* result) {
  // The frame goes into a copy of the options: rows read their characters on several
  // threads at once.
  ZkOptionRec option = ZkOption;
  option.frameX = frame.x;
  option.frameY = frame.y;
  option.frameWidth = static_cast<int16_t>(frame.width);
  option.frameHeight = static_cast<int16_t>(frame.height);
  RecogniseWith(option, pen.data(), pen.size(), result);
  DropGestureCandidates(result);
}
