// Free writing with the real engine (海, 変換 and 木山 as e2e_free_writing and e2e_pen
// write them are theirs): characters the variable frame cut apart or ran together come
// out whole, rows it got right stay, half-width mode and post-processing behave. With a
// stand-in engine: at most twelve characters, no stroke lost, extra recognitions bounded.
#include <gtest/gtest.h>

#include <atomic>
#include <numeric>
#include <set>

#include "engine_data.h"
#include "kanjivg_reader.h"
#include "pad/recogcycle.h"
#include "pad/rect.h"
#include "pad/segment.h"
#include "pad/segment_words.h"
#include "pad/vframe.h"
#include "pad_fixture.h"
#include "pen_trace.h"
#include "recog.h"
#include "seni.h"
#include "textconv.h"

namespace {

int Strokes(const SegPen& pen) {
  int n = 0;
  for (size_t i = 0; i + 1 < pen.size() && pen[i] == kStrokeMark; i += 2 + 2 * pen[i + 1]) ++n;
  return n;
}

SegPen PenOf(const std::vector<PixelStroke>& strokes) {
  SegPen pen;
  for (const PixelStroke& s : strokes) {
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(s.size()));
    for (const PixelPoint& p : s) {
      pen.push_back(static_cast<uint16_t>(p.x));
      pen.push_back(static_cast<uint16_t>(p.y));
    }
  }
  pen.push_back(kPenEnd);
  return pen;
}

// The frame's characters of strokes written in this order, as the pen-ups make them.
std::vector<SegPen> FrameCharacters(const std::vector<PixelStroke>& strokes) {
  std::vector<Rect16> boxes;
  for (const PixelStroke& s : strokes) {
    Rect16 box{static_cast<int16_t>(s[0].x), static_cast<int16_t>(s[0].y), 1, 1};
    for (const PixelPoint& p : s) RECT_add(&box, p.x, p.y);
    boxes.push_back(box);
  }
  const std::vector<int> group = VFrameGroup(boxes, 30, 4000, 2000, kSegMaxUnits);
  std::vector<std::vector<PixelStroke>> chars;
  for (size_t k = 0; k < strokes.size(); ++k) {
    if (group[k] < 0) continue;
    if (static_cast<size_t>(group[k]) == chars.size()) chars.emplace_back();
    chars.back().push_back(strokes[k]);
  }
  std::vector<SegPen> pens;
  for (const auto& c : chars) pens.push_back(PenOf(c));
  return pens;
}

void Recognise(const SegPen& pen, const Rect16& frame, ZkResult* result) {
  const ZkOptionRec option{0x0FFF407F, 0, frame.x, frame.y, static_cast<int16_t>(frame.width),
                           static_cast<int16_t>(frame.height)};
  result->count = 0;
  ZkCRecognize(&option, pen.data(), pen.size(), result);
}

// The strokes of a KanjiVG character (a file name) as a pen writes them at (left, top)
// in a size x size square.
std::vector<PixelStroke> Traced(const char* file, int left, int top, int size) {
  StrokeList strokes;
  std::string error;
  EXPECT_TRUE(ReadKanjiVgFile(kKanjiVg + "/" + file, &strokes, &error)) << error;
  return TraceStrokes(strokes, TraceOptions{kKanjiVgBox, double(size), double(left), double(top), 4});
}

// A character written at (left, top) in a size x size square; its first leftPart
// strokes (its left part) moved gap pixels further left.
struct Written {
  const char* file;
  int left, top, size;
  int leftPart, gap;
};

struct Case {
  const char* what;
  std::vector<Written> chars;
  size_t frameChars;  // what the variable frame makes of them
  const char* text;
};

// The real engine with the built dictionary (and the transitions where built).
class EngineSegment : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Exists(kSystemDic) || !Exists(kKanjiVg)) GTEST_SKIP() << "no built dictionary or KanjiVG";
    ASSERT_EQ(ZkCRecInitializesFrom(kSystemDic.c_str(), "/nonexistent/Crecs.upt"), 0);
    if (Exists(kTransitions)) {
      ASSERT_EQ(SeniJishoFrom(kTransitions), kSeniLoaded);
    }
  }
  void TearDown() override {
    SeniClose();
    ZkCRecEnd();
  }
};

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

  // Writes the character in pen input at (left, top).
  void Write(const char* file, int left, int top, int size = 120) {
    ASSERT_EQ(InkNewCharacter(), kInkStarted);
    PadInk.Vfram_rct[Pad.Ink_data.chars] = Rect16{static_cast<int16_t>(left), static_cast<int16_t>(top),
                                                  static_cast<uint16_t>(size), static_cast<uint16_t>(size)};
    for (const PixelStroke& stroke : Traced(file, left, top, size)) {
      InkStrokeBegin(stroke[0].x, stroke[0].y);
      for (size_t i = 1; i < stroke.size(); ++i) InkStrokePoint(stroke[i].x, stroke[i].y);
    }
  }
};

}  // namespace

