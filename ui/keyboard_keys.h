// The keys of the keyboard windows SoftKey1, SoftKey2, SoftKey3, Key51 and Key52, as
// data for their builders.
#pragma once

#include <cstddef>

enum KeyKind {
  kFace,    // a face key
  kToggle,  // a face key that stays in (latch, lock, ten-key toggle)
  kLabel,   // a plain button with a label (title strip keys, the selector buttons)
  kEntry,   // a selector's read-only entry
  kStrip,   // the title strip's drag area
};

struct KeyDef {
  const char* name;
  KeyKind kind;
  int width, height;
  const char* face;  // face text or label, UTF-8 as written
  int value;         // what "clicked" or "toggled" reports
};

struct KeyContainer {
  const char* name;
  const KeyDef* keys;
  size_t count;
};

struct KeyboardKeys {
  const char* window;
  const KeyContainer* containers;
  size_t count;
};

// Keyboards 0-4 in Soft_wid order.
extern const KeyboardKeys kKeyboardKeys[5];
