// Key synthesis: every key the program injects goes through the installed KeySender
// (XTEST in the program, a recorder in tests). A modifier goes down before its key and
// up after it; a non-modifier key is sent as a press immediately followed by its
// release, since servers drop a release for a key they never saw go down.
#pragma once

#include <cstdint>

constexpr uint32_t kKeysymShiftL = 0xFFE1;
constexpr uint32_t kKeysymControlL = 0xFFE3;
constexpr uint32_t kKeysymAltL = 0xFFE9;
constexpr uint32_t kKeysymReturn = 0xFF0D;
constexpr uint32_t kKeysymBackSpace = 0xFF08;
constexpr uint32_t kKeysymLeft = 0xFF51;  // Up, Right, Down follow
constexpr uint32_t kKeysymV = 0x56;
constexpr uint32_t kKeysymInsert = 0xFF63;

class KeySender {
 public:
  virtual ~KeySender() = default;
  virtual void Event(uint32_t keysym, bool press) = 0;
  virtual void Flush() = 0;
};

// Installs the sender (nullptr: keys go nowhere).
void SetKeySender(KeySender* sender);

// Press and release of a non-modifier key, without the flush.
void KeyTap(uint32_t keysym);
// The flush that ends every sequence.
void KeyFlush();

// One key, flushed.
void SendKey(uint32_t keysym);
// Modifier down, the key, modifier up, flushed.
void SendModifiedKey(uint32_t modifier, uint32_t keysym);
