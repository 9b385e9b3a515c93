// Pen data of the writing sequence (format, limits, strokes moved and pieces joined)
// and recognised characters entering the pending line (at the cursor, over the
// selection, pushing out beyond twelve, candidates that are no text).
#include <gtest/gtest.h>

#include <algorithm>

#include "pad/recogcycle.h"
#include "pad_fixture.h"
#include "recog.h"
#include "word_cost.h"

namespace {

// An engine result with the given candidates (UTF-8 characters, best first).
ZkResult ResultOf(const std::vector<std::string>& candidates) {
  ZkResult r{};
  for (const std::string& c : candidates) {
    const uint16_t code = Utf8ToSjisCode(c);
    r.entry[r.count++] = ZkResultEntry{code, code > 0xFF ? kCodeDoubleByte : kCodeSingleByte, 1000};
  }
  return r;
}

class Cycle : public PadTest {
 protected:
  // Characters written in one sequence; pen tags 100, 101, ...
  int Insert(const std::vector<std::string>& firsts) {
    std::vector<WrittenChar> chars;
    for (size_t i = 0; i < firsts.size(); ++i)
      chars.push_back({TaggedPen(100 + static_cast<int>(i)), ResultOf({firsts[i], "ー"})});
    return InsertRecognised(&chars);
  }
};

using Words = std::vector<uint16_t>;

class Ink : public PadTest {
 protected:
  // A stroke of `points` points at (base + i, base) as the handlers record it.
  void Stroke(int points, int base = 10) {
    InkStrokeBegin(base, base);
    for (int i = 1; i < points; ++i) InkStrokePoint(base + i, base);
  }
  // The current character closed and its data up to the end mark.
  Words Closed(int slot) {
    InkCloseCharacter();
    return Pad.hPens[slot];
  }
};

}  // namespace

TEST_F(Cycle, CharactersGoInBetweenAndTheCursorFollowsThem) {
  SetPending("あいう");
  Pad.Rang = RangRec{1, 1, 1};
  EXPECT_EQ(Insert({"か", "き", "く"}), 3);
  EXPECT_EQ(PendingUtf8(), "あかきくいう");
  EXPECT_EQ(Pad.Ink_data.pending, 6);
  EXPECT_EQ(Range(), std::make_pair(4, 4));
  const int tags[] = {0, 100, 101, 102, 1, 2};
  const char* firsts[] = {"あ", "か", "き", "く", "い", "う"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(PenTag(Pad.BFpen[i]), tags[i]) << i;
    EXPECT_EQ(CellText(Pad.Result[i][0]), firsts[i]) << i;
  }
  EXPECT_EQ(CellText(Pad.Result[3][1]), "ー");
}

// With the rescoring on, the row is read as words and the alternatives follow it;
// rows of the 数字 mode are no sentences and keep the engine's order.
TEST_F(Cycle, RescoringReadsSentencesAsWords) {
  if (!SharedWordCost()) GTEST_SKIP() << "no IPA dictionary for MeCab";
  struct Case {
    uint32_t mask;
    const char* pending;
    const char* third;  // the third character's first two candidates
  };
  const Case cases[] = {{kClassAll, "削除します", "しＬ"}, {kClassDigit, "削除Ｌます", "Ｌし"}};
  const uint32_t mask = ZkOption.mask;
  Ap_table.seni_exec = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pending);
    SetPending("");
    Pad.Rang = RangRec{0, 0, 0};
    ZkOption.mask = c.mask;
    std::vector<WrittenChar> chars;
    for (const auto& candidates : std::vector<std::vector<std::string>>{{"削"}, {"除"}, {"Ｌ", "し"}, {"ま"}, {"す"}})
      chars.push_back({TaggedPen(100), ResultOf(candidates)});
    InsertRecognised(&chars);
    EXPECT_EQ(PendingUtf8(), c.pending);
    EXPECT_EQ(CellText(Pad.Result[2][0]) + CellText(Pad.Result[2][1]), c.third);
  }
  ZkOption.mask = mask;
}

