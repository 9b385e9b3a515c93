// Test support for the pad's logic: every global back to its first state, recorders
// in place of the display, the focus, the clipboard and the keys, and helpers that
// build pending lines and engine results.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../keyboards/recording_keys.h"
#include "app/appstate.h"
#include "app/settings.h"
#include "pad/commit.h"
#include "pad/inkdata.h"
#include "pad/pending.h"
#include "pad/platform.h"
#include "pad/screensave.h"
#include "textconv.h"

struct RecordingDisplay : PadDisplay {
  void PendingText() override { ++pendingRedraws; }
  void CandidateKeys(int n) override { candidateCalls.push_back(n); }
  void EnterKey(int n) override { enterCalls.push_back(n); }
  void Beep() override { ++beeps; }
  int pendingRedraws = 0;
  int beeps = 0;
  std::vector<int> candidateCalls;
  std::vector<int> enterCalls;
};

// A mapped application window on a 1024x768 screen.
inline FocusFacts AppFocus() {
  FocusFacts f;
  f.window = 0x200005;
  f.root = 0x50d;
  f.topLevel = 0x200003;
  f.viewable = true;
  f.x = 10, f.y = 10, f.width = 300, f.height = 200;
  f.screenWidth = 1024, f.screenHeight = 768;
  return f;
}

struct FixedFocus : FocusProbe {
  FocusFacts Query() override { return facts; }
  FocusFacts facts = AppFocus();
};

struct RecordingClipboard : PasteBoard {
  bool Put(const std::string& euc) override {
    if (refuse) return false;
    texts.push_back(euc);
    return true;
  }
  std::vector<std::string> texts;
  bool refuse = false;
};

// EUC-JP of UTF-8 test text.
inline std::string Euc(const std::string& utf8) {
  std::string euc;
  EXPECT_TRUE(Utf8ToEuc(utf8, &euc)) << utf8;
  return euc;
}

inline std::string Utf8(const std::string& euc) {
  std::string utf8;
  EXPECT_TRUE(EucToUtf8(euc, &utf8));
  return utf8;
}

// Pen data that names its character: one stroke of one point (tag, tag).
inline PenData TaggedPen(int tag) {
  return PenData{kStrokeMark, 1, static_cast<uint16_t>(tag), static_cast<uint16_t>(tag), kPenEnd};
}
inline int PenTag(const PenData& pen) { return pen.size() > 2 ? pen[2] : -1; }

// The UTF-8 character in a candidate cell.
inline std::string CellText(const char cell[2]) { return Utf8(std::string(cell, CellBytes(cell))); }

class PadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Ap_table = ApTableDefaults(1024, 768);
    Ap_table.seni_exec = 0;
    Ap_table.past_type = 0;
    ResetStartupState(1024, 768);
    Pad = PendingLine{};
    PadInk = {};
    SetPadDisplay(&display);
    SetFocusProbe(&focus);
    SetPasteBoard(&clipboard);
  }
  void TearDown() override {
    SetPadDisplay(nullptr);
    SetFocusProbe(nullptr);
    SetPasteBoard(nullptr);
  }

  // A new pending line of UTF-8 characters; character i has pen tag i and the
  // alternative given for it (cell 1).
  void SetPending(const std::string& utf8, const std::vector<std::string>& alternatives = {}) {
    Pad = PendingLine{};
    const std::string euc = Euc(utf8);
    std::strncpy(Pad.Tbuff, euc.c_str(), sizeof Pad.Tbuff - 1);
    int i = 0;
    for (size_t off = 0; off < euc.size(); ++i) {
      const size_t bytes = EucCharBytes(euc.c_str() + off);
      std::memcpy(Pad.Result[i][0], euc.data() + off, bytes);
      if (i < static_cast<int>(alternatives.size())) {
        const std::string alt = Euc(alternatives[static_cast<size_t>(i)]);
        std::memcpy(Pad.Result[i][1], alt.data(), EucCharBytes(alt.c_str()));
      }
      Pad.BFpen[i] = TaggedPen(i);
      off += bytes;
    }
    Pad.Ink_data.pending = static_cast<int16_t>(i);
    Pad.Rang = RangRec{static_cast<int16_t>(i), static_cast<int16_t>(i), static_cast<int16_t>(i)};
  }

  std::string PendingUtf8() { return Utf8(Pad.Tbuff); }
  static std::pair<int, int> Range() { return {Pad.Rang.start, Pad.Rang.end}; }

  RecordingDisplay display;
  FixedFocus focus;
  RecordingClipboard clipboard;
  RecordingKeys keys;
};
