// The user dictionary: checking and adding samples, deleting, walking, saving, and
// a taught writing that wins after the engine restarts.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "codes.h"
#include "dicfile.h"
#include "recog.h"
#include "recogstages.h"
#include "testdic.h"
#include "textconv.h"
#include "usrdic.h"

namespace {

uint16_t Code(const char* text) { return Utf8ToSjisCode(text); }

PenStrokes Ten() { return {PenLine(40, 95, 160, 95), PenLine(100, 35, 100, 165)}; }
PenStrokes Kuchi() {
  return {PenLine(60, 60, 60, 150), PenPath({{60, 60}, {140, 60}, {140, 150}}), PenLine(60, 150, 140, 150)};
}
// 十 written with its strokes in reverse order and direction.
PenStrokes OddTen() { return {PenLine(100, 165, 100, 35), PenLine(160, 95, 40, 95)}; }
// n short horizontal strokes, stacked.
PenStrokes Rungs(int n) {
  PenStrokes s;
  for (int i = 0; i < n; ++i) s.push_back(PenLine(40, 20 + 6 * i, 160, 20 + 6 * i, 4));
  return s;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

class UserDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<SubDicSpec> subs(2);
    subs[0].typeMask = kClassKanji;
    subs[1].typeMask = kClassHiragana;
    AddWriting(&subs[0], Code("十"), Ten());
    AddWriting(&subs[0], Code("口"), Kuchi());
    AddWriting(&subs[1], Code("く"), {PenPath({{130, 35}, {65, 100}, {130, 165}})});
    ASSERT_EQ(InitEngineWith(dir_, subs), 0);
    usr_ = dir_.File("Crecs.upt");
  }
  void TearDown() override { ZkCRecEnd(); }

  int Check(uint16_t code, const PenStrokes& strokes) {
    const auto pen = PenWords(strokes);
    return ZkChrckEntryPatternUsr(code, pen.data(), pen.size());
  }
  int Teach(uint16_t code, const PenStrokes& strokes) {
    const int r = Check(code, strokes);
    return r < 0 ? r : ZkEntryPatternUsr();
  }
  uint16_t Best(const PenStrokes& strokes) {
    const auto pen = PenWords(strokes);
    const ZkOptionRec opt{kClassAll, 0, 0, 0, 0, 0};
    ZkResult r{};
    EXPECT_EQ(ZkCRecognize(&opt, pen.data(), pen.size(), &r), 0);
    return r.count > 0 ? r.entry[0].code : 0;
  }
  std::vector<uint16_t> Walk() {
    std::vector<uint16_t> codes;
    for (uint16_t c = ZkInfoUsrDicPattern(1); c != 0; c = ZkInfoUsrDicPattern(0)) codes.push_back(c);
    return codes;
  }
  int Restart() { return ZkCRecInitializesFrom(dir_.File("Crecs.ptn").c_str(), usr_.c_str()); }

  TempDir dir_;
  std::string usr_;
};

}  // namespace

