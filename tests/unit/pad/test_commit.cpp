// Committing the pending line: the clipboard text and the recorded key sequences, the
// keys on an empty line, back-space, and nothing at all without a focus window.
#include <gtest/gtest.h>

#include "pad_fixture.h"

namespace {

using Keys = std::vector<RecordedKey>;

class Commit : public PadTest {};

Keys Paste(uint32_t modifier) {
  return Keys{Down(modifier), Down(kKeysymV), Up(kKeysymV), Up(modifier), Flushed()};
}

TEST_F(Commit, EnterPastesWithAltWhenPastTypeIsOne) {
  Ap_table.past_type = 1;
  SetPending("あいう", {"ぁ"});
  EnterClick();
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(Utf8(clipboard.texts[0]), "あいう");
  EXPECT_EQ(keys.events, Paste(kKeysymAltL));
  EXPECT_EQ(Tbuff[0], 0);
  EXPECT_EQ(Ink_data.pending, 0);
  EXPECT_EQ(Result[0][1][0], 0);
  EXPECT_EQ(display.enterCalls, std::vector<int>{-1});
  EXPECT_EQ(display.candidateCalls, std::vector<int>{0});
}

TEST_F(Commit, EnterPastesWithControlWhenPastTypeIsZero) {
  SetPending("かな");
  EnterClick();
  EXPECT_EQ(keys.events, Paste(kKeysymControlL));
}

TEST_F(Commit, EnterSendsWaitingOverflowFirst) {
  SetPending("あい");
  std::strcpy(Over_text, Euc("か").c_str());
  EnterClick();
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(Utf8(clipboard.texts[0]), "かあい");
}

TEST_F(Commit, EnterWithAFullCommitBufferSendsItAndKeepsTheLine) {
  SetPending("あいう");
  std::memset(Over_text, 'a', 2045);
  EnterClick();
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0].size(), 2045u);
  EXPECT_EQ(PendingUtf8(), "あいう");
  EnterClick();
  ASSERT_EQ(clipboard.texts.size(), 2u);
  EXPECT_EQ(Utf8(clipboard.texts[1]), "あいう");
}

TEST_F(Commit, NoPasteKeyWhenTheClipboardRefusesTheText) {
  SetPending("あい");
  std::strcpy(Over_text, Euc("か").c_str());
  clipboard.refuse = true;
  EnterClick();
  EXPECT_TRUE(keys.events.empty());
  EXPECT_EQ(PendingUtf8(), "あい");
  EXPECT_EQ(Utf8(Over_text), "か");
  EXPECT_EQ(display.beeps, 1);
}

TEST_F(Commit, EmptyLineSendsReturnAndBackSpace) {
  EnterClick();
  BakspClick();
  EXPECT_EQ(keys.events, (Keys{Down(kKeysymReturn), Up(kKeysymReturn), Flushed(),
                               Down(kKeysymBackSpace), Up(kKeysymBackSpace), Flushed()}));
  EXPECT_TRUE(clipboard.texts.empty());
}

TEST_F(Commit, NoKeysWithoutARealFocusWindowAndTheLineStays) {
  for (unsigned long nowhere : {0UL /* None */, 1UL /* PointerRoot */, 0x50dUL /* root */}) {
    focus.focus = nowhere;
    EnterClick();
    BakspClick();  // the line is empty: would send BackSpace
    SetPending("あい");
    EnterClick();
    EXPECT_EQ(PendingUtf8(), "あい") << nowhere;
    BuffCleaEx();
    std::strcpy(Over_text, Euc("か").c_str());
    CommitOverText();
    EXPECT_EQ(Utf8(Over_text), "か");
    EXPECT_FALSE(FocusWindow());
    EXPECT_EQ(Focus_win, nowhere);
  }
  EXPECT_TRUE(keys.events.empty());
  EXPECT_TRUE(clipboard.texts.empty());
  EXPECT_EQ(display.beeps, 3);
}

TEST_F(Commit, BackSpaceDeletesTheCharacterBeforeTheCursor) {
  SetPending("あいう");
  Rang = RangRec{2, 2, 2};
  BakspClick();
  EXPECT_EQ(PendingUtf8(), "あう");
  EXPECT_EQ(Rang.start, 1);
  EXPECT_EQ(Rang.end, 1);
  EXPECT_EQ(PenTag(BFpen[1]), 2);
  EXPECT_EQ(display.candidateCalls, std::vector<int>{10});
  EXPECT_TRUE(keys.events.empty());
}

TEST_F(Commit, BackSpaceDeletesTheSelection) {
  SetPending("あいう");
  Rang = RangRec{0, 2, 0};
  BakspClick();
  EXPECT_EQ(PendingUtf8(), "う");
  EXPECT_EQ(Rang.end, 0);
}

TEST_F(Commit, BackSpaceAtTheStartBeeps) {
  SetPending("あい");
  Rang = RangRec{0, 0, 0};
  BakspClick();
  EXPECT_EQ(PendingUtf8(), "あい");
  EXPECT_EQ(display.beeps, 1);
}

TEST_F(Commit, BackSpaceOfTheLastCharacterResetsTheKeys) {
  SetPending("あ");
  BakspClick();
  EXPECT_EQ(Ink_data.pending, 0);
  EXPECT_EQ(display.enterCalls, std::vector<int>{-1});
  EXPECT_EQ(display.candidateCalls, std::vector<int>{0});
}

TEST(ShiftCheck, JapaneseLayout) {
  for (int c : {'a', 'z', ',', '-', '.', '/', '0', '9', ':', ';', '[', '\\', ']', '^', ' ', '@'})
    EXPECT_EQ(ShiftCheck(c), 0) << static_cast<char>(c);
  for (int c : {'A', 'Z', '!', '"', '+', '<', '=', '>', '?', '_', '`', '{', '|', '}', '~'})
    EXPECT_EQ(ShiftCheck(c), 1) << static_cast<char>(c);
}

}  // namespace
