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
  // Whether the keyboard map has a key for the keysym (keys without one are not sent).
  virtual bool HasKey(uint32_t /*keysym*/) { return true; }
  // The shift level of the keysym's key in the keyboard map: 0 plain, 1 with Shift,
  // -1 unknown (the caller then assumes a Japanese 106-key keyboard).
  virtual int ShiftLevel(uint32_t /*keysym*/) { return -1; }
};

// Installs the sender (nullptr: keys go nowhere).
void SetKeySender(KeySender* sender);

// Whether the installed sender's keyboard map can type the keysym.
bool KeyAvailable(uint32_t keysym);

// The installed sender's shift level of a keysym (see KeySender::ShiftLevel).
int KeyShiftLevel(uint32_t keysym);

// One event: a modifier or lock key going down (press) or up, without the flush.
void KeyEvent(uint32_t keysym, bool press);

// Press and release of a non-modifier key, without the flush.
void KeyTap(uint32_t keysym);
// The flush that ends every sequence.
void KeyFlush();

// One key, flushed.
void SendKey(uint32_t keysym);
// Modifier down, the key, modifier up, flushed.
void SendModifiedKey(uint32_t modifier, uint32_t keysym);
