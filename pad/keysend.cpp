// The key-synthesis convention over the installed sender.
#include "pad/keysend.h"

namespace {

struct NoKeys : KeySender {
  void Event(uint32_t, bool) override {}
  void Flush() override {}
};

NoKeys noKeys;
KeySender* sender = &noKeys;

}  // namespace

void SetKeySender(KeySender* s) { sender = s ? s : &noKeys; }

bool KeyAvailable(uint32_t keysym) { return sender->HasKey(keysym); }

int KeyShiftLevel(uint32_t keysym) { return sender->ShiftLevel(keysym); }

void KeyEvent(uint32_t keysym, bool press) { sender->Event(keysym, press); }

void KeyTap(uint32_t keysym) {
  sender->Event(keysym, true);
  sender->Event(keysym, false);
}

void KeyFlush() { sender->Flush(); }

void SendKey(uint32_t keysym) {
  KeyTap(keysym);
  KeyFlush();
}

void SendModifiedKey(uint32_t modifier, uint32_t keysym) {
  sender->Event(modifier, true);
  KeyTap(keysym);
  sender->Event(modifier, false);
  KeyFlush();
}
