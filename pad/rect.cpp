// Rectangle helpers of the pad.
#include "pad/rect.h"

#include <algorithm>

namespace {

int16_t ToCoord(int v) {
  return static_cast<int16_t>(std::clamp(v, -32768, 32767));
}

uint16_t ToSize(int v) { return static_cast<uint16_t>(std::clamp(v, 0, 65535)); }

}  // namespace

void RECT_add(Rect16* rect, int x, int y) {
  if (x < rect->x) {
    rect->width = ToSize(rect->width + (rect->x - x));
    rect->x = ToCoord(x);
  } else if (x > rect->x + rect->width) {
    rect->width = ToSize(x - rect->x + 1);
  }
  if (y < rect->y) {
    rect->height = ToSize(rect->height + (rect->y - y));
    rect->y = ToCoord(y);
  } else if (y > rect->y + rect->height) {
    rect->height = ToSize(y - rect->y + 1);
  }
}

int PtInRect(const Rect16& rect, int x, int y) {
  return rect.x <= x && x <= rect.x + rect.width && rect.y <= y && y <= rect.y + rect.height;
}

bool RectsTouch(const Rect16& a, const Rect16& b) {
  return a.x <= b.x + b.width && b.x <= a.x + a.width && a.y <= b.y + b.height &&
         b.y <= a.y + a.height;
}

Rect16 RectUnion(const Rect16& a, const Rect16& b) {
  const int left = std::min<int>(a.x, b.x);
  const int top = std::min<int>(a.y, b.y);
  const int right = std::max(a.x + a.width, b.x + b.width);
  const int bottom = std::max(a.y + a.height, b.y + b.height);
  return Rect16{ToCoord(left), ToCoord(top), ToSize(right - left), ToSize(bottom - top)};
}
