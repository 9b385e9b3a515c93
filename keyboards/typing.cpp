// ASCII characters as key strokes.
#include "keyboards/typing.h"

#include "keyboards/keysend.h"
#include "pad/commit.h"

void TypeAscii(int c) {
  if (c < 0x20 || c > 0x7E) return;
  // The keysyms of printable ASCII are the characters' own codes.
  if (c == '<')
    SendModifiedKey(kKeysymShiftL, ',');
  else if (ShiftCheck(c))
    SendModifiedKey(kKeysymShiftL, static_cast<uint32_t>(c));
  else
    SendKey(static_cast<uint32_t>(c));
}
