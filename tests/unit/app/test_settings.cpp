// Settings: defaults, clamping, value forms, section handling and the file format;
// window placement onto the screen.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/appstate.h"
#include "app/settings.h"
#include "app/winplace.h"
#include "tempdir.h"

namespace {

constexpr int kW = 1024;
constexpr int kH = 768;

ApTableRec Read(const std::string& text, int w = kW, int h = kH, std::vector<std::string>* warnings = nullptr) {
  TempDir dir;
  WriteFileBytes(dir.File("Sorenix.dat"), std::vector<uint8_t>(text.begin(), text.end()));
  ApTableRec t = ApTableDefaults(w, h);
  EXPECT_TRUE(ApTableLoad(dir.File("Sorenix.dat"), w, h, &t, warnings));
  return t;
}

// One row per rule of reading a value, seen in the text the record read writes back:
// clamping (upper bound first, so an empty range on a small screen gives the lower
// bound), number forms, colours, on/off, section names.
TEST(SettingsRead, EachValueIsConvertedAndClamped) {
  const struct {
    const char* text;
    const char* written;  // a part of the text written back
    int screenWidth = kW;
  } rows[] = {
      {"[WINDOW]\nX=-50,Y=99999\n", "[WINDOW]\nX=0,Y=675\n"},
      {"[WINDOW]\nX=5,Y=5\n", "[WINDOW]\nX=0,", 600},  // no room on a narrow screen: 0 wins
      {"[RECOG]\nTIMER=100\n", "[RECOG]\nTIMER=200\n"},
      {"[RECOG]\nTIMER=9000\n", "[RECOG]\nTIMER=5000\n"},
      {"[RECOG]\nTIMER=0x3E8\n", "[RECOG]\nTIMER=1000\n"},
      {"[DSLEEP]\nTIMER=010\n", "[DSLEEP]\nTIMER=8\n"},
      {"[IMODE]\nMODE=0\n", "[IMODE]\nMODE=1\n"},
      {"[IMODE]\nMODE=13\n", "[IMODE]\nMODE=12\n"},
      {"[PBOL]\nBOLD=9\n", "[PBOL]\nBOLD=5\n"},
      {"[SMALL]\nX=5000,Y=5000\n", ",Y=648\n\n[DOUBLE]"},
      {"[VFRAME]\nMERGIN=99999999999\n", "MERGIN=60\n"},
      {"[COLOR]\nBACK=0x1234567,HEAD=0xFFFFFF\n", "BACK=0x234567,HEAD=0xFFFFFF\n"},
      {"[SENI]\nEXEC=7\n", "[SENI]\nEXEC=1\n"},
      {"[SENI]\nEXEC=-3\n", "[SENI]\nEXEC=1\n"},
      {"[PCOL]\n4\n", "[PCOL]\nCOLOR=4\n"},  // a bare value
      {"[TOPEX]extra\nEXEC=0\n", "[TOPEX]\nEXEC=0\n"},
      {"[TOPE]\nEXEC=0\n", "[TOPEX]\nEXEC=1\n"},  // not a section
      {"[FUTURE]\nTYPE=0\n\n[PAST]\nTYPE=0\n", "[PAST]\nTYPE=0\n"},
      {"[PAST]\nTYPE=1\n", "[PAST]\nTYPE=1\n"},
      {"[PAST]\nTYPE=7\n", "[PAST]\nTYPE=2\n"},
  };
  for (const auto& row : rows) {
    const std::string written = ApTableText(Read(row.text, row.screenWidth, kH));
    EXPECT_NE(written.find(row.written), std::string::npos) << row.text << "gave\n" << written;
  }
}

// Files as people write them: the sections after a blank, commented or malformed line
// are all still read, in any order, and each malformed line is named once.
TEST(SettingsRead, HandWrittenFilesKeepEverySection) {
  const struct {
    const char* text;
    int pastType, recogTimer, winX, winY;
    std::vector<std::string> warnings;  // line numbers of the lines reported
  } rows[] = {
      {"[RECOG]\n\n[PAST]\nTYPE=0\n\n[WINDOW]\nX=5,Y=6\n", 0, 1500, 5, 6, {}},
      {"[RECOG]\nTIMER = 900\n[PAST]\r\n  TYPE = 0  \r\n[WINDOW]\r\nY=6\r\nX=5\r\n", 0, 900, 5, 6, {}},
      {"# mine\n[RECOG]\n; slower\nTIMER=2000\n[WINDOW]\nx=5, y=6\n", kPasteShiftInsert, 2000, 5, 6, {}},
      {"TIMER=300\n[RECOG]\nTIMER=fast\n[PAST]\nTYPE=0,EXTRA=1\n[WINDOW]\nX=5,Y=6\n", kPasteShiftInsert, 1500, 5, 6,
       {":1: ", ":3: ", ":5: "}},
      {"[WINDOW]\nX=1,Y=abc\n[NEWER]\nTYPE=0\nWHATEVER\n[PAST]\nTYPE=0\n", 0, 1500, 0, kH - 93, {":2: "}},
      {"[RECOG]\nTIMER=400\n", kPasteShiftInsert, 400, 0, kH - 93, {}},
      // Sections in any order; a repeated one takes the last.
      {"[WINDOW]\nX=10,Y=20\n\n[PAST]\nTYPE=0\n\n[WINDOW]\nX=11,Y=21\n", 0, 1500, 11, 21, {}},
  };
  for (const auto& row : rows) {
    std::vector<std::string> warnings;
    const ApTableRec t = Read(row.text, kW, kH, &warnings);
    EXPECT_EQ(t.past_type, row.pastType) << row.text;
    EXPECT_EQ(t.recog_timer, row.recogTimer) << row.text;
    EXPECT_EQ(t.win_x, row.winX) << row.text;
    EXPECT_EQ(t.win_y, row.winY) << row.text;
    ASSERT_EQ(warnings.size(), row.warnings.size()) << row.text;
    for (size_t i = 0; i < warnings.size(); ++i) {
      EXPECT_NE(warnings[i].find("Sorenix.dat" + row.warnings[i]), std::string::npos) << warnings[i];
    }
  }
}

TEST(SettingsRead, OverLongLinesAreSkippedAndLaterLinesStayInStep) {
  std::vector<std::string> warnings;
  const ApTableRec t = Read("[WINDOW]\nX=7,Y=8\nX=1" + std::string(5000, ' ') + "\n[RECOG]\nTIMER=" +
                                std::string(300, '9') + "\n[DOUBLE]\nMODE=1\n",
                            kW, kH, &warnings);
  EXPECT_EQ(t.win_x, 7);
  EXPECT_EQ(t.win_y, 8);
  EXPECT_EQ(t.recog_timer, 5000);
  EXPECT_EQ(t.dbl_mode, 1);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(":3: line longer than 1024 bytes"), std::string::npos) << warnings[0];
}

