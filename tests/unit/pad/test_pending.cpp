// The pending line: deleting a selection, choosing an alternative, and the bounded
// commit buffer.
#include <gtest/gtest.h>

#include "pad_fixture.h"

namespace {

class Pending : public PadTest {};

TEST_F(Pending, DeletingASelectionMovesTheLaterCharactersDown) {
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
}

TEST_F(Pending, DeletingKeepsCharacterBoundariesAndAnEmptySelectionDeletesNothing) {
  SetPending("aあb");
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

TEST_F(Pending, AlternativeReplacesTheCharacterBeforeTheCursor) {
  SetPending("あい", {"ぁ", "り"});
  KohoSwaping(0);
  EXPECT_EQ(PendingUtf8(), "あり");
  EXPECT_EQ(CellText(Pad.Result[1][0]), "り");
  EXPECT_EQ(CellText(Pad.Result[1][1]), "い");  // the replaced character is offered back
  EXPECT_EQ(display.candidateCalls, std::vector<int>{1});
  KohoSwaping(0);
  EXPECT_EQ(PendingUtf8(), "あい");
}

TEST_F(Pending, AlternativeAtTheStartUsesTheFirstCharacterAndAnEmptyOneBeeps) {
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

TEST_F(Pending, CommitBufferNeverOverflows) {
  std::string filler(2040, 'a');
  EXPECT_TRUE(OverTextAppend(filler.data(), filler.size()));
  EXPECT_TRUE(OverTextAppend("0123456", 7));  // 2047 bytes and the NUL
  EXPECT_FALSE(OverTextAppend("x", 1));
  EXPECT_EQ(std::strlen(App.Over_text), 2047u);
  EXPECT_EQ(App.Over_text[2047], '\0');
}

}  // namespace
