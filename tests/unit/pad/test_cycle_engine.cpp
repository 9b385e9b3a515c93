// The whole cycle with the real engine and the built dictionaries: pen data recorded
// as the pad records it, from a KanjiVG character, comes out as that character in the
// pending line; half-width mode keeps half-width katakana out; post-processing that
// changes a character reports it. Skipped without the built data.
#include <gtest/gtest.h>

#include "engine_data.h"
#include "kanjivg_reader.h"
#include "pad/recogcycle.h"
#include "pad_fixture.h"
#include "pen_trace.h"
#include "recog.h"
#include "seni.h"

namespace {

class EngineCycle : public PadTest {
 protected:
  void SetUp() override {
    PadTest::SetUp();
    if (!Exists(kSystemDic) || !Exists(kKanjiVg)) GTEST_SKIP() << "no built dictionary or KanjiVG";
    ASSERT_EQ(ZkCRecInitializesFrom(kSystemDic.c_str(), "/nonexistent/Crecs.upt"), 0);
    ZkOption = ZkOptionRec{0x0FFF407F, 0, 0, 0, 0, 0};
    Ap_table.pmode = 1;
  }
  void TearDown() override {
    ZkCRecEnd();
    PadTest::TearDown();
  }

  // Writes the character (a KanjiVG file name) in pen input at (left, top).
  void Write(const char* file, int left, int top, int size = 120) {
    StrokeList strokes;
    std::string error;
    ASSERT_TRUE(ReadKanjiVgFile(kKanjiVg + "/" + file, &strokes, &error)) << error;
    TraceOptions options;
    options.box = kKanjiVgBox;
    options.left = left;
    options.top = top;
    options.size = size;
    options.spacing = 4;
    ASSERT_EQ(InkNewCharacter(), kInkStarted);
    PadInk.Vfram_rct[Pad.Ink_data.chars] = Rect16{static_cast<int16_t>(left), static_cast<int16_t>(top),
                                       static_cast<uint16_t>(size), static_cast<uint16_t>(size)};
    for (const PixelStroke& stroke : TraceStrokes(strokes, options)) {
      InkStrokeBegin(stroke[0].x, stroke[0].y);
      for (size_t i = 1; i < stroke.size(); ++i) InkStrokePoint(stroke[i].x, stroke[i].y);
    }
  }
};

TEST_F(EngineCycle, WrittenCharactersReachThePendingLine) {
  Write("06728.svg", 100, 200);  // 木
  Write("05c71.svg", 300, 200);  // 山
  EXPECT_EQ(RecogCycleRun(), 2);
  EXPECT_EQ(PendingUtf8(), "木山");
  EXPECT_EQ(Pad.Ink_data.chars, 0);
  EXPECT_EQ(PenStrokeCount(Pad.BFpen[0]), 4);
  EXPECT_EQ(PenStrokeCount(Pad.BFpen[1]), 3);
  for (const PenData& pen : Pad.hPens) EXPECT_TRUE(pen.empty());
}

TEST_F(EngineCycle, HalfWidthModeHasNoHalfWidthKatakana) {
  ZkOption.flags = kHalfWidthFlag;
  Write("030ab.svg", 100, 100);  // カ
  Write("030ed.svg", 300, 100);  // ロ
  EXPECT_EQ(RecogCycleRun(), 2);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < kCandCells; ++j) {
      const unsigned char lead = static_cast<unsigned char>(Pad.Result[i][j][0]);
      EXPECT_FALSE(lead >= 0x80 && Pad.Result[i][j][1] == 0) << i << "," << j;
    }
}

TEST_F(EngineCycle, PostProcessingReportsTheCharacterItChanged) {
  if (!Exists(kTransitions)) GTEST_SKIP() << "no built transition table";
  ASSERT_EQ(SeniJishoFrom(kTransitions), 0);
  Ap_table.seni_exec = 1;
  // 曰 and 日 look alike; before 本 the transitions prefer 日.
  const uint16_t yue = Utf8ToSjisCode("曰"), sun = Utf8ToSjisCode("日"), book = Utf8ToSjisCode("本");
  std::vector<WrittenChar> chars(2);
  chars[0].pen = TaggedPen(1);
  chars[0].result.count = 2;
  chars[0].result.entry[0] = ZkResultEntry{yue, kCodeDoubleByte, 1000};
  chars[0].result.entry[1] = ZkResultEntry{sun, kCodeDoubleByte, 1010};
  chars[1].pen = TaggedPen(2);
  chars[1].result.count = 1;
  chars[1].result.entry[0] = ZkResultEntry{book, kCodeDoubleByte, 1000};
  testing::internal::CaptureStdout();
  InsertRecognised(&chars);
  const std::string out = testing::internal::GetCapturedStdout();
  SeniClose();
  EXPECT_EQ(PendingUtf8(), "日本");
  EXPECT_EQ(out, "後処理：[曰->日]\n");
  EXPECT_EQ(CellText(Pad.Result[0][1]), "曰");
}

}  // namespace
