// Latch rules and key synthesis of the soft keyboards. A latch key sends its modifier
// down when switched on and up when switched off; an ordinary key goes out as a press
// and release (a key with a character on its face types that character, whatever
// the keyboard map), after which the latches it ends are switched off.
#include "keyboards/soft.h"

#include "app/settings.h"
#include "keyboards/face_char.h"
#include "keyboards/kbdstate.h"
#include "keyboards/typing.h"
#include "pad/commit.h"
#include "pad/keysend.h"

const uint32_t kLatchKeysyms[kLatchKeys] = {0xFFE1, 0xFFE2, 0xFFE3, 0xFFE4, 0xFFE9, 0xFFEA, 0xFFE5};

namespace {

constexpr uint32_t kKeysymSpace = 0x20;
constexpr int kFirstModeCommand = 4;
constexpr int kLastModeCommand = 11;

SoftPorts noPorts;
SoftPorts* ports = &noPorts;

bool IsShift(int latch) { return latch == 0 || latch == 1; }
bool IsCtrl(int latch) { return latch == 2 || latch == 3; }
bool IsAlt(int latch) { return latch == 4 || latch == 5; }

// Whether handling a key with latch index `handled` (-1 an ordinary key) ends latch j:
// Shift ends Ctrl and Alt, Ctrl ends Shift and Alt, Alt ends Shift (so Ctrl then Alt
// make Ctrl+Alt), an ordinary key or CapsLock ends all three. CapsLock itself only
// goes when the keyboard closes.
bool Ends(int handled, int j) {
  if (j == kLatchCaps) return false;
  if (IsShift(handled)) return !IsShift(j);
  if (IsCtrl(handled)) return !IsCtrl(j);
  if (IsAlt(handled)) return IsShift(j);
  return true;
}

// The character an ordinary key types: what its face shows in the current Shift state
// (0 for keys without a character face, which go out as their keysym).
int TypedCharacter(int keyboard, uint32_t keysym) {
  const HeldShift held = LatchedShift(keyboard);
  return FaceCharacter(keyboard, keysym, held.left || held.right);
}

// Sends the key; false when the keyboard map has no key for it or a latch is already
// in that state.
bool Send(int keyboard, uint32_t keysym, int latch, int state) {
  const int character = latch < 0 ? TypedCharacter(keyboard, keysym) : 0;
  const bool available = character ? CanTypeAscii(character) : KeyAvailable(keysym);
  if (!available) return false;  // nothing changes, latches included
  if (latch >= 0) {
    const bool on = state != 0;
    if (Kbd.Soft_latch[keyboard][latch] == on) return false;  // the toggle followed the program
    Kbd.Soft_latch[keyboard][latch] = on;
  }
  if (!FocusWindow()) return true;
  if (character) {
    TypeAscii(character, LatchedShift(keyboard));  // flushes
    return true;
  }
  if (latch >= 0 && latch != kLatchCaps)
    KeyEvent(keysym, state != 0);
  else
    KeyTap(keysym);  // CapsLock toggles the lock with each press
  KeyFlush();
  return true;
}

// A latch the program switches off sends its modifier up and ends nothing else: the
// key that ended it decides alone (so Ctrl after Shift ends Shift and stays on). The
// latch is off before its toggle hears of it, so the "toggled" that the toggle emits
// on its way out finds nothing left to do.
void ReleaseLatch(int keyboard, int j) {
  if (!Kbd.Soft_latch[keyboard][j]) return;
  Send(keyboard, kLatchKeysyms[j], j, 0);
  Kbd.Soft_latch[keyboard][j] = false;  // even when the map has lost the modifier
  ports->LatchReleased(keyboard, j);
}

void HandleKey(int keyboard, uint32_t keysym, int state) {
  const int latch = LatchIndex(keysym);
  if (!Send(keyboard, keysym, latch, state)) return;
  for (int j = 0; j < kLatchCaps; ++j)
    if (Ends(latch, j)) ReleaseLatch(keyboard, j);
}

}  // namespace

void SetSoftPorts(SoftPorts* p) { ports = p ? p : &noPorts; }

int SoftKeyboardIndex(int imode) { return imode >= 3 ? (imode - 3) % kKeyboards : -1; }

HeldShift LatchedShift(int keyboard) {
  HeldShift held;
  if (keyboard < 0 || keyboard >= kKeyboards) return held;
  held.left = Kbd.Soft_latch[keyboard][0];
  held.right = Kbd.Soft_latch[keyboard][1];
  return held;
}

int LatchIndex(uint32_t keysym) {
  for (int j = 0; j < kLatchKeys; ++j)
    if (kLatchKeysyms[j] == keysym) return j;
  return -1;
}

void SftKeybord(int value, int state) {
  const int keyboard = SoftKeyboardIndex(Ap_table.imode);
  if (keyboard < 0) return;
  if (value == kSoftKanji) {
    // The input method's conversion key, whatever the latches are.
    if (FocusWindow()) SendModifiedKey(kKeysymShiftL, kKeysymSpace);
    return;
  }
  if (value >= kFirstModeCommand && value <= kLastModeCommand) {
    ports->ModeChange(value);
    return;
  }
  if (value == kSoftCollapse) {
    ports->Collapse(keyboard);
    return;
  }
  if (value != static_cast<int>(kKeysymSpace) && value < 0x21) return;
  HandleKey(keyboard, static_cast<uint32_t>(value), state);
}

void SftReleaseLatches(int keyboard) {
  if (keyboard < 0 || keyboard >= kKeyboards) return;
  for (int j = 0; j < kLatchKeys; ++j) ReleaseLatch(keyboard, j);
}
