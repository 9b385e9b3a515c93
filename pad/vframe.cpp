// Variable-frame decisions and the squaring of the frame.
#include "pad/vframe.h"

#include <algorithm>

#include "pad/rect.h"

void VFrameSquare(Rect16* frame, int margin, int screenW, int screenH) {
  const int hw = frame->width / 2;
  const int hh = frame->height / 2;
  const int r = std::max(std::max(hw, hh) + margin, kVFrameMinHalf);
  const int x = std::max(1, frame->x + hw - r);
  const int y = std::max(1, frame->y + hh - r);
  const int width = frame->x + hw + r > screenW ? screenW - x : 2 * r;
  const int height = frame->y + hh + r > screenH ? screenH - y : 2 * r;
  *frame = Rect16{static_cast<int16_t>(x), static_cast<int16_t>(y),
                  static_cast<uint16_t>(std::max(width, 0)),
                  static_cast<uint16_t>(std::max(height, 0))};
}

int VFrameDecide(Rect16* charBox, const Rect16& stroke, Rect16* frame, int margin, int screenW,
                 int screenH) {
  int result = 0;
  if (charBox->width == 0 || charBox->height == 0) {
    *charBox = stroke;  // first stroke of the sequence
    *frame = stroke;
  } else if (RectsTouch(stroke, *frame)) {
    *charBox = RectUnion(*charBox, stroke);
    *frame = *charBox;
  } else {
    *frame = stroke;
    result = 1;
  }
  VFrameSquare(frame, margin, screenW, screenH);
  return result;
}

std::vector<int> VFrameGroup(const std::vector<Rect16>& strokes, int margin, int screenW, int screenH,
                             int maxChars) {
  std::vector<int> group;
  Rect16 charBox{0, 0, 0, 0}, frame{0, 0, 0, 0};
  int current = -1;
  for (const Rect16& stroke : strokes) {
    const Rect16 frameBefore = frame;
    const bool first = current < 0;
    if (VFrameDecide(&charBox, stroke, &frame, margin, screenW, screenH) == 1 || first) {
      if (current + 1 >= maxChars) {
        frame = frameBefore;
        group.push_back(-1);
        continue;
      }
      if (!first) charBox = stroke;
      ++current;
    }
    group.push_back(current);
  }
  return group;
}
