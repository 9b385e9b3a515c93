// The engine API: the pen copy and its limits, distance normalisation, the result
// record with and without gestures, and recognition of bad or extreme pen data; then
// end to end, a dictionary of synthetic writings made with the engine's own
// extraction, and clean and mildly distorted writings recognised through the API.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "candlist.h"
#include "codes.h"
#include "recog.h"
#include "recogstages.h"
#include "testdic.h"
#include "textconv.h"

namespace {

KohoSlot Slot(uint16_t code, int16_t distance) {
  KohoSlot s{};
  s.code = code;
  s.distance = distance;
  s.typeMask = ZkCheckJisyu(code);
  return s;
}

void EmptyList(KohoSlot* list) {
  for (int i = 0; i < kKohoSlots; ++i) list[i] = Slot(kEmptyCode, kAbsentDistance);
}

int CopiedPoints(const uint16_t* copy) {
  int points = 0;
  for (size_t pos = 0; copy[pos] == kStrokeMark; pos += 2 + 2 * static_cast<size_t>(copy[pos + 1])) points += copy[pos + 1];
  return points;
}

}  // namespace

// A long first stroke is cut as RecognizeTest shows through the API.
TEST(PenCopy, StrokesAndPointsStopAtTheLimits) {
  std::vector<uint16_t> out(kPenCopyWords);
  auto pen = PenWords(PenStrokes(31, PenStroke{{0, 0}, {10, 10}}));
  EXPECT_EQ(CopyPenData(pen.data(), pen.size(), out.data(), out.size()), 30);
  // 1000 + 1000 points: the second stroke keeps the 536 that fit.
  pen = PenWords({PenLine(0, 0, 999, 0, 1), PenLine(0, 9, 999, 9, 1), PenLine(0, 20, 50, 20)});
  EXPECT_EQ(CopyPenData(pen.data(), pen.size(), out.data(), out.size()), 2);
  EXPECT_EQ(CopiedPoints(out.data()), kPenCopyPoints);
  EXPECT_EQ(out[2 + 2 * 1000 + 1], kPenCopyPoints - 1000);
}

TEST(PenCopy, MalformedCountsAndShortBuffers) {
  std::vector<uint16_t> out(kPenCopyWords);
  const std::vector<uint16_t> endFirst = {kPenEnd, kStrokeMark, 1, 5, 5};
  EXPECT_EQ(CopyPenData(endFirst.data(), endFirst.size(), out.data(), out.size()), 0);

  // An empty stroke is passed over; a negative count ends the data.
  const std::vector<uint16_t> counts = {kStrokeMark, 0, kStrokeMark, 1, 7, 8, kStrokeMark, 0xFFFF, 1, 2, kPenEnd};
  EXPECT_EQ(CopyPenData(counts.data(), counts.size(), out.data(), out.size()), 1);
  EXPECT_EQ(std::vector<uint16_t>(out.begin(), out.begin() + 5),
            (std::vector<uint16_t>{kStrokeMark, 1, 7, 8, kPenEnd}));

  // The buffer ends inside a stroke claiming 500 points: only whole points present
  // in the buffer are copied, and nothing past it is read.
  std::vector<uint16_t> cut = {kStrokeMark, 500, 1, 2, 3, 4, 5};
  EXPECT_EQ(CopyPenData(cut.data(), cut.size(), out.data(), out.size()), 1);
  EXPECT_EQ(out[1], 2);
  EXPECT_EQ(CopyPenData(cut.data(), 1, out.data(), out.size()), 0);  // no count word
  EXPECT_EQ(CopyPenData(nullptr, 0, out.data(), out.size()), 0);
}

TEST(NormDist, MeanAndDeviationByStrokeCount) {
  KohoSlot list[kKohoSlots];
  EmptyList(list);
  list[0] = Slot(0x82A0, 98);
  list[1] = Slot(0x82A2, 97);     // -269 / 52 truncates to -5
  list[2] = Slot(0x82A4, -32768); // far below: held at the bottom of the range
  list[3] = Slot(0x82A6, 32000);  // far above: reads as empty
  ZkNormDist(1, list);
  const int16_t expected[] = {1200, 1195, -32768, 32767, 32767};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list[i].distance, expected[i]) << i;
  list[0].distance = 183;
  ZkNormDist(2, list);
  EXPECT_EQ(list[0].distance, 1469);  // (183 - 130) * 269 / 53 + 1200
}