// A file of many malformed lines names the first of them and counts the rest in one
// line, and what comes after them is still read.
TEST(SettingsRead, MalformedLinesAreNamedUpToACapAndTheRestCounted) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "stray\n";
  std::vector<std::string> warnings;
  EXPECT_EQ(Read(text + "[RECOG]\nTIMER=700\n", kW, kH, &warnings).recog_timer, 700);
  ASSERT_EQ(warnings.size(), kSettingsWarningsNamed + 1);
  EXPECT_NE(warnings[kSettingsWarningsNamed - 1].find("Sorenix.dat:20: "), std::string::npos);
  EXPECT_NE(warnings.back().find("Sorenix.dat: 80 more malformed lines skipped"), std::string::npos)
      << warnings.back();
}

TEST(SettingsText, HasTheExactFileFormat) {
  ApTableRec t = ApTableDefaults(kW, kH);
  t.back_color = 0xABCDEF;
  EXPECT_EQ(ApTableText(t),
            "[WINDOW]\nX=0,Y=675\n\n"
            "[SMALL]\nX=368,Y=605\n\n"
            "[DOUBLE]\nMODE=2\n\n"
            "[ALCMOD]\nJISYU=0\n\n"
            "[LFRAME]\nX=165,Y=548,SIZE=1\n\n"
            "[VFRAME]\nMERGIN=30\n\n"
            "[RECOG]\nTIMER=1500\n\n"
            "[PCOL]\nCOLOR=0\n\n"
            "[PBOL]\nBOLD=3\n\n"
            "[SENI]\nEXEC=1\n\n"
            "[DSLEEP]\nTIMER=25\n\n"
            "[IMODE]\nMODE=1\n\n"
            "[PMODE]\nMODE=0\n\n"
            "[TOPEX]\nEXEC=1\n\n"
            "[PAST]\nTYPE=2\n\n"
            "[COLOR]\nBACK=0xABCDEF,HEAD=0x606060\n\n");
}

TEST(SettingsText, WriteThenReadGivesTheSameRecord) {
  ApTableRec t = ApTableDefaults(kW, kH);
  t.win_x = 123, t.win_y = 456, t.small_x = 7, t.small_y = 8, t.lframe_x = 9, t.lframe_y = 10;
  t.lframe_size = 3, t.dsleep = 50, t.imode = 9, t.pmode = 2, t.dbl_mode = 1, t.alc_mode = 6, t.top_ex = 0;
  t.past_type = 0, t.back_color = 0x010203, t.head_color = 0xFEDCBA, t.pen_bold = 5, t.pen_color = 4;
  t.vframe_margin = 60, t.recog_timer = 4321, t.seni_exec = 0;
  ApTableRec back = Read(ApTableText(t));
  EXPECT_EQ(ApTableText(back), ApTableText(t));
  EXPECT_EQ(back.imode, 9);
  EXPECT_EQ(back.head_color, 0xFEDCBAu);
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* home = std::getenv("HOME");
    if (home) savedHome_ = home;
    setenv("HOME", dir_.path().c_str(), 1);
    ResetStartupState(kW, kH);
  }
  void TearDown() override { setenv("HOME", savedHome_.c_str(), 1); }
  TempDir dir_;
  std::string savedHome_;
};

