// Registering and deleting samples keeps the user dictionary and the learning file in
// step when either fails to be written; a damaged file loses nothing it held, and the
// start puts the two back in step. The learning file's records, the pen capture.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "codes.h"
#include "dialogs/learnfile.h"
#include "dialogs/udicdata.h"
#include "dialogs/udicstore.h"
#include "dicfile.h"
#include "testdic.h"
#include "textconv.h"
#include "types.h"
#include "usrdic.h"

namespace {

// The real files, with failures on demand: the n-th dictionary save (from 1), and
// every learning-file write or removal from the n-th on.
class FailingFiles : public UdicFiles {
 public:
  int failSave = 0;
  int failLearnFrom = 0;
  int saves = 0;
  int learnWrites = 0;
  int SaveDictionary() override {
    ++saves;
    return saves == failSave ? kUsrSaveFailed : UdicFiles::SaveDictionary();
  }
  bool WriteLearn(const std::vector<uint8_t>& bytes) override { return LearnOk() && UdicFiles::WriteLearn(bytes); }
  bool RemoveLearn() override { return LearnOk() && UdicFiles::RemoveLearn(); }

 private:
  bool LearnOk() { return ++learnWrites < failLearnFrom || failLearnFrom == 0; }
};

std::vector<uint16_t> Pen(const PenStrokes& strokes) { return PenWords(strokes); }
PenStrokes OddTen() { return {PenLine(100, 165, 100, 35), PenLine(160, 95, 40, 95)}; }
PenStrokes Hook() { return {PenPath({{40, 40}, {160, 40}, {160, 160}})}; }
PenStrokes Hook2() { return {PenPath({{160, 40}, {40, 40}, {40, 160}})}; }
PenStrokes Pen3() { return {PenLine(40, 40, 160, 160), PenLine(160, 40, 40, 160), PenLine(40, 100, 160, 100)}; }

class UdicStore : public ::testing::Test {
 public:
  void SetUp() override {
    oldHome_ = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", dir_.path().c_str(), 1);
    ::mkdir(dir_.File(".ZkCrec").c_str(), 0700);
    std::vector<SubDicSpec> subs(1);
    subs[0].typeMask = kClassKanji;
    AddWriting(&subs[0], Code("十"), {PenLine(40, 95, 160, 95), PenLine(100, 35, 100, 165)});
    std::string error;
    DicWriteOptions sys;
    sys.keepEmptyGroups = false;
    ASSERT_TRUE(WriteDicFile(dir_.File("Crecs.ptn"), subs, sys, &error)) << error;
    Restart();
  }
  void TearDown() override {
    ZkCRecEnd();
    setenv("HOME", oldHome_.c_str(), 1);
  }
  void Restart(int expected = kDicOk) {
    ASSERT_EQ(ZkCRecInitializesFrom(dir_.File("Crecs.ptn").c_str(), nullptr), expected);
  }
  static uint16_t Code(const char* text) { return Utf8ToSjisCode(text); }

  UdicResult Register(FailingFiles* files, const char* text, const PenStrokes& strokes) {
    char euc[2];
    SjisToEucBytes(Code(text), euc);
    const uint8_t bytes[2] = {static_cast<uint8_t>(euc[0]), static_cast<uint8_t>(euc[1])};
    return UdicRegister(files, Code(text), bytes, Pen(strokes));
  }
  std::vector<LearnRecord> Learned() {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(UdicFiles().ReadLearn(&bytes), LearnRead::kRead);
    return ParseLearnFile(bytes);
  }
  // The codes (sorted) of the learning file, of the dictionary in memory and of the saved one.
  static std::vector<uint16_t> Sorted(std::vector<uint16_t> codes) {
    std::sort(codes.begin(), codes.end());
    return codes;
  }
  std::vector<uint16_t> LearnedCodes() {
    std::vector<uint16_t> codes;
    for (const auto& r : Learned()) codes.push_back(EucToSjis(r.euc[0], r.euc[1]));
    return Sorted(codes);
  }
  std::vector<uint16_t> MemoryCodes() {
    std::vector<uint16_t> codes;
    for (uint16_t c = ZkInfoUsrDicPattern(1); c != 0; c = ZkInfoUsrDicPattern(0)) codes.push_back(c);
    return Sorted(codes);
  }
  std::vector<uint16_t> SavedCodes() {
    const auto memory = ZkUsrDicSnapshot();
    Restart();
    const auto saved = MemoryCodes();
    EXPECT_EQ(ZkUsrDicRestore(memory), 0);
    return saved;
  }

  TempDir dir_;
  std::string oldHome_;
};

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

TEST_F(UdicStore, RegistrationFailuresLeaveBothFilesAsTheyWereOrMendableAtStart) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  const std::vector<uint16_t> before = {Code("木")};
  const std::vector<uint16_t> both = Sorted({Code("木"), Code("林")});