TEST(ResultRecord, CharactersFullAndHalfWidth) {
  KohoSlot list[kKohoSlots];
  EmptyList(list);
  list[0] = Slot(0x8260, 700);  // Ａ
  list[1] = Slot(0x88EA, 800);  // 一
  list[2] = Slot(0x8051, 900);  // a gesture below a character is dropped
  list[3] = Slot(0x8341, 950);  // ア
  ZkOptionRec opt{kClassAll, 0, 0, 0, 0, 0};
  ZkResult r;
  ZkBuildResult(opt, nullptr, list, &r);
  EXPECT_EQ((std::vector<int>{r.kind, r.count, r.gesturePointCount}), (std::vector<int>{kResultChars, 3, 0}));
  EXPECT_EQ((std::vector<int>{r.entry[0].code, r.entry[0].type, r.entry[0].distance, r.entry[2].code}),
            (std::vector<int>{0x8260, kCodeDoubleByte, 700, 0x8341}));

  opt.flags = kHalfWidthFlag;
  ZkBuildResult(opt, nullptr, list, &r);
  // Ａ and ア turn half width (katakana ｱ 0xB1), 一 has no such form.
  EXPECT_EQ((std::vector<int>{r.entry[0].code, r.entry[0].type, r.entry[1].type, r.entry[2].code, r.entry[2].distance}),
            (std::vector<int>{'A', kCodeSingleByte, kCodeDoubleByte, 0xB1, 950}));

  EmptyList(list);
  ZkBuildResult(opt, nullptr, list, &r);
  EXPECT_EQ((std::vector<int>{r.kind, r.count}), (std::vector<int>{kResultNothing, 0}));
}

TEST(ResultRecord, GestureAloneWithItsHotPoints) {
  // First stroke: (10,50) (40,20) (70,20) (90,80) (60,80): box x 10..90, y 20..80.
  const auto pen = PenWords({{{10, 50}, {40, 20}, {70, 20}, {90, 80}, {60, 80}}, {{0, 0}, {1, 1}}});
  struct Case {
    uint16_t code;
    std::vector<int> points;
  };
  const Case cases[] = {
      {0x8051, {50, 50}},           {0x805A, {50, 50}},        {0x805D, {90, 50, 10, 50}},
      {0x8055, {10, 50, 90, 50}},   {0x8052, {40, 35}},        {0x805B, {90, 80}},
      {0x8053, {10, 50}},           {0x8059, {10, 50}},        {0x805C, {}},
  };
  for (const Case& c : cases) {
    KohoSlot list[kKohoSlots];
    EmptyList(list);
    list[0] = Slot(c.code, 600);
    list[1] = Slot(0x82A0, 700);
    ZkResult r;
    ZkBuildResult(ZkOptionRec{kClassAll, 0, 0, 0, 0, 0}, pen.data(), list, &r);
    SCOPED_TRACE(c.code);
    EXPECT_EQ((std::vector<int>{r.kind, r.count, r.entry[0].code, r.entry[0].type, r.entry[0].distance}),
              (std::vector<int>{kResultGesture, 1, c.code, kCodeGesture, 600}));
    EXPECT_EQ(std::vector<int>(r.gesturePoints, r.gesturePoints + std::min(2 * r.gesturePointCount, 8)), c.points);
  }
}

class RecognizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<SubDicSpec> subs(1);
    subs[0].typeMask = kClassKanji;
    AddWriting(&subs[0], 0x88EA, {PenLine(40, 100, 160, 100)});                              // 一
    AddWriting(&subs[0], 0x8F5C, {PenLine(40, 100, 160, 100), PenLine(100, 40, 100, 160)});  // 十
    ASSERT_EQ(InitEngineWith(dir_, subs), 0);
  }
  void TearDown() override { ZkCRecEnd(); }
  int Recognize(const std::vector<uint16_t>& pen, ZkResult* r, size_t words = 0) {
    const ZkOptionRec opt{kClassAll, 0, 0, 0, 200, 200};
    return ZkCRecognize(&opt, pen.data(), words ? words : pen.size(), r);
  }
  TempDir dir_;
};

