// End to end: a dictionary of synthetic writings made with the engine's own
// extraction, then clean and mildly distorted writings recognised through the API.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "codes.h"
#include "recog.h"
#include "testdic.h"
#include "textconv.h"

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

