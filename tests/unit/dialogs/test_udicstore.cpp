// Registering and deleting samples keeps the user dictionary and the learning file in
// step when either file fails to be written, in every order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <sys/stat.h>

#include "codes.h"
#include "dialogs/learnfile.h"
#include "dialogs/udicstore.h"
#include "testdic.h"
#include "textconv.h"
#include "usrdic.h"

namespace {

// The real files, with failures on demand: the n-th dictionary save (from 1) and
// every learning-file write or removal.
class FailingFiles : public UdicFiles {
 public:
  int failSave = 0;
  bool failLearn = false;
  int saves = 0;
  int SaveDictionary() override {
    ++saves;
    return saves == failSave ? kUsrSaveFailed : UdicFiles::SaveDictionary();
  }
  bool WriteLearn(const std::vector<uint8_t>& bytes) override {
    return !failLearn && UdicFiles::WriteLearn(bytes);
  }
  bool RemoveLearn() override { return !failLearn && UdicFiles::RemoveLearn(); }
};

uint16_t Code(const char* text) { return Utf8ToSjisCode(text); }

std::vector<uint16_t> Pen(const PenStrokes& strokes) { return PenWords(strokes); }
PenStrokes OddTen() { return {PenLine(100, 165, 100, 35), PenLine(160, 95, 40, 95)}; }
PenStrokes Hook() { return {PenPath({{40, 40}, {160, 40}, {160, 160}})}; }

class UdicStore : public ::testing::Test {
 protected:
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
  void Restart() { ASSERT_EQ(ZkCRecInitializesFrom(dir_.File("Crecs.ptn").c_str(), nullptr), 0); }

  UdicResult Register(FailingFiles* files, const char* text, const PenStrokes& strokes) {
    char euc[2];
    SjisToEucBytes(Code(text), euc);
    const uint8_t bytes[2] = {static_cast<uint8_t>(euc[0]), static_cast<uint8_t>(euc[1])};
    return UdicRegister(files, Code(text), bytes, Pen(strokes));
  }
  std::vector<LearnRecord> Learned() {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(UdicFiles().ReadLearn(&bytes));
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

}  // namespace

TEST_F(UdicStore, RegistrationFailuresLeaveBothFilesAsTheyWere) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  const std::vector<uint16_t> before = {Code("木")};

  struct Row {
    const char* what;
    int failSave;
    bool failLearn;
    UdicOutcome outcome;
    std::vector<uint16_t> saved, learned;
  };
  const std::vector<Row> rows = {
      {"dictionary save fails", 1, false, UdicOutcome::kDictionaryFailed, before, before},
      {"learning file fails", 0, true, UdicOutcome::kLearnFailed, before, before},
      {"learning file and the undo fail", 2, true, UdicOutcome::kInconsistent, Sorted({Code("木"), Code("林")}), before},
      {"nothing fails", 0, false, UdicOutcome::kDone, Sorted({Code("木"), Code("林")}), Sorted({Code("木"), Code("林")})},
  };
  for (const Row& row : rows) {
    FailingFiles files;
    files.failSave = row.failSave;
    files.failLearn = row.failLearn;
    const UdicResult r = Register(&files, "林", Hook());
    EXPECT_EQ(r.outcome, row.outcome) << row.what;
    if (row.outcome == UdicOutcome::kDictionaryFailed) {
      EXPECT_EQ(r.code, kUsrSaveFailed) << row.what;
    }
    // Memory matches the learning file, so a later save cannot resurrect anything.
    EXPECT_EQ(SavedCodes(), row.saved) << row.what;
    EXPECT_EQ(MemoryCodes(), row.learned) << row.what;
    EXPECT_EQ(LearnedCodes(), row.learned) << row.what;
    if (row.outcome == UdicOutcome::kInconsistent) {  // the user mends it after the message
      Restart();
      ASSERT_EQ(ZkDeletePatternUsr(Code("林")), 0);
      ASSERT_EQ(ZkSaveUsrDic(), 0);
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
    bool failLearn;
    UdicOutcome outcome;
    std::vector<uint16_t> after;
  };
  const std::vector<Row> rows = {
      {"dictionary save fails", 1, false, UdicOutcome::kDictionaryFailed, both},
      {"learning file fails", 0, true, UdicOutcome::kLearnFailed, both},
      {"deleted", 0, false, UdicOutcome::kDone, {Code("林")}},  // the records are in teaching order
      {"the only record: the file goes", 0, false, UdicOutcome::kDone, {}},
  };
  for (const Row& row : rows) {
    FailingFiles files;
    files.failSave = row.failSave;
    files.failLearn = row.failLearn;
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

TEST_F(UdicStore, ClearAllEmptiesBothAndAppendingSkipsACorruptTail) {
  FailingFiles ok;
  ASSERT_EQ(Register(&ok, "木", OddTen()).outcome, UdicOutcome::kDone);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ok.ReadLearn(&bytes));
  bytes.push_back(0x77);  // a torn append of another program
  ASSERT_TRUE(ok.WriteLearn(bytes));
  ASSERT_EQ(Register(&ok, "林", Hook()).outcome, UdicOutcome::kDone);
  EXPECT_EQ(LearnedCodes(), Sorted({Code("木"), Code("林")}));

  FailingFiles failing;
  failing.failSave = 1;
  EXPECT_EQ(UdicClearAll(&failing).outcome, UdicOutcome::kDictionaryFailed);
  EXPECT_EQ(MemoryCodes().size(), 2u);
  EXPECT_EQ(UdicClearAll(&ok).outcome, UdicOutcome::kDone);
  EXPECT_TRUE(MemoryCodes().empty());
  EXPECT_TRUE(SavedCodes().empty());
  EXPECT_TRUE(Learned().empty());
}