TEST_F(UserDictionary, FirstPatternCreatesItsBlockAndGrowsByTheRoundedRecord) {
  struct Row {
    const char* what;
    uint16_t code;
    PenStrokes strokes;
    uint32_t typeMask;
    int group;
  };
  const std::vector<Row> rows = {
      {"2-stroke kanji", Code("木"), OddTen(), kClassKanji, 1},
      {"25 strokes go to the last group", Code("あ"), Rungs(25), kClassHiragana, 20},
      {"A is taught as full-width A", 0x41, Kuchi(), kClassCapital, 2},
      {"a gesture code", 0x8051, {PenLine(30, 30, 170, 170)}, kClassGesture, 0},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    ASSERT_GE(Check(row.code, row.strokes), 0) << row.what;
    const int segments = ZkRun.ZkIMDType.segments;
    ASSERT_EQ(ZkEntryPatternUsr(), 0) << row.what;
    const DicEntry& e = Dic.ZkUsrDic[i];
    EXPECT_EQ(e.kind, kDicUser) << row.what;
    EXPECT_EQ(e.typeMask, row.typeMask) << row.what;
    EXPECT_EQ(e.size, kUserNewBlockSize + ((4 + 4 * segments + 15) & ~15)) << row.what;
    const SubDicSpec sub = SubDicFromBlock(e.block, e.size);
    ASSERT_EQ(sub.groups[row.group].size(), 1u) << row.what;
    EXPECT_EQ(sub.groups[row.group][0].segments.size(), static_cast<size_t>(segments)) << row.what;
    EXPECT_TRUE(ValidateSubDicBlock(e.block, e.size, true)) << row.what;
  }
  EXPECT_EQ(Walk(), (std::vector<uint16_t>{Code("木"), Code("あ"), 0x8260, 0x8051}));
  EXPECT_EQ(Dic.ZkUsrDic[rows.size()].kind, kDicEnd);

  // A second pattern of a class grows the block only by what its group lacks.
  const uint32_t before = Dic.ZkUsrDic[0].size;
  ASSERT_EQ(Teach(Code("林"), Ten()), 0);
  EXPECT_EQ(Dic.ZkUsrDic[0].size, SubDicBlockSize(SubDicFromBlock(Dic.ZkUsrDic[0].block, Dic.ZkUsrDic[0].size), true));
  EXPECT_GT(Dic.ZkUsrDic[0].size, before);
  EXPECT_EQ(Dic.ZkUsrDic[0].size % 16, 0u);
}

TEST_F(UserDictionary, CheckResults) {
  EXPECT_EQ(Check(Code("十"), Ten()), 2);       // already read as the code
  EXPECT_EQ(Check(Code("木"), Ten()), 0);       // another character (normalised distances lie near 1200)
  EXPECT_EQ(Check(0xFFFF, Ten()), kUsrNotRegistrable);
  EXPECT_EQ(ZkEntryPatternUsr(), kUsrNoRoom);   // a refused check arms nothing
  EXPECT_EQ(Check(Code("十"), {}), kUsrRecogFailed);
  ASSERT_EQ(Teach(Code("木"), OddTen()), 0);
  EXPECT_EQ(Check(Code("木"), Kuchi()), kUsrAlreadyTaught);
  EXPECT_EQ(ZkEntryPatternUsr(), kUsrNoRoom);   // one check, at most one entry
  EXPECT_EQ(Walk(), (std::vector<uint16_t>{Code("木")}));
}

TEST_F(UserDictionary, DeletingTheLastPatternOfAClassClosesUpTheTable) {
  ASSERT_EQ(Teach(Code("木"), OddTen()), 0);
  ASSERT_EQ(Teach(Code("林"), Kuchi()), 0);
  ASSERT_EQ(Teach(Code("あ"), Ten()), 0);
  EXPECT_EQ(ZkDeletePatternUsr(Code("木")), 0);
  EXPECT_EQ(Dic.ZkUsrDic[0].typeMask, kClassKanji);  // 林 keeps the block
  EXPECT_EQ(ZkDeletePatternUsr(Code("木")), kUsrNoPattern);
  EXPECT_EQ(ZkDeletePatternUsr(Code("林")), 0);
  EXPECT_EQ(Dic.ZkUsrDic[0].typeMask, kClassHiragana);
  EXPECT_EQ(Dic.ZkUsrDic[1].kind, kDicEnd);
  EXPECT_EQ(ZkDeletePatternUsr(0xFFFF), kUsrNoPattern);
  EXPECT_EQ(ZkDeletePatternUsr(Code("い")), kUsrNoPattern);

  ASSERT_EQ(ZkSaveUsrDic(), 0);
  ASSERT_TRUE(Exists(usr_));
  EXPECT_EQ(ZkDeletePatternUsr(Code("あ")), 0);
  EXPECT_EQ(Dic.ZkUsrDic[0].kind, kDicEnd);
  EXPECT_EQ(ZkSaveUsrDic(), 0);
  EXPECT_FALSE(Exists(usr_));
}

