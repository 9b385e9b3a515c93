// Face characters from the keyboards' face texts.
#include "keyboards/face_char.h"

#include <iterator>

#include "ui/facetext.h"
#include "ui/keyboard_keys.h"

namespace {

bool Printable(uint32_t c) { return c > 0x20 && c < 0x7F; }

// The character of a face item that holds exactly one printable ASCII character.
int ItemCharacter(const FaceItem& item) {
  if (item.text.size() != 1) return 0;
  const unsigned char c = static_cast<unsigned char>(item.text[0]);
  return Printable(c) ? c : 0;
}

int FaceOf(const KeyDef& key, bool shifted) {
  const FaceText face = ParseFaceText(key.face);
  if (!face.valid || face.items.empty()) return 0;
  // The lower character comes first, the upper one (shown with Shift) second.
  const int lower = ItemCharacter(face.items[0]);
  if (!shifted || lower == 0) return lower;
  if (face.items.size() > 1) return ItemCharacter(face.items[1]);
  return lower >= 'a' && lower <= 'z' ? lower - 'a' + 'A' : lower;
}

}  // namespace

int FaceCharacter(int keyboard, uint32_t value, bool shifted) {
  if (keyboard < 0 || keyboard >= static_cast<int>(std::size(kKeyboardKeys)) || !Printable(value)) return 0;
  const KeyboardKeys& keys = kKeyboardKeys[keyboard];
  for (size_t c = 0; c < keys.count; ++c) {
    const KeyContainer& container = keys.containers[c];
    for (size_t k = 0; k < container.count; ++k) {
      const KeyDef& key = container.keys[k];
      if (key.kind == kFace && key.value == static_cast<int>(value)) return FaceOf(key, shifted);
    }
  }
  return 0;
}