TEST_F(RecognizeTest, NoStrokeLeavesTheResultAlone) {
  ZkResult r{};
  r.count = 7;
  for (const std::vector<uint16_t>& pen : {std::vector<uint16_t>{kPenEnd}, {kStrokeMark, 0, kPenEnd},
                                           {kStrokeMark, static_cast<uint16_t>(-1), kPenEnd}})
    EXPECT_EQ(Recognize(pen, &r), 2) << pen.size();
  EXPECT_EQ(r.count, 7);
}

TEST_F(RecognizeTest, ThirtyOneStrokesAndLongStrokes) {
  ZkResult r{};
  PenStrokes many;
  for (int i = 0; i < 31; ++i) many.push_back(PenLine(10, 5 * i, 190, 5 * i, 10));  // 19 points each
  EXPECT_EQ(Recognize(PenWords(many), &r), 0);
  EXPECT_EQ(ZkRun.ZkIMDType.strokes, 30);

  const auto longPen = PenWords({PenLine(40, 100, 2039, 100, 1), PenLine(100, 40, 100, 160)});
  EXPECT_EQ(Recognize(longPen, &r), 0);
  EXPECT_EQ(ZkRun.ZkIHPen[1], kPenCopyPoints);
  EXPECT_EQ(ZkRun.ZkIHPen[2 + 2 * kPenCopyPoints], kPenEnd);  // nothing after the cut stroke
  EXPECT_EQ((std::vector<int>{ZkRun.ZkIMDType.strokes, r.kind, r.entry[0].code}),
            (std::vector<int>{1, kResultChars, 0x88EA}));
}

TEST_F(RecognizeTest, ExtremeCoordinatesAndTaps) {
  ZkResult r{};
  const PenStrokes extreme = {{{-32768, -32768}, {32767, 32767}}, {{32767, -32768}, {-32768, 32767}},
                              {{-32768, 0}, {32767, 0}, {-32768, 0}}};
  EXPECT_EQ(Recognize(PenWords(extreme), &r), 0);
  EXPECT_LE(r.count, kResultEntries);

  // Taps only: an empty pattern matches nothing stored here.
  EXPECT_EQ(Recognize(PenWords({{{5, 5}}, {{50, 50}}}), &r), 0);
  EXPECT_EQ(ZkRun.ZkIMDType.segments, 0);
  EXPECT_EQ(r.kind, kResultNothing);
}

TEST_F(RecognizeTest, StopsAtTheEndOfTheCallersBuffer) {
  // The pen words claim a second stroke that lies beyond the words handed over.
  auto pen = PenWords({PenLine(40, 100, 160, 100), PenLine(100, 40, 100, 160)});
  const size_t firstStroke = 2 + 2 * PenLine(40, 100, 160, 100).size();
  ZkResult r{};
  ASSERT_EQ(Recognize(pen, &r, firstStroke + 1), 0);  // the mark of stroke 2 but no count
  EXPECT_EQ(r.entry[0].code, 0x88EA);
  ASSERT_EQ(Recognize(pen, &r), 0);
  EXPECT_EQ(r.entry[0].code, 0x8F5C);
}

