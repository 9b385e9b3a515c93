// Placement arithmetic for windows and the ten-key window.
#include "app/winplace.h"

#include "app/appstate.h"
#include "app/settings.h"

MovDataRec Mov_data;

bool TenKeyPlace(int owner, int x, int y, int sw, int sh, int* tenX, int* tenY) {
  int w, h;
  switch (owner) {
    case kOwnerMain: w = kMainPlaceWidth; h = kMainPlaceHeight; break;
    case kOwnerLargeKeyboard: w = kMainPlaceWidth; h = kLargeKeyboardHeight; break;
    case kOwnerSmallKeyboard: w = kSmallKeyboardWidth; h = kSmallKeyboardHeight; break;
    default: return false;
  }
  // Right edges line up, unless that leaves the screen.
  if (x + w > sw)
    *tenX = sw - kTenKeyWidth;
  else if (x + w < kTenKeyWidth + 1)
    *tenX = 0;
  else
    *tenX = x + w - kTenKeyWidth;
  // Above an owner in the lower half of the screen, below one in the upper half.
  if (y >= (sh - h) / 2)
    *tenY = y < kTenKeyHeight + 1 ? 0 : y - kTenKeyHeight;
  else
    *tenY = y + h + kTenKeyHeight <= sh ? y + h : sh - kTenKeyHeight;
  return true;
}

void Tenk_Move(int owner, int x, int y) {
  int tx, ty;
  if (TenKeyPlace(owner, x, y, App.screen_w, App.screen_h, &tx, &ty)) {
    Ap_table.tenk_x = tx;
    Ap_table.tenk_y = ty;
  }
}

void ClampOnScreen(int width, int height, int sw, int sh, int* x, int* y) {
  // A window larger than the screen keeps its top-left corner (title strip) on it.
  if (*x > sw - width) *x = sw - width;
  if (*y > sh - height) *y = sh - height;
  if (*x < 0) *x = 0;
  if (*y < 0) *y = 0;
}

void PlaceClearOf(int width, int height, int sw, int sh, const WinRect& keep, int* x, int* y) {
  ClampOnScreen(width, height, sw, sh, x, y);
  const bool overlaps = *x < keep.x + keep.width && keep.x < *x + width &&
                        *y < keep.y + keep.height && keep.y < *y + height;
  if (!overlaps) return;
  const int above = keep.y - height;
  const int below = keep.y + keep.height;
  const bool aboveFits = above >= 0;
  const bool belowFits = below + height <= sh;
  if (aboveFits && (!belowFits || *y - above <= below - *y))
    *y = above;
  else if (belowFits)
    *y = below;
  else
    *y = aboveFits ? above : 0;  // a screen too low for both: the top, still on screen
  ClampOnScreen(width, height, sw, sh, x, y);
}

void WinPosition(int width, int height, int* x, int* y) {
  ClampOnScreen(width, height, App.screen_w, App.screen_h, x, y);
}

bool DragStartsAt(int x, int y, int windowWidth, bool hasIconKey) {
  if (y < 0 || y > kTitleStripHeight) return false;
  if (x < (hasIconKey ? kIconKeyWidth : 0)) return false;
  return x < windowWidth - kCloseKeyWidth;
}

void DragBegin(MovDataRec* mov, int windowX, int windowY, int width, int height, int rootX,
               int rootY) {
  mov->x = windowX;
  mov->y = windowY;
  mov->width = width;
  mov->height = height;
  mov->last_x = rootX;
  mov->last_y = rootY;
  mov->dragging = 1;
}

void DragFollow(MovDataRec* mov, int rootX, int rootY) {
  mov->x += rootX - mov->last_x;
  mov->y += rootY - mov->last_y;
  mov->last_x = rootX;
  mov->last_y = rootY;
}

bool OutsideRaiseArea(int x, int y, int maxX, int maxY) {
  return x < 0 || x > maxX || y < 0 || y > maxY;
}
