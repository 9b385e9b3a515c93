// The learning file's records and the dialog's pen capture.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/learnfile.h"
#include "dialogs/udicdata.h"
#include "types.h"

namespace {

LearnRecord Sample(uint8_t second, int points) {
  LearnRecord r;
  r.euc[0] = 0xCC;  // 木 is 0xCCDA
  r.euc[1] = second;
  r.pen = {kStrokeMark, static_cast<uint16_t>(points)};
  for (int i = 0; i < points; ++i) {
    r.pen.push_back(static_cast<uint16_t>(10 + i));
    r.pen.push_back(static_cast<uint16_t>(-5 - i));  // negative coordinates survive
  }
  r.pen.push_back(kPenEnd);
  return r;
}

void PutLength(std::vector<uint8_t>* bytes, size_t at, uint32_t length) {
  for (int i = 0; i < 4; ++i) (*bytes)[at + 2 + i] = static_cast<uint8_t>(length >> (8 * i));
}

}  // namespace

TEST(LearnFile, RecordsRoundTripAndCorruptFilesEndTheListing) {
  const std::vector<LearnRecord> two = {Sample(0xDA, 3), Sample(0xDB, 1)};
  const std::vector<uint8_t> good = SerializeLearnFile(two);
  ASSERT_EQ(good.size(), 2 * 6 + 2 * (2 + 2 * 3 + 1) + 2 * (2 + 2 * 1 + 1));
  const size_t second = 6 + 2 * (2 + 2 * 3 + 1);  // offset of the second record

  struct Row {
    const char* what;
    std::function<void(std::vector<uint8_t>*)> spoil;
    size_t records;
    bool clean;
  };
  const std::vector<Row> rows = {
      {"intact", [](std::vector<uint8_t>*) {}, 2, true},
      {"empty", [](std::vector<uint8_t>* b) { b->clear(); }, 0, true},
      {"cut inside the second pen data", [](std::vector<uint8_t>* b) { b->resize(b->size() - 3); }, 1, false},
      {"cut inside the second length", [&](std::vector<uint8_t>* b) { b->resize(second + 4); }, 1, false},
      {"length beyond the ink buffer", [&](std::vector<uint8_t>* b) { PutLength(b, second, kLearnInkBytes + 2); }, 1, false},
      {"huge length", [&](std::vector<uint8_t>* b) { PutLength(b, 0, 0xFFFFFFFF); }, 0, false},
      {"odd length", [&](std::vector<uint8_t>* b) { PutLength(b, second, 9); }, 1, false},
      {"zero length", [&](std::vector<uint8_t>* b) { PutLength(b, 0, 0); }, 0, false},
      {"no end mark", [&](std::vector<uint8_t>* b) { (*b)[second - 1] = 0; }, 0, false},
      {"trailing garbage", [](std::vector<uint8_t>* b) { b->push_back(0xCC); }, 2, false},
  };
  for (const Row& row : rows) {
    std::vector<uint8_t> bytes = good;
    row.spoil(&bytes);
    bool clean = !row.clean;
    const auto records = ParseLearnFile(bytes, &clean);
    ASSERT_EQ(records.size(), row.records) << row.what;
    EXPECT_EQ(clean, row.clean) << row.what;
    for (size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].pen, two[i].pen) << row.what;
      EXPECT_EQ(records[i].euc[1], two[i].euc[1]) << row.what;
    }
  }
}

TEST(UdicInk, CaptureKeepsThirtyStrokesOf1024PointsAndTheCandidates) {
  DicDataRec d;
  UdicInkReset(&d);
  for (int s = 0; s < 31; ++s) {
    UdicStrokeBegin(&d, s, -s);
    for (int p = 1; p < (s == 0 ? 1100 : 3); ++p) UdicStrokePoint(&d, s, p);
  }
  const std::vector<uint16_t> pen = UdicInkTake(&d);
  EXPECT_EQ(d.strokes, 0);
  std::vector<int> counts;  // points per stroke
  size_t i = 0;
  for (; i < pen.size() && pen[i] == kStrokeMark; i += 2 + 2 * pen[i + 1]) counts.push_back(pen[i + 1]);
  ASSERT_EQ(i + 1, pen.size());
  EXPECT_EQ(pen.back(), kPenEnd);
  ASSERT_EQ(counts.size(), 30u);
  EXPECT_EQ(counts[0], 1024);
  EXPECT_EQ(counts[29], 3);
  EXPECT_EQ(static_cast<int16_t>(pen[3]), 0);
  EXPECT_EQ(static_cast<int16_t>(pen[2 + 2 * 1024 + 3]), -1);  // second stroke starts at (1, -1)

  const uint16_t codes[] = {0x96D8, 0x8051, 0x9FB4, 0x8F5C};  // 木, a gesture, two more
  EXPECT_EQ(UdicSetCandidates(&d, codes, 4), 3);
  EXPECT_FALSE(UdicSwapCandidate(&d, 3));  // a key without a candidate
  EXPECT_TRUE(UdicSwapCandidate(&d, 2));
  EXPECT_EQ(d.codes[0], 0x8F5C);
  EXPECT_EQ(d.codes[2], 0x96D8);

  const UdicRect areas[2] = {{10, 10, 220, 200}, {240, 10, 220, 200}};
  EXPECT_EQ(UdicAreaAt(areas, 10, 10), 0);
  EXPECT_EQ(UdicAreaAt(areas, 229, 209), 0);
  EXPECT_EQ(UdicAreaAt(areas, 230, 50), -1);
  EXPECT_EQ(UdicAreaAt(areas, 240, 50), 1);
  EXPECT_EQ(UdicAreaAt(areas, 300, 210), -1);
}
