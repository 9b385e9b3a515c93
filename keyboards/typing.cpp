// ASCII characters as key strokes.
#include "keyboards/typing.h"

#include "keyboards/keysend.h"
#include "pad/commit.h"

namespace {

// Shift as the keyboard map has it; where it cannot tell, as on a Japanese 106-key
// keyboard (so "=" is Shift+"-" there and plain on a US keyboard).
bool NeedsShift(int c) {
  const int level = KeyShiftLevel(static_cast<uint32_t>(c));
  return level >= 0 ? level == 1 : ShiftCheck(c) != 0;
}

}  // namespace

void TypeAscii(int c) {
  if (c < 0x20 || c > 0x7E) return;
  // The keysyms of printable ASCII are the characters' own codes.
  if (c == '<')
    SendModifiedKey(kKeysymShiftL, ',');
  else if (NeedsShift(c))
    SendModifiedKey(kKeysymShiftL, static_cast<uint32_t>(c));
  else
    SendKey(static_cast<uint32_t>(c));
}
