// A KeySender that records what would be injected: (keysym, press) pairs and the
// flushes as ("flush", keysym 0). Given a keyboard map it also answers as the server
// would: which keysyms have a key, at which Shift level, and what the recorded events
// type.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "keyboards/keysend.h"

struct RecordedKey {
  uint32_t keysym;  // 0 for a flush
  bool press;
  bool operator==(const RecordedKey& o) const { return keysym == o.keysym && press == o.press; }
};

inline RecordedKey Down(uint32_t keysym) { return {keysym, true}; }
inline RecordedKey Up(uint32_t keysym) { return {keysym, false}; }
inline RecordedKey Flushed() { return {0, false}; }

// Printable keys of a keyboard map, each as its plain and its shifted character.
using Keymap = std::vector<std::string>;
inline Keymap UsKeymap() {
  Keymap map = {"`~", "1!", "2@", "3#", "4$", "5%", "6^", "7&", "8*", "9(", "0)", "-_", "=+",
                "[{", "]}", "\\|", ";:", "'\"", ",<", ".>", "/?", "  "};
  for (char c = 'a'; c <= 'z'; ++c) map.push_back({c, static_cast<char>(c - 'a' + 'A')});
  return map;
}
// A Japanese 106-key map: "2" over '"', "@" and ":" plain, two backslash keys.
inline Keymap JpKeymap() {
  Keymap map = {"1!", "2\"", "3#", "4$", "5%", "6&", "7'", "8(", "9)", "0~", "-=", "^~", "\\|",
                "@`", "[{", ";+", ":*", "]}", ",<", ".>", "/?", "\\_", "  "};
  for (char c = 'a'; c <= 'z'; ++c) map.push_back({c, static_cast<char>(c - 'a' + 'A')});
  return map;
}

class RecordingKeys : public KeySender {
 public:
  RecordingKeys() { SetKeySender(this); }
  ~RecordingKeys() override { SetKeySender(nullptr); }
  void Event(uint32_t keysym, bool press) override { events.push_back({keysym, press}); }
  void Flush() override { events.push_back(Flushed()); }
  bool HasKey(uint32_t keysym) override {
    return keymap.empty() || keysym > 0xFF || Find(keysym, nullptr) >= 0;
  }
  int ShiftLevel(uint32_t keysym) override {
    int level;
    if (!keymap.empty() && Find(keysym, &level) >= 0) return level;
    const auto known = levels.find(keysym);
    return known == levels.end() ? -1 : known->second;
  }
  // What the recorded events type on the keymap: the character of each key pressed
  // at the level the Shift keys held at that moment give.
  std::string Typed() const {
    std::string typed;
    int shifts = 0;
    for (const RecordedKey& k : events) {
      if (k.keysym == kKeysymShiftL || k.keysym == 0xFFE2) {
        shifts += k.press ? 1 : -1;
      } else if (k.press) {
        const int key = Find(k.keysym, nullptr);
        if (key >= 0) typed += keymap[key][shifts > 0 ? 1 : 0];
      }
    }
    return typed;
  }
  std::vector<RecordedKey> events;
  std::map<uint32_t, int> levels;  // shift levels without a keymap; unknown when absent
  Keymap keymap;

 private:
  // The key of a keysym as the server finds it: plain characters of all keys first.
  int Find(uint32_t keysym, int* level) const {
    for (int l = 0; l < 2; ++l)
      for (size_t key = 0; key < keymap.size(); ++key)
        if (static_cast<unsigned char>(keymap[key][l]) == keysym) {
          if (level) *level = l;
          return static_cast<int>(key);
        }
    return -1;
  }
};