TEST_F(SettingsFile, UnwritableDirectoryIsSkippedAndLeavesNoFile) {
  // No user directory: the save fails quietly and creates nothing.
  EXPECT_FALSE(ApTableSave(dir_.path() + "/.ZkCrec/Sorenix.dat", ApTableDefaults(kW, kH)));
  ApTableEx(1);
  EXPECT_TRUE(ReadFileBytes(dir_.path() + "/.ZkCrec/Sorenix.dat").empty());
}

// The save goes through a temporary file of its own: a symlink planted where an older
// writer put its temporary is never followed. (The next start reading what was saved
// is e2e_startup's.)
TEST_F(SettingsFile, SavesTheWholeRecordAndFollowsNoPlantedSymlink) {
  ASSERT_EQ(mkdir((dir_.path() + "/.ZkCrec").c_str(), 0700), 0);
  const std::string victim = dir_.File("victim");
  WriteFileBytes(victim, {'k', 'e', 'e', 'p'});
  for (const char* planted : {"Sorenix.dat.new", "Sorenix.dat.tmp", "Sorenix.dat~"})
    ASSERT_EQ(symlink(victim.c_str(), (dir_.path() + "/.ZkCrec/" + planted).c_str()), 0);
  Ap_table = ApTableDefaults(kW, kH);
  Ap_table.win_x = 42;
  Ap_table.recog_timer = 800;
  ApTableEx(1);
  const std::vector<uint8_t> kept = ReadFileBytes(victim);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "keep");
  const std::vector<uint8_t> saved = ReadFileBytes(dir_.path() + "/.ZkCrec/Sorenix.dat");
  EXPECT_EQ(std::string(saved.begin(), saved.end()), ApTableText(Ap_table));
}

// A file the pad does not read (too large for a settings file, or not a regular file:
// a FIFO would block a plain open) leaves the defaults and is never replaced by what
// the pad saves later.
TEST_F(SettingsFile, AFileThatWasNotReadIsNotSavedOver) {
  const std::string userDir = dir_.path() + "/.ZkCrec";
  ASSERT_EQ(mkdir(userDir.c_str(), 0700), 0);
  const std::string path = userDir + "/Sorenix.dat";
  const std::string real = dir_.File("real.dat");
  std::string text = "[RECOG]\nTIMER=700\n";
  WriteFileBytes(real, std::vector<uint8_t>(text.begin(), text.end()));
  text.resize(kSettingsFileMax + 1, '\n');
  for (const char* kind : {"oversized", "symlink", "fifo", "device"}) {
    if (std::string(kind) == "oversized") {
      unlink(path.c_str());
      WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    } else {
      ASSERT_TRUE(PlantAt(path, kind, real));
    }
    struct stat before, after;
    ASSERT_EQ(lstat(path.c_str(), &before), 0);
    Ap_table = ApTableDefaults(kW, kH);
    ApTableEx(0);
    EXPECT_EQ(Ap_table.recog_timer, 1500) << kind;
    Ap_table.win_x = 42;
    ApTableEx(1);
    ASSERT_EQ(lstat(path.c_str(), &after), 0) << kind;
    EXPECT_EQ(after.st_ino, before.st_ino) << kind;  // not replaced
    EXPECT_EQ(after.st_size, before.st_size) << kind;
  }
}

// Windows are clamped onto the screen; the whole main window stays on it (its close
// key is at the right end), and one wider than the screen keeps its title strip's left
// end on it.
TEST(WinPosition, ClampsOntoTheScreen) {
  ResetStartupState(kW, kH);
  const struct {
    int width, height, x, y, placeX, placeY;
  } cases[] = {
      {402, 163, -40, 9999, 0, kH - 163}, {770, 93, 9999, -1, kW - 770, 0}, {770, 93, 100, 100, 100, 100},
      {772, 92, 99999, 100, kW - 772, 100}, {kW + 10, 92, 50, 100, 0, 100},
  };
  for (const auto& c : cases) {
    int x = c.x, y = c.y;
    WinPosition(c.width, c.height, &x, &y);
    EXPECT_EQ(x, c.placeX) << c.width << " at " << c.x << "," << c.y;
    EXPECT_EQ(y, c.placeY) << c.width << " at " << c.x << "," << c.y;
  }
}

}  // namespace