TEST_F(UserDictionary, TaughtWritingWinsAfterRestartAndDeletingBringsBackTheSystemAnswer) {
  const uint16_t before = Best(OddTen());
  ASSERT_NE(before, Code("木"));
  ASSERT_EQ(Teach(Code("木"), OddTen()), 0);
  ASSERT_EQ(ZkSaveUsrDic(), 0);
  ASSERT_EQ(Restart(), 0);
  EXPECT_EQ(Best(OddTen()), Code("木"));
  EXPECT_EQ(Best(Ten()), Code("十"));  // the usual writing still reads as before
  EXPECT_EQ(Walk(), (std::vector<uint16_t>{Code("木")}));

  ASSERT_EQ(ZkDeletePatternUsr(Code("木")), 0);
  ASSERT_EQ(ZkSaveUsrDic(), 0);
  ASSERT_EQ(Restart(), 0);
  EXPECT_EQ(Best(OddTen()), before);
}

TEST_F(UserDictionary, FailedSaveKeepsTheOldFileAndASnapshotUndoesAChange) {
  ASSERT_EQ(Teach(Code("木"), OddTen()), 0);
  ASSERT_EQ(ZkSaveUsrDic(), 0);
  const auto saved = ReadFileBytes(usr_);
  const auto snapshot = ZkUsrDicSnapshot();
  ASSERT_EQ(Teach(Code("あ"), Ten()), 0);

  ZkSetUsrDicPath(dir_.File("no/such/dir/Crecs.upt").c_str());
  EXPECT_EQ(ZkSaveUsrDic(), kUsrSaveFailed);
  ZkSetUsrDicPath(usr_.c_str());
  EXPECT_EQ(ReadFileBytes(usr_), saved);

  ASSERT_EQ(ZkUsrDicRestore(snapshot), 0);
  EXPECT_EQ(Walk(), (std::vector<uint16_t>{Code("木")}));
  ASSERT_EQ(ZkSaveUsrDic(), 0);
  auto again = ReadFileBytes(usr_);
  ASSERT_EQ(again.size(), saved.size());
  std::copy(saved.begin() + 4, saved.begin() + 8, again.begin() + 4);  // the time stamp
  EXPECT_EQ(again, saved);
}

TEST_F(UserDictionary, ADamagedFileIsKeptBesideItBeforeASaveWritesOverIt) {
  ASSERT_EQ(Teach(Code("木"), OddTen()), 0);
  ASSERT_EQ(ZkSaveUsrDic(), 0);
  const auto good = ReadFileBytes(usr_);
  auto damaged = [&](uint8_t value) {
    auto bytes = good;
    bytes[kDicBlockArea] = value;  // the first group's start in the only block
    bytes[kDicBlockArea + 1] = 0xFF;
    return bytes;
  };
  struct Row {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* keptAs;
    bool fresh;
  };
  const std::vector<Row> rows = {
      {"first damage", damaged(0xF0), "Crecs.upt.damaged", true},
      {"the same damage again reuses its copy", damaged(0xF0), "Crecs.upt.damaged", false},
      {"other damage never replaces the earlier copy", damaged(0xE0), "Crecs.upt.damaged.2", true},
  };
  for (const Row& row : rows) {
    WriteFileBytes(usr_, row.bytes);
    ASSERT_EQ(Restart(), kDicUserDamaged) << row.what;
    EXPECT_TRUE(Walk().empty()) << row.what;
    ASSERT_EQ(Teach(Code("林"), Kuchi()), 0) << row.what;
    ASSERT_EQ(ZkSaveUsrDic(), 0) << row.what;
    EXPECT_EQ(ZkUsrDicDamagedCopy(), dir_.File(row.keptAs)) << row.what;
    EXPECT_EQ(ZkUsrDicDamagedCopyFresh(), row.fresh) << row.what;
    EXPECT_EQ(ReadFileBytes(dir_.File(row.keptAs)), row.bytes) << row.what;
    ASSERT_EQ(Restart(), kDicOk) << row.what;  // the saved file is whole again
    EXPECT_EQ(Walk(), (std::vector<uint16_t>{Code("林")})) << row.what;
  }
  EXPECT_EQ(ReadFileBytes(dir_.File("Crecs.upt.damaged")), rows[0].bytes);
  EXPECT_FALSE(Exists(dir_.File("Crecs.upt.damaged.3")));
}
