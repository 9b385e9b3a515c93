// Growth of the saved screen area.
#include "pad/screensave.h"

#include <algorithm>

namespace {

Rect16 Make(int x, int y, int w, int h) {
  return Rect16{static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<uint16_t>(w),
                static_cast<uint16_t>(h)};
}

}  // namespace

int ClearAreaGrow(Rect16* area, int x, int y, int screenW, int screenH, Rect16 strips[4]) {
  x = std::clamp(x, 4, std::max(4, screenW - 3));
  y = std::clamp(y, 4, std::max(4, screenH - 3));
  int n = 0;
  if (area->x < 1) {
    *area = Make(std::max(1, x - 5), std::max(1, y - 5), 10, 10);
    strips[n++] = *area;
    return n;
  }
  int ax = area->x, ay = area->y, aw = area->width, ah = area->height;
  const int left = x - kSaveMargin, top = y - kSaveMargin;
  const int right = x + kSaveMargin + 1, bottom = y + kSaveMargin + 1;  // exclusive
  if (left < ax) {
    strips[n++] = Make(left, ay, ax - left, ah);
    aw += ax - left;
    ax = left;
  }
  if (top < ay) {
    strips[n++] = Make(ax, top, aw, ay - top);
    ah += ay - top;
    ay = top;
  }
  if (right > ax + aw) {
    strips[n++] = Make(ax + aw, ay, right - (ax + aw), ah);
    aw = right - ax;
  }
  if (bottom > ay + ah) {
    strips[n++] = Make(ax, ay + ah, aw, bottom - (ay + ah));
    ah = bottom - ay;
  }
  *area = Make(ax, ay, aw, ah);
  return n;
}
