// ASCII characters as key strokes.
#include "keyboards/typing.h"

#include <cstdint>

#include "keyboards/keysend.h"
#include "pad/commit.h"

namespace {

constexpr uint32_t kKeysymShiftR = 0xFFE2;

// The keysym that types c, and whether the map wants Shift for it. Where the map
// cannot tell, as on a Japanese 106-key keyboard (so "=" is Shift+"-" there and plain
// on a US keyboard), where "<" is the Shift of ",".
uint32_t KeysymFor(int c, bool* shift) {
  const int level = KeyShiftLevel(static_cast<uint32_t>(c));
  if (level >= 0) {
    *shift = level == 1;
    return static_cast<uint32_t>(c);  // the keysyms of printable ASCII are their codes
  }
  *shift = ShiftCheck(c) != 0;
  return c == '<' ? ',' : static_cast<uint32_t>(c);
}

void HoldShift(const HeldShift& held, bool down) {
  if (held.left) KeyEvent(kKeysymShiftL, down);
  if (held.right) KeyEvent(kKeysymShiftR, down);
}

}  // namespace

bool CanTypeAscii(int c) {
  bool shift;
  return c >= 0x20 && c <= 0x7E && KeyAvailable(KeysymFor(c, &shift));
}

void TypeAscii(int c, HeldShift held) {
  if (c < 0x20 || c > 0x7E) return;
  bool shift;
  const uint32_t keysym = KeysymFor(c, &shift);
  const bool holding = held.left || held.right;
  if (shift && !holding) {
    SendModifiedKey(kKeysymShiftL, keysym);
    return;
  }
  if (!shift && holding) HoldShift(held, false);
  KeyTap(keysym);
  if (!shift && holding) HoldShift(held, true);
  KeyFlush();
}
