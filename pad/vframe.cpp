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

int VFrameFragmentPair(const Rect16* boxes, const int* strokes, int count) {
  int tallest = 0;
  for (int i = 0; i < count; ++i) tallest = std::max<int>(tallest, boxes[i].height);
  int best = -1, bestWidth = 0;
  for (int i = 0; i + 1 < count; ++i) {
    if (strokes[i] + strokes[i + 1] > kFragmentMaxStrokes) continue;
    const int width = RectUnion(boxes[i], boxes[i + 1]).width;
    if (width > kFragmentPairWidth * tallest) continue;
    if (best < 0 || width < bestWidth) {
      best = i;
      bestWidth = width;
    }
  }
  return best;
}

bool VFrameKeepWithLast(const Rect16* boxes, int count, int lastStrokes, const Rect16& stroke) {
  if (count < 1 || lastStrokes >= kFragmentMaxStrokes) return false;
  int tallest = stroke.height;
  for (int i = 0; i < count; ++i) tallest = std::max<int>(tallest, boxes[i].height);
  return RectUnion(boxes[count - 1], stroke).width <= kFragmentPairWidth * tallest;
}

std::vector<int> VFrameGroup(const std::vector<Rect16>& strokes, int margin, int screenW, int screenH,
                             int maxChars, bool makeRoom) {
  std::vector<int> group;
  std::vector<Rect16> boxes;   // of each character so far
  std::vector<int> counts;     // strokes of each character so far
  Rect16 charBox{0, 0, 0, 0}, frame{0, 0, 0, 0};
  for (const Rect16& stroke : strokes) {
    const Rect16 frameBefore = frame;
    // A character that holds 30 strokes takes no more: the stroke starts the next.
    const bool full = makeRoom && !boxes.empty() && counts.back() >= kFragmentMaxStrokes &&
                      static_cast<int>(boxes.size()) < maxChars;
    if (full) charBox = Rect16{0, 0, 0, 0};
    const bool first = boxes.empty() || full;
    if (VFrameDecide(&charBox, stroke, &frame, margin, screenW, screenH) == 1 || first) {
      if (static_cast<int>(boxes.size()) >= maxChars) {
        // The finished characters, all but the current one, may give up a pair.
        const int pair =
            makeRoom ? VFrameFragmentPair(boxes.data(), counts.data(), static_cast<int>(boxes.size()) - 1) : -1;
        if (pair < 0 && makeRoom &&
            VFrameKeepWithLast(boxes.data(), static_cast<int>(boxes.size()), counts.back(), stroke)) {
          boxes.back() = charBox = RectUnion(boxes.back(), stroke);
          frame = charBox;
          VFrameSquare(&frame, margin, screenW, screenH);
          ++counts.back();
          group.push_back(static_cast<int>(boxes.size()) - 1);
          continue;
        }
        if (pair < 0) {
          frame = frameBefore;
          group.push_back(-1);
          continue;
        }
        boxes[static_cast<size_t>(pair)] = RectUnion(boxes[static_cast<size_t>(pair)], boxes[static_cast<size_t>(pair) + 1]);
        counts[static_cast<size_t>(pair)] += counts[static_cast<size_t>(pair) + 1];
        boxes.erase(boxes.begin() + pair + 1);
        counts.erase(counts.begin() + pair + 1);
        for (int& g : group)
          if (g > pair) --g;
      }
      if (!first) charBox = stroke;
      boxes.push_back(stroke);
      counts.push_back(0);
    } else {
      boxes.back() = charBox;
    }
    ++counts.back();
    group.push_back(static_cast<int>(boxes.size()) - 1);
  }
  return group;
}
