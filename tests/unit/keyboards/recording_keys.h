// A KeySender that records what would be injected: (keysym, press) pairs and the
// flushes as ("flush", keysym 0).
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

class RecordingKeys : public KeySender {
 public:
  RecordingKeys() { SetKeySender(this); }
  ~RecordingKeys() override { SetKeySender(nullptr); }
  void Event(uint32_t keysym, bool press) override { events.push_back({keysym, press}); }
  void Flush() override { events.push_back(Flushed()); }
  int ShiftLevel(uint32_t keysym) override {
    const auto level = levels.find(keysym);
    return level == levels.end() ? -1 : level->second;
  }
  std::vector<RecordedKey> events;
  std::map<uint32_t, int> levels;  // the keyboard map's shift levels; unknown when absent
};