  struct Row {
    const char* what;
    int failSave;
    int failLearnFrom;
    UdicOutcome outcome;
    std::vector<uint16_t> saved, learned;
  };
  const std::vector<Row> rows = {
      {"dictionary save fails", 1, 0, UdicOutcome::kDictionaryFailed, before, before},
      {"learning file fails", 0, 1, UdicOutcome::kLearnFailed, before, before},
      // The sample stays without its pattern: the next start registers it.
      {"dictionary save and the undo fail", 1, 2, UdicOutcome::kInconsistent, before, both},
      {"nothing fails", 0, 0, UdicOutcome::kDone, both, both},
  };
  for (const Row& row : rows) {
    FailingFiles files;
    files.failSave = row.failSave;
    files.failLearnFrom = row.failLearnFrom;
    const UdicResult r = Register(&files, "林", Hook());
    EXPECT_EQ(r.outcome, row.outcome) << row.what;
    if (row.outcome == UdicOutcome::kDictionaryFailed) {
      EXPECT_EQ(r.code, kUsrSaveFailed) << row.what;
    }
    EXPECT_EQ(SavedCodes(), row.saved) << row.what;
    EXPECT_EQ(MemoryCodes(), row.saved) << row.what;
    EXPECT_EQ(LearnedCodes(), row.learned) << row.what;
    if (row.outcome == UdicOutcome::kInconsistent) {
      EXPECT_EQ(UdicCheckAtStart(&ok, false).registered, 1);
      EXPECT_EQ(SavedCodes(), both);
      std::vector<LearnRecord> records = Learned();
      ASSERT_EQ(UdicDeleteRecord(&ok, &records, 1).outcome, UdicOutcome::kDone);
    }
  }
  EXPECT_EQ(Register(&ok, "林", OddTen()).outcome, UdicOutcome::kAlreadyTaught);
  EXPECT_EQ(Learned().back().pen, Pen(Hook()));
}

TEST_F(UdicStore, DeletionFailuresLeaveBothFilesAsTheyWere) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  ASSERT_EQ(Register(&ok, "林", Hook()).outcome, UdicOutcome::kDone);
  const std::vector<uint16_t> both = Sorted({Code("木"), Code("林")});

  struct Row {
    const char* what;
    int failSave;
    int failLearnFrom;
    UdicOutcome outcome;
    std::vector<uint16_t> after;
  };
  const std::vector<Row> rows = {
      {"dictionary save fails", 1, 0, UdicOutcome::kDictionaryFailed, both},
      {"learning file fails", 0, 1, UdicOutcome::kLearnFailed, both},
      {"deleted", 0, 0, UdicOutcome::kDone, {Code("林")}},  // the records are in teaching order
      {"the only record: the file goes", 0, 0, UdicOutcome::kDone, {}},
  };
  for (const Row& row : rows) {
    FailingFiles files;
    files.failSave = row.failSave;
    files.failLearnFrom = row.failLearnFrom;
    std::vector<LearnRecord> records = Learned();
    EXPECT_EQ(UdicDeleteRecord(&files, &records, 0).outcome, row.outcome) << row.what;
    EXPECT_EQ(SavedCodes(), row.after) << row.what;
    EXPECT_EQ(MemoryCodes(), row.after) << row.what;
    EXPECT_EQ(LearnedCodes(), row.after) << row.what;
    EXPECT_EQ(records.size(), row.after.size()) << row.what;
  }
  struct stat st;
  EXPECT_NE(::stat(LearnFilePath().c_str(), &st), 0);
  EXPECT_NE(::stat(ZkUsrDicPath().c_str(), &st), 0);
}

TEST_F(UdicStore, ChangesToADamagedLearningFileKeepItsOriginalAndLoseNoPattern) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  ASSERT_EQ(Register(&ok, "山", Hook()).outcome, UdicOutcome::kDone);
  ASSERT_EQ(Register(&ok, "川", Pen3()).outcome, UdicOutcome::kDone);
  std::vector<uint8_t> bad;
  ASSERT_EQ(ok.ReadLearn(&bad), LearnRead::kRead);
  bad[6 + 2 * Pen(OddTen()).size() + 2] = 0xFF;  // record 2's length: only 木 can be read
  const auto dictionary = ZkUsrDicSnapshot();
  const std::string copy = LearnFilePath() + ".damaged";

  struct Row {
    const char* what;
    UdicOutcome (*change)(UdicStore* t, FailingFiles* files);
    std::vector<uint16_t> learned, saved;
  };
  const std::vector<Row> rows = {
      {"teaching 水", [](UdicStore* t, FailingFiles* f) { return t->Register(f, "水", Hook2()).outcome; },
       {Code("木"), Code("水")}, Sorted({Code("木"), Code("山"), Code("川"), Code("水")})},
      // 山 and 川 have no readable sample: the browser lists them to be deleted.
      {"deleting 木", [](UdicStore*, FailingFiles* f) {
         UdicListing listing = UdicBrowserRecords(f);
         EXPECT_EQ(listing.records.size(), 3u);
         EXPECT_TRUE(listing.records[1].pen.empty() && listing.records[2].pen.empty());
         return UdicDeleteRecord(f, &listing.records, 0).outcome;
       }, {}, Sorted({Code("山"), Code("川")})},
  };
  for (const Row& row : rows) {
    ASSERT_EQ(ZkUsrDicRestore(dictionary), 0);
    ASSERT_EQ(ZkSaveUsrDic(), 0);
    ASSERT_TRUE(ok.WriteLearn(bad));
    ::unlink(copy.c_str());
    EXPECT_EQ(row.change(this, &ok), UdicOutcome::kDone) << row.what;
    EXPECT_EQ(ReadFileBytes(copy), bad) << row.what;
    std::vector<uint16_t> learned;
    for (const auto& r : Learned()) learned.push_back(EucToSjis(r.euc[0], r.euc[1]));
    EXPECT_EQ(learned, row.learned) << row.what;
    EXPECT_EQ(SavedCodes(), row.saved) << row.what;
  }
}