TEST_F(EngineSegment, FrameMistakesAreMendedAndRightRowsKept) {
  const Case cases[] = {
      {"海 written larger, each stroke of 氵 on its own: merged", {{"06d77.svg", 300, 100, 300, 3, 30}}, 4, "海"},
      {"川八いけ小 apart, each with gaps of its own: left alone",
       {{"05ddd.svg", 100, 100, 120, 0, 0},
        {"0516b.svg", 260, 100, 120, 0, 0},
        {"03044.svg", 420, 100, 120, 0, 0},
        {"03051.svg", 580, 100, 120, 0, 0},
        {"05c0f.svg", 740, 100, 120, 0, 0}},
       5,
       "川八いけ小"},
      {"と、桜 with the 、 written close to the と: read apart",
       {{"03068.svg", 100, 100, 120, 0, 0}, {"03001.svg", 190, 100, 120, 0, 0}, {"0685c.svg", 330, 80, 160, 0, 0}},
       2,
       "と、桜"},
      {"紙話始時 with their left parts written far off: read closed up",
       {{"07d19.svg", 100, 100, 120, 6, 40}, {"08a71.svg", 300, 100, 120, 7, 40}, {"059cb.svg", 500, 100, 120, 3, 40}, {"06642.svg", 700, 100, 120, 4, 40}},
       5,
       "紙話始時"},
      {"します。 written 20 pixels high: read as if written larger",
       {{"03057.svg", 100, 100, 20, 0, 0}, {"0307e.svg", 122, 100, 20, 0, 0}, {"03059.svg", 144, 100, 20, 0, 0}, {"03002.svg", 166, 100, 20, 0, 0}},
       1,
       "します。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<PixelStroke> strokes;
    for (const Written& w : c.chars) {
      std::vector<PixelStroke> traced = Traced(w.file, w.left, w.top, w.size);
      for (int k = 0; k < w.leftPart; ++k)
        for (PixelPoint& p : traced[static_cast<size_t>(k)]) p.x -= w.gap;
      strokes.insert(strokes.end(), traced.begin(), traced.end());
    }
    const std::vector<SegPen> atoms = FrameCharacters(strokes);
    ASSERT_EQ(atoms.size(), c.frameChars);

    SegmentStats stats;
    const std::vector<SegUnit> units = SegmentRow(atoms, Recognise, SeniTransitionCost, SegmentSettings{}, &stats);
    std::string text;
    int strokesOut = 0;
    for (const SegUnit& u : units) {
      ASSERT_GE(u.result.count, 1);
      text += SjisCodeToUtf8(u.result.entry[0].code);
      strokesOut += Strokes(u.pen);
    }
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(strokesOut, static_cast<int>(strokes.size()));
    if (c.frameChars == std::string(c.text).size() / 3) {
      EXPECT_EQ(stats.merges + stats.splits, 0);
    }

    // The recognitions spread over two threads (the default) give what one thread gives.
    SegmentSettings oneThread;
    oneThread.threads = 1;
    SegmentStats oneStats;
    const std::vector<SegUnit> alone = SegmentRow(atoms, Recognise, SeniTransitionCost, oneThread, &oneStats);
    ASSERT_EQ(alone.size(), units.size());
    for (size_t i = 0; i < units.size(); ++i) {
      EXPECT_EQ(alone[i].pen, units[i].pen);
      EXPECT_EQ(alone[i].result.count, units[i].result.count);
      for (int k = 0; k < units[i].result.count; ++k) {
        EXPECT_EQ(alone[i].result.entry[k].code, units[i].result.entry[k].code);
        EXPECT_EQ(alone[i].result.entry[k].distance, units[i].result.entry[k].distance);
      }
    }
    EXPECT_EQ(oneStats.extraCalls, stats.extraCalls);
  }
}

// Stand-in engine: two strokes far apart read badly, one stroke reads well, so every
// character would rather be split.
TEST(Segment, NeverMoreThanTwelveCharactersAndNoStrokeLost) {
  std::vector<SegPen> atoms;
  for (int c = 0; c < 12; ++c) {
    const int x = c * 300;
    atoms.push_back(PenOf({{{x, 0}, {x, 100}}, {{x + 150, 0}, {x + 150, 100}}}));
  }
  std::atomic<int> calls{0};
  const SegRecogniser fake = [&](const SegPen& pen, const Rect16&, ZkResult* r) {
    ++calls;
    *r = ZkResult{};
    r->count = 1;
    r->entry[0] = ZkResultEntry{0x88A0, 0, static_cast<uint16_t>(Strokes(pen) == 1 ? 400 : 2400)};
  };
  SegmentStats stats;
  const std::vector<SegUnit> units = SegmentRow(atoms, fake, nullptr, SegmentSettings{}, &stats);
  EXPECT_LE(units.size(), static_cast<size_t>(kSegMaxUnits));
  int strokes = 0;
  for (const SegUnit& u : units) strokes += Strokes(u.pen);
  EXPECT_EQ(strokes, 24);
  EXPECT_EQ(stats.calls, calls);
  // Each half, and each right half with the next left half (no wider than 1.6 rows),
  // which is also read with the gap between them closed.
  EXPECT_EQ(stats.extraCalls, 24 + 2 * 11);

  // The runners-up of five characters (all ten halves fit in a row): other
  // segmentations of all the strokes, dearer, none too long.
  atoms.resize(5);
  const std::vector<SegReading> readings = SegmentRowReadings(atoms, fake, nullptr, SegmentSettings{});
  ASSERT_EQ(readings.size(), 4u);
  EXPECT_EQ(readings[0].units.size(), 10u);
  std::set<std::vector<size_t>> seen;
  for (size_t i = 0; i < readings.size(); ++i) {
    SCOPED_TRACE(i);
    std::vector<size_t> strokeCounts;
    for (const SegUnit& u : readings[i].units) strokeCounts.push_back(static_cast<size_t>(Strokes(u.pen)));
    EXPECT_TRUE(seen.insert(strokeCounts).second);
    EXPECT_EQ(std::accumulate(strokeCounts.begin(), strokeCounts.end(), size_t{0}), 10u);
    if (i > 0) {
      EXPECT_LE(readings[i - 1].cost, readings[i].cost);
    }
  }
}

// Of two segmentations, the words take the one that reads as Japanese unless the ink
// says otherwise clearly.
TEST(Segment, WordsChooseAmongTheSegmentations) {
  const WordCost* words = SharedWordCost();
  if (!words) GTEST_SKIP() << "no IPA dictionary for MeCab";
  const auto reading = [](const char* text, double cost) {
    SegReading r{{}, cost};
    for (const std::string& c : Utf8Characters(text)) {
      SegUnit u{};
      u.result.count = 1;
      u.result.entry[0] = ZkResultEntry{Utf8ToSjisCode(c), kCodeDoubleByte, 1000};
      r.units.push_back(u);
    }
    return r;
  };
  EXPECT_EQ(ChooseReadingByWords({reading("私た吋同じ", -8.0), reading("私たちは同じ", -7.5)}, words), 1u);
  EXPECT_EQ(ChooseReadingByWords({reading("私た吋同じ", -8.0), reading("私たちは同じ", 0.0)}, words), 0u);
  EXPECT_EQ(ChooseReadingByWords({reading("私た吋同じ", -8.0), reading("私たちは同じ", -7.5)}, nullptr), 0u);
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
  const ZkResultEntry yue{Utf8ToSjisCode("曰"), kCodeDoubleByte, 1000};
  const ZkResultEntry sun{Utf8ToSjisCode("日"), kCodeDoubleByte, 1010};
  const ZkResultEntry book{Utf8ToSjisCode("本"), kCodeDoubleByte, 1000};
  std::vector<WrittenChar> chars = {{TaggedPen(1), ZkResult{0, 2, {yue, sun}, {}, 0}},
                                    {TaggedPen(2), ZkResult{0, 1, {book}, {}, 0}}};
  testing::internal::CaptureStdout();
  InsertRecognised(&chars);
  const std::string out = testing::internal::GetCapturedStdout();
  SeniClose();
  EXPECT_EQ(PendingUtf8(), "日本");
  EXPECT_EQ(out, "後処理：[曰->日]\n");
  EXPECT_EQ(CellText(Pad.Result[0][1]), "曰");
}

// A row written after a pause is read as following the pending text before it: a
// lone round after す is 。, written over the selected す (after nothing) the
// engine's ｏ.
TEST_F(EngineCycle, ARowFollowsThePendingTextBeforeIt) {
  if (!Exists(kTransitions)) GTEST_SKIP() << "no built transition table";
  ASSERT_EQ(SeniJishoFrom(kTransitions), 0);
  Ap_table.seni_exec = 1;
  const auto round = [] {
    ZkResult r{};
    r.count = 2;
    r.entry[0] = ZkResultEntry{Utf8ToSjisCode("ｏ"), kCodeDoubleByte, 1000};
    r.entry[1] = ZkResultEntry{Utf8ToSjisCode("。"), kCodeDoubleByte, 1000};
    return std::vector<WrittenChar>{{TaggedPen(1), r}};
  };
  const ZkResultEntry su{Utf8ToSjisCode("す"), kCodeDoubleByte, 1000};
  std::vector<WrittenChar> first = {{TaggedPen(2), ZkResult{0, 1, {su}, {}, 0}}};
  InsertRecognised(&first);
  std::vector<WrittenChar> after = round();
  InsertRecognised(&after);
  EXPECT_EQ(PendingUtf8(), "す。");
  Pad.Rang = {0, 1, 0};
  std::vector<WrittenChar> over = round();
  InsertRecognised(&over);
  SeniClose();
  EXPECT_EQ(PendingUtf8(), "ｏ。");
}