namespace {

struct Character {
  std::string text;
  uint32_t typeMask;
  PenStrokes strokes;  // in a 200 x 200 frame
};

std::vector<Character> Characters() {
  return {
      {"一", kClassKanji, {PenLine(40, 100, 160, 100)}},
      {"二", kClassKanji, {PenLine(60, 70, 140, 70), PenLine(40, 135, 160, 135)}},
      {"三", kClassKanji, {PenLine(60, 50, 140, 50), PenLine(70, 100, 130, 100), PenLine(40, 150, 160, 150)}},
      {"十", kClassKanji, {PenLine(40, 95, 160, 95), PenLine(100, 35, 100, 165)}},
      {"口", kClassKanji,
       {PenLine(60, 60, 60, 150), PenPath({{60, 60}, {140, 60}, {140, 150}}), PenLine(60, 150, 140, 150)}},
      {"日", kClassKanji,
       {PenLine(65, 35, 65, 170), PenPath({{65, 35}, {135, 35}, {135, 170}}), PenLine(65, 102, 135, 102),
        PenLine(65, 170, 135, 170)}},
      {"い", kClassHiragana, {PenPath({{60, 55}, {55, 115}, {75, 150}}), PenPath({{130, 70}, {150, 125}})}},
      {"く", kClassHiragana, {PenPath({{130, 35}, {65, 100}, {130, 165}})}},
      {"し", kClassHiragana, {PenPath({{80, 35}, {80, 135}, {100, 160}, {155, 125}})}},
      {"つ", kClassHiragana, {PenPath({{35, 90}, {110, 65}, {155, 90}, {140, 135}, {85, 150}})}},
      {"の", kClassHiragana,
       {PenPath({{105, 65}, {85, 150}, {55, 135}, {55, 85}, {105, 55}, {155, 85}, {150, 145}, {110, 165}})}},
  };
}

uint16_t Code(const std::string& text) { return Utf8ToSjisCode(text); }

using Transform = std::function<PenPoint(PenPoint)>;

PenStrokes Apply(const PenStrokes& strokes, const Transform& t) {
  PenStrokes out = strokes;
  for (auto& s : out)
    for (auto& p : s) p = t(p);
  return out;
}

class EngineEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<SubDicSpec> subs(3);
    subs[0].typeMask = kClassKanji;
    subs[1].typeMask = kClassHiragana;
    subs[2].typeMask = kClassGesture;
    for (const auto& c : Characters()) AddWriting(&subs[c.typeMask == kClassKanji ? 0 : 1], Code(c.text), c.strokes);
    // A gesture: a large check mark.
    AddWriting(&subs[2], 0x8051, {PenPath({{30, 90}, {80, 170}, {175, 20}})});
    ASSERT_EQ(InitEngineWith(dir_, subs), 0);
  }
  void TearDown() override { ZkCRecEnd(); }

  ZkResult Recognize(const PenStrokes& strokes, uint32_t mask = kClassAll) {
    const auto pen = PenWords(strokes);
    const ZkOptionRec opt{mask, 0, 0, 0, 200, 200};
    ZkResult r{};
    EXPECT_EQ(ZkCRecognize(&opt, pen.data(), pen.size(), &r), 0);
    return r;
  }
  TempDir dir_;
};

}  // namespace

TEST_F(EngineEndToEnd, CleanAndDistortedWritingsRankFirst) {
  const std::vector<std::pair<std::string, Transform>> distortions = {
      {"as stored", [](PenPoint p) { return p; }},
      {"smaller and moved", [](PenPoint p) { return PenPoint{p.first * 9 / 10 + 300, p.second * 9 / 10 + 70}; }},
      {"larger", [](PenPoint p) { return PenPoint{p.first * 3 / 2, p.second * 3 / 2}; }},
      {"slanted", [](PenPoint p) { return PenPoint{p.first + (100 - p.second) / 10, p.second}; }},
      {"wider", [](PenPoint p) { return PenPoint{p.first * 6 / 5, p.second}; }},
      {"wavy",
       [](PenPoint p) {
         return PenPoint{p.first + static_cast<int>(4 * std::sin(p.second * 0.05)),
                         p.second + static_cast<int>(4 * std::cos(p.first * 0.06))};
       }},
  };
  for (const auto& d : distortions)
    for (const auto& c : Characters()) {
      const ZkResult r = Recognize(Apply(c.strokes, d.second));
      ASSERT_EQ(r.kind, kResultChars) << c.text << " " << d.first;
      EXPECT_EQ(r.entry[0].code, Code(c.text)) << c.text << " " << d.first << " got "
                                               << SjisCodeToUtf8(r.entry[0].code);
      EXPECT_EQ(r.entry[0].type, kCodeDoubleByte);
    }
}

TEST_F(EngineEndToEnd, SmallKanaFollowTheLargeWriting) {
  const auto firstTwo = [this](const PenStrokes& strokes) {
    const ZkResult r = Recognize(strokes);
    return std::vector<uint16_t>{r.entry[0].code, r.entry[1].code};
  };
  const PenStrokes tsu = Characters()[9].strokes;
  EXPECT_EQ(firstTwo(tsu), (std::vector<uint16_t>{Code("つ"), Code("っ")}));
  // Half size: small in both directions (below 2/5 of the frame), not very small.
  const auto half = [](PenPoint p) { return PenPoint{p.first / 2, p.second / 2}; };
  EXPECT_EQ(firstTwo(Apply(tsu, half)), (std::vector<uint16_t>{Code("っ"), Code("つ")}));
}

