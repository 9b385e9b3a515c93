// Settings: defaults, clamping, value forms, section handling and the file format.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "app/appstate.h"
#include "app/settings.h"
#include "tempdir.h"

namespace {

constexpr int kW = 1024;
constexpr int kH = 768;

ApTableRec Read(const std::string& text, int w = kW, int h = kH) {
  ApTableRec t = ApTableDefaults(w, h);
  std::istringstream in(text);
  ApTableRead(in, w, h, &t);
  return t;
}

TEST(SettingsDefaults, FollowTheScreenSize) {
  const ApTableRec t = ApTableDefaults(kW, kH);
  EXPECT_EQ(t.win_x, 0);
  EXPECT_EQ(t.win_y, kH - 93);
  EXPECT_EQ(t.small_x, 368);
  EXPECT_EQ(t.small_y, kH - 163);
  EXPECT_EQ(t.lframe_y, kH - 220);
  EXPECT_EQ(t.imode, 1);
  EXPECT_EQ(t.dbl_mode, 2);
  EXPECT_EQ(t.recog_timer, 1500);
  EXPECT_EQ(t.back_color, 0xA0A0A0u);
  EXPECT_EQ(t.head_color, 0x606060u);
  EXPECT_EQ(t.seni_exec, 1u);
  EXPECT_EQ(t.past_type, kPasteShiftInsert);
}

TEST(SettingsRead, ClampsEachValueToItsRange) {
  ApTableRec t = Read("[WINDOW]\nX=-50,Y=99999\n");
  EXPECT_EQ(t.win_x, 0);
  EXPECT_EQ(t.win_y, kH - 93);
  EXPECT_EQ(Read("[RECOG]\nTIMER=100\n").recog_timer, 200);
  EXPECT_EQ(Read("[RECOG]\nTIMER=9000\n").recog_timer, 5000);
  EXPECT_EQ(Read("[IMODE]\nMODE=0\n").imode, 1);
  EXPECT_EQ(Read("[IMODE]\nMODE=13\n").imode, 12);
  EXPECT_EQ(Read("[PBOL]\nBOLD=9\n").pen_bold, 5);
  EXPECT_EQ(Read("[PAST]\nTYPE=1\n").past_type, kPasteAltV);  // stored types keep their meaning
  EXPECT_EQ(Read("[PAST]\nTYPE=7\n").past_type, kPasteShiftInsert);
  EXPECT_EQ(Read("[SMALL]\nX=5000,Y=5000\n").small_y, kH - 120);
  // A number beyond 32 bits still clamps instead of wrapping.
  EXPECT_EQ(Read("[VFRAME]\nMERGIN=99999999999\n").vframe_margin, 60);
}

TEST(SettingsRead, UpperBoundFirstThenLower) {
  // On a screen narrower than 700 the range of X is empty: 0 wins over the negative bound.
  ApTableRec t = Read("[WINDOW]\nX=5,Y=5\n", 600, 400);
  EXPECT_EQ(t.win_x, 0);
  EXPECT_EQ(t.win_y, 5);
}

TEST(SettingsRead, ColoursKeepTheLow24Bits) {
  ApTableRec t = Read("[COLOR]\nBACK=0x1234567,HEAD=0xFFFFFF\n");
  EXPECT_EQ(t.back_color, 0x234567u);
  EXPECT_EQ(t.head_color, 0xFFFFFFu);
}

TEST(SettingsRead, NumbersTakeHexAndOctalPrefixes) {
  EXPECT_EQ(Read("[RECOG]\nTIMER=0x3E8\n").recog_timer, 1000);
  EXPECT_EQ(Read("[DSLEEP]\nTIMER=010\n").dsleep, 8);
}

TEST(SettingsRead, SeniIsStoredAsOnOrOff) {
  EXPECT_EQ(Read("[SENI]\nEXEC=7\n").seni_exec, 1u);
  EXPECT_EQ(Read("[SENI]\nEXEC=0\n").seni_exec, 0u);
  EXPECT_EQ(Read("[SENI]\nEXEC=-3\n").seni_exec, 1u);
}

TEST(SettingsRead, SectionsInAnyOrderAndRepeatedTakeTheLast) {
  ApTableRec t = Read(
      "[PMODE]\nMODE=2\n\n[WINDOW]\nX=10,Y=20\n\n[PMODE]\nMODE=1\n\n"
      "[LFRAME]\nX=30,Y=40,SIZE=3\n\n[WINDOW]\nX=11,Y=21\n");
  EXPECT_EQ(t.pmode, 1);
  EXPECT_EQ(t.win_x, 11);
  EXPECT_EQ(t.win_y, 21);
  EXPECT_EQ(t.lframe_x, 30);
  EXPECT_EQ(t.lframe_y, 40);
  EXPECT_EQ(t.lframe_size, 3);
}

TEST(SettingsRead, SectionNameIsComparedOverItsOwnLength) {
  EXPECT_EQ(Read("[TOPEX]extra\nEXEC=0\n").top_ex, 0);
  EXPECT_EQ(Read("[TOPE]\nEXEC=0\n").top_ex, 1);  // too short: not a section
}

TEST(SettingsRead, UnknownSectionsAreSkipped) {
  ApTableRec t = Read("[FUTURE]\nWHATEVER=1\n\n[PAST]\nTYPE=0\n");
  EXPECT_EQ(t.past_type, 0);
}

TEST(SettingsRead, WithoutEqualsTheWholeWordIsTheValue) {
  EXPECT_EQ(Read("[PCOL]\n4\n").pen_color, 4);
}

TEST(SettingsRead, MissingOrUnreadableValuesKeepTheField) {
  ApTableRec t = Read("[WINDOW]\nX=15\n\n[LFRAME]\nX=1,Y=abc,SIZE=2\n");
  EXPECT_EQ(t.win_x, 15);
  EXPECT_EQ(t.win_y, kH - 93);  // no second value
  EXPECT_EQ(t.lframe_y, kH - 220);  // no digits
  EXPECT_EQ(t.lframe_size, 2);
}

TEST(SettingsRead, OverLongWordsAreCutAndPairsStayInStep) {
  const std::string longName = "[WINDOW]" + std::string(500, 'x');
  const std::string longValue = "X=7,Y=8," + std::string(500, 'z');
  ApTableRec t = Read(longName + "\n" + longValue + "\n\n[RECOG]\nTIMER=" + std::string(300, '9') +
                      "\n\n[DOUBLE]\nMODE=1\n");
  EXPECT_EQ(t.win_x, 7);
  EXPECT_EQ(t.win_y, 8);
  EXPECT_EQ(t.recog_timer, 5000);
  EXPECT_EQ(t.dbl_mode, 1);  // the pair after the long words is still read as a pair
}

TEST(SettingsRead, AnOddWordAtTheEndIsIgnored) {
  ApTableRec t = Read("[ALCMOD]\nJISYU=4\n\n[WINDOW]\n");
  EXPECT_EQ(t.alc_mode, 4);
  EXPECT_EQ(t.win_x, 0);
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
  t.win_x = 123;
  t.win_y = 456;
  t.small_x = 7;
  t.small_y = 8;
  t.lframe_x = 9;
  t.lframe_y = 10;
  t.lframe_size = 3;
  t.dsleep = 50;
  t.imode = 9;
  t.pmode = 2;
  t.dbl_mode = 1;
  t.alc_mode = 6;
  t.top_ex = 0;
  t.past_type = 0;
  t.back_color = 0x010203;
  t.head_color = 0xFEDCBA;
  t.pen_bold = 5;
  t.pen_color = 4;
  t.vframe_margin = 60;
  t.recog_timer = 4321;
  t.seni_exec = 0;
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

TEST_F(SettingsFile, MissingFileLeavesTheDefaults) {
  Ap_table = ApTableDefaults(kW, kH);
  ApTableEx(0);
  EXPECT_EQ(ApTableText(Ap_table), ApTableText(ApTableDefaults(kW, kH)));
}

TEST_F(SettingsFile, SavedSettingsComeBack) {
  ASSERT_EQ(system(("mkdir -p '" + dir_.path() + "/.ZkCrec'").c_str()), 0);
  Ap_table = ApTableDefaults(kW, kH);
  Ap_table.win_x = 42;
  Ap_table.recog_timer = 800;
  ApTableEx(1);
  const std::string path = dir_.path() + "/.ZkCrec/Sorenix.dat";
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), ApTableText(Ap_table));
  Ap_table = ApTableDefaults(kW, kH);
  ApTableEx(0);
  EXPECT_EQ(Ap_table.win_x, 42);
  EXPECT_EQ(Ap_table.recog_timer, 800);
}

TEST_F(SettingsFile, UnwritableDirectoryIsSkippedAndLeavesNoFile) {
  // No user directory: the save fails quietly and creates nothing.
  EXPECT_FALSE(ApTableSave(dir_.path() + "/.ZkCrec/Sorenix.dat", ApTableDefaults(kW, kH)));
  ApTableEx(1);
  EXPECT_TRUE(ReadFileBytes(dir_.path() + "/.ZkCrec/Sorenix.dat").empty());
}

}  // namespace
