// Window placement arithmetic: the drag state, where the ten-key window goes beside
// its owner, clamping windows onto the screen, and when the periodic raise is needed.
#pragma once

#include <cstdint>

// The drag state (one drag at a time).
struct MovDataRec {
  int32_t x, y;             // new top-left of the dragged window (root coordinates)
  int32_t width, height;    // its size when the drag started
  int32_t last_x, last_y;   // pointer root position at the last drag event
  int32_t dragging;         // 1 while a drag is in progress
  int32_t tenkey_follows;   // 1 when the ten-key window moves with its owner
};

extern MovDataRec Mov_data;

// Owners of the ten-key window.
constexpr int kOwnerMain = 1;
constexpr int kOwnerLargeKeyboard = 2;
constexpr int kOwnerSmallKeyboard = 3;

// Sizes used in placement.
constexpr int kMainPlaceWidth = 770;
constexpr int kMainPlaceHeight = 93;
constexpr int kLargeKeyboardHeight = 278;
constexpr int kSmallKeyboardWidth = 402;
constexpr int kSmallKeyboardHeight = 163;
constexpr int kTenKeyWidth = 164;
constexpr int kTenKeyHeight = 265;

// Width of the main window's shrink key and of the close key at the strip's ends.
constexpr int kIconKeyWidth = 23;
constexpr int kCloseKeyWidth = 20;
constexpr int kTitleStripHeight = 20;

// Ten-key position for an owner at (x, y) on a screen of sw x sh; false (nothing
// written) for an unknown owner.
bool TenKeyPlace(int owner, int x, int y, int sw, int sh, int* tenX, int* tenY);

// Tenk_Move: the same for the real screen, stored in Ap_table.tenk_x and tenk_y.
void Tenk_Move(int owner, int x, int y);

// Clamps (x, y) so that a window of width x height lies on a screen of sw x sh.
void ClampOnScreen(int width, int height, int sw, int sh, int* x, int* y);

// Where a window of width x height asked for at (x, y) goes on a screen of sw x sh
// so that all of it is on the screen and none of it under the window `keep` (x, y,
// width, height): moved above `keep` or, when that does not fit, below it, whichever
// is nearer to where it was asked for.
struct WinRect {
  int x, y, width, height;
};
void PlaceClearOf(int width, int height, int sw, int sh, const WinRect& keep, int* x, int* y);

// WinPosition: the same for the real screen.
void WinPosition(int width, int height, int* x, int* y);

// Whether a press at (x, y) relative to a window of the given width starts a drag:
// on the 20-pixel title strip, right of the shrink key (main window), left of the
// close key.
bool DragStartsAt(int x, int y, int windowWidth, bool hasIconKey);

// Drag bookkeeping: start at the window's position and the pointer's root position,
// then follow the pointer by its movement since the last event.
void DragBegin(MovDataRec* mov, int windowX, int windowY, int width, int height, int rootX,
               int rootY);
void DragFollow(MovDataRec* mov, int rootX, int rootY);

// True when a window at (x, y) lies outside the area 0 <= x <= maxX, 0 <= y <= maxY,
// where raising on visibility alone does not keep it on top.
bool OutsideRaiseArea(int x, int y, int maxX, int maxY);
