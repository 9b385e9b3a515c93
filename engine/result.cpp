// The result record handed back to the pad: candidates with their code types, or a
// gesture with the hot points the pad acts on.
#include <algorithm>

#include "candlist.h"
#include "codes.h"
#include "recogstages.h"

namespace {

struct StrokeBox {
  int minX, maxX, minY, maxY;
  int firstX, firstY;
  int topX, topY;        // smallest y, first such point
  int bottomX, bottomY;  // largest y, first such point
};

bool FirstStroke(const uint16_t* pen, StrokeBox* box) {
  if (pen[0] != kStrokeMark || static_cast<int16_t>(pen[1]) < 1) return false;
  const int n = static_cast<int16_t>(pen[1]);
  for (int i = 0; i < n; ++i) {
    const int x = static_cast<int16_t>(pen[2 + 2 * i]), y = static_cast<int16_t>(pen[3 + 2 * i]);
    if (i == 0) {
      *box = StrokeBox{x, x, y, y, x, y, x, y, x, y};
      continue;
    }
    box->minX = std::min(box->minX, x);
    box->maxX = std::max(box->maxX, x);
    box->minY = std::min(box->minY, y);
    box->maxY = std::max(box->maxY, y);
    if (y < box->topY) box->topX = x, box->topY = y;
    if (y > box->bottomY) box->bottomX = x, box->bottomY = y;
  }
  return true;
}

void GestureHotPoints(uint16_t code, const uint16_t* pen, ZkResult* result) {
  StrokeBox b;
  if (!FirstStroke(pen, &b)) return;
  int pts[4] = {};
  int count = 0;
  const int midX = (b.minX + b.maxX) / 2, midY = (b.minY + b.maxY) / 2;
  switch (code) {
    case 0x8051:
    case 0x805A:
      pts[0] = midX, pts[1] = midY, count = 1;
      break;
    case 0x805D:
      pts[0] = b.maxX, pts[1] = midY, pts[2] = b.minX, pts[3] = midY, count = 2;
      break;
    case 0x8055:
      pts[0] = b.minX, pts[1] = b.firstY, pts[2] = b.maxX, pts[3] = b.firstY, count = 2;
      break;
    case 0x8052:
      pts[0] = b.topX, pts[1] = (b.topY + b.firstY) / 2, count = 1;
      break;
    case 0x805B:
      pts[0] = b.bottomX, pts[1] = b.bottomY, count = 1;
      break;
    case 0x8053:
    case 0x8054:
    case 0x8056:
    case 0x8057:
    case 0x8058:
    case 0x8059:
      pts[0] = b.firstX, pts[1] = b.firstY, count = 1;
      break;
    default:  // 0x805C has none
      break;
  }
  for (int i = 0; i < 2 * count; ++i) result->gesturePoints[i] = static_cast<uint16_t>(pts[i]);
  result->gesturePointCount = static_cast<uint16_t>(count);
}

}  // namespace

void ZkBuildResult(const ZkOptionRec& option, const uint16_t* pen, KohoSlot* list, ZkResult* result) {
  if (!(list[0].typeMask & kClassGesture)) ZkDelGesture(list);
  *result = ZkResult{};
  if (list[0].code == kEmptyCode) {
    result->kind = kResultNothing;
    return;
  }
  if (list[0].typeMask & kClassGesture) {
    result->kind = kResultGesture;
    result->count = 1;
    result->entry[0] = ZkResultEntry{list[0].code, kCodeGesture, static_cast<uint16_t>(list[0].distance)};
    GestureHotPoints(list[0].code, pen, result);
    return;
  }
  result->kind = kResultChars;
  const bool half = (option.flags & kHalfWidthFlag) != 0;
  int n = 0;
  for (; n < kRankedSlots && list[n].code != kEmptyCode; ++n) {
    const uint16_t single = half ? ZkSJisToAscii(list[n].code) : 0;
    result->entry[n] = single ? ZkResultEntry{single, kCodeSingleByte, 0} : ZkResultEntry{list[n].code, kCodeDoubleByte, 0};
    result->entry[n].distance = static_cast<uint16_t>(list[n].distance);
  }
  result->count = static_cast<int16_t>(n);
}
