// The key action of the soft keyboards: keysyms typed into the focused application,
// the latch keys Shift, Ctrl and Alt that hold their modifier down until the next
// key, the lock key CapsLock, and the command values of the keyboard windows.
#pragma once

#include <cstdint>

#include "keyboards/typing.h"

constexpr int kKeyboards = 5;  // SoftKey1, SoftKey2, SoftKey3, Key51, Key52
// The latch keys of a keyboard in their fixed order (Soft_wid.latch[k][i]).
constexpr int kLatchKeys = 7;  // left/right Shift, left/right Ctrl, left/right Alt, CapsLock
constexpr int kLatchCaps = 6;
extern const uint32_t kLatchKeysyms[kLatchKeys];

// Command values of the keyboards.
constexpr int kSoftKanji = 1;        // Shift+space
constexpr int kSoftClose = 4;
constexpr int kSoftTenKey = 5;
constexpr int kSoftCollapse = 14;

// What the key action does outside the key seam: the program redraws toggles and
// switches windows, tests record.
class SoftPorts {
 public:
  virtual ~SoftPorts() = default;
  // A latch key was switched off by the program: its released face, toggle inactive.
  virtual void LatchReleased(int /*keyboard*/, int /*latch*/) {}
  // Window commands 4-11 (Imode_chng) and the collapse key.
  virtual void ModeChange(int /*mode*/) {}
  virtual void Collapse(int /*keyboard*/) {}
};
void SetSoftPorts(SoftPorts* ports);

// The keyboard that is up for imode 3-12 (0-4); -1 on the pad.
int SoftKeyboardIndex(int imode);

// A key of the current keyboard: `value` a keysym or a command, `state` the new state
// of a latch key (1 on, 0 off; 0 for every other key).
void SftKeybord(int value, int state);

// Switches off every latch of keyboard k, CapsLock last, sending each modifier's
// release (the keyboard is closing).
void SftReleaseLatches(int keyboard);

// The Shift latches of keyboard k that are on (none for k < 0, the pad).
HeldShift LatchedShift(int keyboard);

// Latch index 0-6 of a keysym, -1 for any other key.
int LatchIndex(uint32_t keysym);
