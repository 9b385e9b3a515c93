// The key-synthesis convention: every non-modifier key goes down and up, modifiers
// wrap it, and each sequence ends with one flush.
#include <gtest/gtest.h>

#include "recording_keys.h"

namespace {

using Keys = std::vector<RecordedKey>;

TEST(KeySend, AKeyIsPressedThenReleasedThenFlushed) {
  RecordingKeys rec;
  SendKey(kKeysymReturn);
  EXPECT_EQ(rec.events, (Keys{Down(kKeysymReturn), Up(kKeysymReturn), Flushed()}));
}

TEST(KeySend, ModifierWrapsTheKey) {
  RecordingKeys rec;
  SendModifiedKey(kKeysymControlL, kKeysymV);
  EXPECT_EQ(rec.events, (Keys{Down(kKeysymControlL), Down(kKeysymV), Up(kKeysymV),
                              Up(kKeysymControlL), Flushed()}));
}

TEST(KeySend, WithoutASenderNothingHappens) {
  { RecordingKeys rec; }  // installs and removes itself
  SendKey(kKeysymBackSpace);  // must not reach a destroyed recorder
  RecordingKeys rec;
  EXPECT_TRUE(rec.events.empty());
}

}  // namespace