TEST_F(UdicStore, TheStartPutsTheTwoFilesBackInStep) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  ASSERT_EQ(Register(&ok, "林", Hook()).outcome, UdicOutcome::kDone);
  const std::vector<uint16_t> both = Sorted({Code("木"), Code("林")});
  std::vector<uint8_t> learn;
  ASSERT_EQ(ok.ReadLearn(&learn), LearnRead::kRead);
  const auto dictionary = ReadFileBytes(ZkUsrDicPath());

  struct Row {
    const char* what;
    void (*damage)(UdicStore* t);
    int registered;
    const char* dictionaryCopy;
    const char* learnCopy;
  };
  const std::vector<Row> rows = {
      {"a crash left 林's sample without its pattern", [](UdicStore* t) {
         ASSERT_EQ(ZkDeletePatternUsr(t->Code("林")), 0);
         ASSERT_EQ(ZkSaveUsrDic(), 0);
       }, 1, "", ""},
      {"a damaged dictionary", [](UdicStore* t) {
         auto bytes = ReadFileBytes(ZkUsrDicPath());
         bytes[kDicBlockArea + 1] = 0xFF;  // the first group starts beyond the block
         WriteFileBytes(ZkUsrDicPath(), bytes);
         t->Restart(kDicUserDamaged);
       }, 2, "Crecs.upt.damaged", ""},
      {"a torn sample after the last", [](UdicStore*) {
         std::vector<uint8_t> bytes;
         UdicFiles().ReadLearn(&bytes);
         bytes.push_back(0x77);
         UdicFiles().WriteLearn(bytes);
       }, 0, "", "Learn.dat.damaged"},
  };
  for (const Row& row : rows) {
    WriteFileBytes(ZkUsrDicPath(), dictionary);
    ASSERT_TRUE(ok.WriteLearn(learn));
    Restart();
    row.damage(this);
    const UdicStartReport r = UdicCheckAtStart(&ok, *row.dictionaryCopy != 0);
    EXPECT_EQ(r.registered, row.registered) << row.what;
    EXPECT_EQ(r.dictionaryCopy, *row.dictionaryCopy ? dir_.File(".ZkCrec/") + row.dictionaryCopy : "") << row.what;
    EXPECT_EQ(r.learnCopy, *row.learnCopy ? dir_.File(".ZkCrec/") + row.learnCopy : "") << row.what;
    EXPECT_EQ(SavedCodes(), both) << row.what;
    EXPECT_EQ(LearnedCodes(), both) << row.what;
    std::vector<uint8_t> now;
    ASSERT_EQ(ok.ReadLearn(&now), LearnRead::kRead);
    EXPECT_EQ(now, learn) << row.what;  // nothing left to report at the next start
  }
}

TEST_F(UdicStore, ALearningFileOverItsLimitIsNeitherReadNorReplaced) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  ASSERT_EQ(::truncate(LearnFilePath().c_str(), static_cast<off_t>(kLearnMaxBytes + 1)), 0);
  EXPECT_EQ(Register(&ok, "林", Hook()).outcome, UdicOutcome::kLearnUnreadable);
  EXPECT_EQ(UdicBrowserRecords(&ok).read, LearnRead::kTooLarge);
  struct stat st;
  ASSERT_EQ(::stat(LearnFilePath().c_str(), &st), 0);
  EXPECT_EQ(static_cast<size_t>(st.st_size), kLearnMaxBytes + 1);
  EXPECT_EQ(SavedCodes(), std::vector<uint16_t>{Code("木")});
}

TEST_F(UdicStore, ClearAllEmptiesBothOrNeither) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  ASSERT_EQ(Register(&ok, "林", Hook()).outcome, UdicOutcome::kDone);
  FailingFiles failing;
  failing.failSave = 1;
  EXPECT_EQ(UdicClearAll(&failing).outcome, UdicOutcome::kDictionaryFailed);
  EXPECT_EQ(MemoryCodes().size(), 2u);
  EXPECT_EQ(LearnedCodes().size(), 2u);
  EXPECT_EQ(UdicClearAll(&ok).outcome, UdicOutcome::kDone);
  EXPECT_TRUE(MemoryCodes().empty());
  EXPECT_TRUE(SavedCodes().empty());
  EXPECT_TRUE(Learned().empty());
}

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
  EXPECT_EQ(UdicAreaAt(areas, 230, 50), -1);  // the right area itself is e2e_udic's
  EXPECT_EQ(UdicAreaAt(areas, 300, 210), -1);
}
