// Pen data of the writing sequence: the stroke format, the 30-stroke and 1024-point
// limits, the move of a stroke that starts a new character, and the joining of two
// pieces of one character that makes room for a 13th.
#include <gtest/gtest.h>

#include <algorithm>

#include "pad_fixture.h"

namespace {

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

TEST_F(Ink, MovedStrokeStartsTheNewBufferAndEndsThePrevious) {
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  Stroke(2, 10);
  Stroke(3, 100);
  ASSERT_EQ(InkMoveStrokeToNewCharacter(), kInkStarted);
  EXPECT_EQ(Pad.Ink_data.chars, 2);
  EXPECT_EQ(Pad.hPens[0], (Words{0xEEEE, 2, 10, 10, 11, 10, 0xF001}));
  EXPECT_EQ(Closed(1), (Words{0xEEEE, 3, 100, 100, 101, 100, 102, 100, 0xF001}));
}

TEST_F(Ink, MovedStrokeCountsInTheNewCharacter) {
  ASSERT_EQ(InkNewCharacter(), kInkStarted);
  Stroke(2);
  ASSERT_EQ(InkMoveStrokeToNewCharacter(), kInkStarted);
  EXPECT_EQ(Pad.Ink_data.strokes, 1);
  for (int s = 0; s < 40; ++s) Stroke(1100, s);
  const Words pen = Closed(1);
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
    bool joined;
  };
  for (const Case& c : {Case{45, true}, Case{80, false}}) {
    SCOPED_TRACE(c.pieceWidth);
    InkDiscardSequence();
    for (int k = 0; k < kPadChars; ++k) {
      ASSERT_EQ(InkNewCharacter(), kInkStarted);
      Stroke(2, k);
      const int x = k == 4 ? 3 * 200 + 50 : k * 200;
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
    EXPECT_EQ(PadInk.Vfram_rct[4].width, 95);
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

}  // namespace
