// Committing the pending line: the clipboard text and the recorded key sequences, the
// keys on an empty line, back-space, and nothing at all without a focus window.
// Editing it: deleting a selection, choosing an alternative.
#include <gtest/gtest.h>

#include "app/appstate.h"
#include "pad_fixture.h"

namespace {

using Keys = std::vector<RecordedKey>;

class Commit : public PadTest {};

Keys Paste(uint32_t modifier, uint32_t key = kKeysymV) {
  return Keys{Down(modifier), Down(key), Up(key), Up(modifier), Flushed()};
}

TEST_F(Commit, EnterPastesWithTheKeyOfThePasteType) {
  const struct {
    int16_t pastType;
    Keys keys;
  } cases[] = {{kPasteControlV, Paste(kKeysymControlL)},
               {kPasteAltV, Paste(kKeysymAltL)},
               {kPasteShiftInsert, Paste(kKeysymShiftL, kKeysymInsert)}};
  for (const auto& c : cases) {
    keys.events.clear();
    display = RecordingDisplay{};
    Ap_table.past_type = c.pastType;
    SetPending("あいう", {"ぁ"});
    EnterClick();
    EXPECT_EQ(Utf8(clipboard.texts.back()), "あいう");
    EXPECT_EQ(keys.events, c.keys) << c.pastType;
    EXPECT_EQ(Pad.Tbuff[0], 0);
    EXPECT_EQ(Pad.Ink_data.pending, 0);
    EXPECT_EQ(Pad.Result[0][1][0], 0);
    EXPECT_EQ(display.enterCalls, std::vector<int>{-1});
    EXPECT_EQ(display.candidateCalls, std::vector<int>{0});
  }
}

TEST_F(Commit, EnterWithAFullCommitBufferSendsItAndKeepsTheLine) {
  SetPending("あいう");
  std::memset(App.Over_text, 'a', 2045);
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
  std::strcpy(App.Over_text, Euc("か").c_str());
  clipboard.refuse = true;
  EnterClick();
  EXPECT_TRUE(keys.events.empty());
  EXPECT_EQ(PendingUtf8(), "あい");
  EXPECT_EQ(Utf8(App.Over_text), "か");
  EXPECT_EQ(display.beeps, 1);
}

TEST_F(Commit, KeysOnlyWithAFocusWindowThatTakesTextAndOtherwiseTheLineStays) {
  struct Case {
    const char* what;
    FocusFacts facts;
  };
  std::vector<Case> cases;
  auto add = [&](const char* what, auto change) {
    FocusFacts f = AppFocus();
    change(f);
    cases.push_back({what, f});
  };
  add("None", [](FocusFacts& f) { f.window = 0; });
  add("PointerRoot", [](FocusFacts& f) { f.window = 1; });
  add("root", [](FocusFacts& f) { f.window = f.root; });
  add("window gone", [](FocusFacts& f) { f.topLevel = 0; });
  add("unmapped", [](FocusFacts& f) { f.viewable = false; });
  add("override-redirect", [](FocusFacts& f) { f.overrideRedirect = true; });
  add("off the screen", [](FocusFacts& f) { f.x = 1024; });
  add("left of the screen", [](FocusFacts& f) { f.x = -300; });
  // Where the focus goes when the focused application closes under a window manager.
  add("manager's hidden window", [](FocusFacts& f) {
    f.window = f.topLevel = f.wmSupporting = 0x800001;
    f.overrideRedirect = true;
    f.x = f.y = -100;
    f.width = f.height = 1;
  });
  add("manager's window, mapped", [](FocusFacts& f) { f.wmSupporting = f.topLevel; });

  for (const Case& c : cases) {
    focus.facts = c.facts;
    EnterClick();
    BakspClick();  // the line is empty: would send BackSpace
    SetPending("あい");
    EnterClick();
    EXPECT_EQ(PendingUtf8(), "あい") << c.what;
    BuffCleaEx();
    std::strcpy(App.Over_text, Euc("か").c_str());
    CommitOverText();
    EXPECT_EQ(Utf8(App.Over_text), "か") << c.what;
    EXPECT_FALSE(FocusWindow()) << c.what;
    App.Over_text[0] = 0;
  }
  EXPECT_TRUE(keys.events.empty());
  EXPECT_TRUE(clipboard.texts.empty());
  EXPECT_EQ(display.beeps, static_cast<int>(cases.size()));

  focus.facts = AppFocus();
  focus.facts.x = -290;  // partly on the screen is enough
  EXPECT_TRUE(FocusWindow());
  EXPECT_EQ(App.Focus_win, 0x200005u);
  EnterClick();  // on an empty line: Return and BackSpace, nothing pasted
  BakspClick();
  EXPECT_EQ(keys.events, (Keys{Down(kKeysymReturn), Up(kKeysymReturn), Flushed(),
                               Down(kKeysymBackSpace), Up(kKeysymBackSpace), Flushed()}));
  EXPECT_TRUE(clipboard.texts.empty());
}

TEST_F(Commit, BackSpaceDeletesBeforeTheCursorOrTheSelectionAndBeepsAtTheStart) {
  SetPending("あいう");
  Pad.Rang = RangRec{2, 2, 2};
  BakspClick();
  EXPECT_EQ(PendingUtf8(), "あう");
  EXPECT_EQ(Range(), std::make_pair(1, 1));
  EXPECT_EQ(PenTag(Pad.BFpen[1]), 2);
  EXPECT_EQ(display.candidateCalls, std::vector<int>{10});
  EXPECT_TRUE(keys.events.empty());
  SetPending("あいう");
  Pad.Rang = RangRec{0, 2, 0};
  BakspClick();
  EXPECT_EQ(PendingUtf8(), "う");
  EXPECT_EQ(Pad.Rang.end, 0);
  BakspClick();  // the cursor is at the start
  EXPECT_EQ(PendingUtf8(), "う");
  EXPECT_EQ(display.beeps, 1);
  SetPending("あ");
  display = RecordingDisplay{};
  BakspClick();
  EXPECT_EQ(Pad.Ink_data.pending, 0);
  EXPECT_EQ(display.enterCalls, std::vector<int>{-1});
  EXPECT_EQ(display.candidateCalls, std::vector<int>{0});
}

TEST_F(Commit, DeletingASelectionMovesTheLaterCharactersDownByWholeCharacters) {
  SetPending("あいうえ");
  Pad.Rang = RangRec{1, 3, 1};
  EXPECT_EQ(BuffTextDel(), 1);
  EXPECT_EQ(PendingUtf8(), "あえ");
  EXPECT_EQ(Pad.Ink_data.pending, 2);
  EXPECT_EQ(Pad.Rang.end, 1);
  EXPECT_EQ(CellText(Pad.Result[1][0]), "え");
  EXPECT_EQ(PenTag(Pad.BFpen[1]), 3);
  for (int i = 2; i < kPadChars; ++i) {
    EXPECT_TRUE(Pad.BFpen[i].empty()) << i;
    EXPECT_EQ(Pad.Result[i][0][0], 0) << i;
  }

  SetPending("aあb");  // character boundaries kept; an empty selection deletes nothing
  Pad.Rang = RangRec{1, 2, 1};
  BuffTextDel();
  EXPECT_EQ(PendingUtf8(), "ab");
  EXPECT_EQ(EucCharCount(Pad.Tbuff), 2);
  const int redraws = display.pendingRedraws;
  Pad.Rang = RangRec{1, 1, 1};
  EXPECT_EQ(BuffTextDel(), 1);
  EXPECT_EQ(PendingUtf8(), "ab");
  EXPECT_EQ(display.pendingRedraws, redraws);
}

TEST_F(Commit, AlternativeReplacesTheCharacterBeforeTheCursorOrBeeps) {
  SetPending("あい", {"ぁ", "り"});
  KohoSwaping(0);
  EXPECT_EQ(PendingUtf8(), "あり");
  EXPECT_EQ(CellText(Pad.Result[1][0]), "り");
  EXPECT_EQ(CellText(Pad.Result[1][1]), "い");  // the replaced character is offered back
  EXPECT_EQ(display.candidateCalls, std::vector<int>{1});
  KohoSwaping(0);
  EXPECT_EQ(PendingUtf8(), "あい");
  // At the start the first character's alternatives are used; an empty one beeps.
  SetPending("あい", {"ぁ"});
  KohoSwaping(0);  // い has no alternative
  KohoSwaping(8);
  EXPECT_EQ(display.beeps, 2);
  EXPECT_EQ(PendingUtf8(), "あい");
  Pad.Rang = RangRec{0, 0, 0};
  KohoSwaping(0);
  EXPECT_EQ(PendingUtf8(), "ぁい");
  BuffCleaEx();
  KohoSwaping(0);
  EXPECT_EQ(display.beeps, 3);
}

}  // namespace