// A new character replaces the selection; in a full line the first character leaves
// for the application (or waits while no window has the focus), unless the cursor
// stands before it: then the new character is sent at once.
TEST_F(Cycle, FullLinePushesOutAndTheSelectionIsReplaced) {
  const std::string full = "あいうえおかきくけこさし";
  const struct {
    const char* what;
    std::string line;
    int cursor, selectionEnd;
    bool focused;
    const char* text;
    int caret, firstTag;
    const char* pasted;  // "" for no paste
    const char* waiting;
  } cases[] = {
      {"selection", "あいうえ", 1, 3, true, "あかえ", 2, 0, "", ""},
      {"full line", full, 5, 5, true, "いうえおかかきくけこさし", 5, 1, "あ", ""},
      {"full line, cursor at the start", full, 0, 0, true, "あいうえおかきくけこさし", 0, 0, "か", ""},
      {"full line, no focus", full, 1, 1, false, "かいうえおかきくけこさし", 1, 100, "", "あ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clipboard.texts.clear();
    App.Over_text[0] = 0;
    focus.facts = AppFocus();
    if (!c.focused) focus.facts.window = 1;  // PointerRoot
    SetPending(c.line);
    Pad.Rang = RangRec{static_cast<int16_t>(c.cursor), static_cast<int16_t>(c.selectionEnd),
                       static_cast<int16_t>(c.cursor)};
    Insert({"か"});
    EXPECT_EQ(PendingUtf8(), c.text);
    EXPECT_EQ(Pad.Ink_data.pending, EucCharCount(Pad.Tbuff));
    EXPECT_EQ(Pad.Rang.end, c.caret);
    EXPECT_EQ(PenTag(Pad.BFpen[0]), c.firstTag);
    EXPECT_EQ(clipboard.texts, *c.pasted ? std::vector<std::string>{Euc(c.pasted)} : std::vector<std::string>{});
    EXPECT_EQ(Utf8(App.Over_text), c.waiting);
  }
  // What waits goes first with the next commit, later push-outs joining it.
  Insert({"ち"});
  EXPECT_EQ(Utf8(App.Over_text), "あか");
  focus.facts = AppFocus();
  EnterClick();
  EXPECT_EQ(clipboard.texts, std::vector<std::string>{Euc("あかちいうえおかきくけこさし")});
}

TEST_F(Cycle, FullCommitBufferRefusesTheCharacterInsteadOfOverflowing) {
  focus.facts.window = 0;
  SetPending("あいうえおかきくけこさし");
  Pad.Rang = RangRec{3, 3, 3};
  std::memset(App.Over_text, 'a', 2046);
  Insert({"た"});
  EXPECT_EQ(PendingUtf8(), "あいうえおかきくけこさし");  // nothing lost
  EXPECT_EQ(std::strlen(App.Over_text), 2046u);
  EXPECT_EQ(display.beeps, 1);
  EXPECT_EQ(PenTag(Pad.BFpen[0]), 0);
}

TEST_F(Cycle, NothingRecognisedLeavesTheLineAndTheFirstCharacterTurnsEnterIntoPaste) {
  std::vector<WrittenChar> none;
  EXPECT_EQ(InsertRecognised(&none), 0);
  EXPECT_EQ(display.candidateCalls, std::vector<int>{10});
  EXPECT_EQ(PendingUtf8(), "");
  display.enterCalls.clear();
  Insert({"あ"});
  EXPECT_EQ(PendingUtf8(), "あ");
  EXPECT_EQ(display.enterCalls, std::vector<int>{-2});
  EXPECT_EQ(display.candidateCalls.back(), 10);
}

TEST(RecogResult, GestureCandidatesAreSkippedAndCellsHoldBothWidths) {
  ZkResult r = ResultOf({"あ", "い"});
  r.entry[2] = r.entry[1];
  r.entry[1] = r.entry[0];
  r.entry[0] = ZkResultEntry{0x8051, kCodeGesture, 900};
  r.count = 3;
  DropGestureCandidates(&r);
  ASSERT_EQ(r.count, 2);
  EXPECT_EQ(r.entry[0].code, Utf8ToSjisCode("あ"));
  ZkResult gestures{0, 1, {{0x805D, kCodeGesture, 900}}, {}, 0};
  DropGestureCandidates(&gestures);
  EXPECT_EQ(gestures.count, 0);

  char cells[kCandCells][2];
  ResultSets(ResultOf({"漢", "A"}), cells);
  EXPECT_EQ(CellText(cells[0]), "漢");
  EXPECT_EQ(std::string(cells[1], 2), std::string("A\0", 2));
  EXPECT_EQ(cells[2][0], 0);
  ResultSets(ZkResult{}, cells);
  EXPECT_EQ(CellText(cells[0]), "？");
}

TEST_F(Ink, StrokeIsMarkCountAndPointsEndedByTheEndMark) {
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  InkStrokeBegin(5, -3);
  InkStrokePoint(6, -2);
  InkStrokeBegin(40, 41);
  InkStrokePoint(40, 41);  // a tap: the press point and the release point
  EXPECT_EQ(Closed(0), (Words{0xEEEE, 2, 5, 0xFFFD, 6, 0xFFFE, 0xEEEE, 2, 40, 41, 40, 41, 0xF001}));
  EXPECT_EQ(Pad.Ink_data.strokes, 2);
}

TEST_F(Ink, StrokesBeyondThirtyAndPointsBeyond1024AreNotStored) {
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  for (int s = 0; s < 31; ++s) Stroke(3, s);
  EXPECT_EQ(Pad.Ink_data.strokes, 30);
  Words pen = Closed(0);
  EXPECT_EQ(PenStrokeCount(pen), 30);
  EXPECT_EQ(pen.size(), 30u * (2 + 3 * 2) + 1);
  EXPECT_EQ(pen[29 * 8 + 1], 3);  // the thirtieth stroke has all its points
  // The largest character fits its buffer.
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  for (int s = 0; s < 40; ++s) Stroke(2000, s);
  pen = Closed(1);
  EXPECT_EQ(pen[1], 1024);
  EXPECT_EQ(PenStrokeCount(pen), 30);
  EXPECT_EQ(pen.size(), 30u * (2 + 2048) + 1);
  EXPECT_EQ(pen.back(), kPenEnd);
  EXPECT_LE(pen.size() * 2, kPenBufferBytes);
}

TEST_F(Ink, MovedStrokeStartsTheNewBufferAndCountsThere) {
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  Stroke(2, 10);
  Stroke(3, 100);
  ASSERT_EQ(InkMoveStrokeToNewCharacter(), kInkStarted);
  EXPECT_EQ(Pad.Ink_data.chars, 2);
  EXPECT_EQ(Pad.Ink_data.strokes, 1);
  EXPECT_EQ(Pad.hPens[0], (Words{0xEEEE, 2, 10, 10, 11, 10, 0xF001}));
  for (int s = 0; s < 40; ++s) Stroke(1100, s);
  const Words pen = Closed(1);
  EXPECT_EQ(Words(pen.begin(), pen.begin() + 8), (Words{0xEEEE, 3, 100, 100, 101, 100, 102, 100}));
  EXPECT_EQ(PenStrokeCount(pen), 30);
  EXPECT_LE(pen.size(), kPenBufferWords);
}

TEST_F(Ink, TwelveCharactersAtMost) {
  for (int c = 0; c < kPadChars; ++c) {
    ASSERT_EQ(InkNewCharacter(), kInkStarted);
    Stroke(2, c);
  }
  EXPECT_EQ(InkNewCharacter(), kInkSequenceFull);
  EXPECT_EQ(InkMoveStrokeToNewCharacter(), kInkSequenceFull);
  // The stroke stays with the twelfth character.
  EXPECT_EQ(Closed(11), (Words{0xEEEE, 2, 11, 11, 12, 11, 0xF001}));
}

TEST_F(Ink, PiecesOfOneCharacterMakeRoomForAThirteenthAndWholeCharactersDoNot) {
  struct Case {
    int pieceWidth;  // characters 4 and 5 (one 100-pixel character cut in two, or two)
    int fifthX;      // where character 5 starts (character 4 starts at 600)
    bool joined;
  };
  // A pair as wide as 1.6 characters may be one written with a wide gap (日 寺).
  for (const Case& c : {Case{45, 650, true}, Case{60, 690, true}, Case{80, 700, false}}) {
    SCOPED_TRACE(c.pieceWidth);
    InkDiscardSequence();
    for (int k = 0; k < kPadChars; ++k) {
      ASSERT_EQ(InkNewCharacter(), kInkStarted);
      Stroke(2, k);
      const int x = k == 4 ? c.fifthX : k * 200;
      const int width = k == 3 || k == 4 ? c.pieceWidth : 100;
      PadInk.Vfram_rct[k + 1] = Rect16{static_cast<int16_t>(x), 0, static_cast<uint16_t>(width), 100};
    }
    Stroke(3, 90);  // the stroke that would start a 13th character
    PadInk.Vfram_rct[kPadChars + 1] = Rect16{2400, 0, 100, 100};
    const std::vector<PenData> before(Pad.hPens, Pad.hPens + kPadChars);

    ASSERT_EQ(InkJoinFragments(), c.joined);
    if (!c.joined) {
      EXPECT_EQ(Pad.Ink_data.chars, kPadChars);
      EXPECT_TRUE(std::equal(before.begin(), before.end(), Pad.hPens));
      continue;
    }
    EXPECT_EQ(Pad.Ink_data.chars, kPadChars - 1);
    EXPECT_EQ(Pad.hPens[3], (Words{0xEEEE, 2, 3, 3, 4, 3, 0xEEEE, 2, 4, 4, 5, 4, 0xF001}));
    EXPECT_EQ(Pad.hPens[4], before[5]);
    EXPECT_EQ(PadInk.Vfram_rct[4].width, c.fifthX + c.pieceWidth - 600);
    EXPECT_EQ(PadInk.Vfram_rct[kPadChars].x, 2400);  // the stroke's box moved down with it
    ASSERT_EQ(InkMoveStrokeToNewCharacter(), kInkStarted);
    EXPECT_EQ(Pad.Ink_data.chars, kPadChars);
    EXPECT_EQ(Closed(kPadChars - 1), (Words{0xEEEE, 3, 90, 90, 91, 90, 92, 90, 0xF001}));
  }
}

TEST_F(Ink, DroppedStrokeLeavesNothingAndNothingIsWrittenWithoutACharacter) {
  InkStrokeBegin(1, 1);
  InkStrokePoint(2, 2);
  InkCloseCharacter();
  EXPECT_EQ(Pad.Ink_data.strokes, 0);
  for (const PenData& pen : Pad.hPens) EXPECT_TRUE(pen.empty());
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  Stroke(2, 10);
  Stroke(4, 50);
  InkDropLastStroke();
  EXPECT_EQ(Pad.Ink_data.strokes, 1);
  EXPECT_EQ(Closed(0), (Words{0xEEEE, 2, 10, 10, 11, 10, 0xF001}));
}
