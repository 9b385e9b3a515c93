// The ten-key pad without a display: its pages, what a key pastes or types,
// and the bound of the commit buffer.
#include "keyboards/tenkey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../pad/pad_fixture.h"
#include "app/appstate.h"
#include "keyboards/kbdstate.h"

namespace {

using Keys = std::vector<RecordedKey>;

struct RecordingTenkey : TenkeyPorts {
  void DrawFace(int, int, const std::string&) override {}
  void RestartRedrawTimer() override { ++redrawTimers; }
  void RecognizeNow() override { ++recognitions; }
  void RestartPasteTimer() override { ++pasteTimers; }
  void Close() override { ++closes; }
  void Beep() override { ++beeps; }
  int redrawTimers = 0, recognitions = 0, pasteTimers = 0, closes = 0, beeps = 0;
};

class Tenkey : public PadTest {
 protected:
  void SetUp() override {
    PadTest::SetUp();
    SetTenkeyPorts(&ports);
    Kbd = {};
    Ap_table.tenk_page = 0;
  }
  void TearDown() override {
    SetTenkeyPorts(nullptr);
    PadTest::TearDown();
  }
  void Show(uint32_t wide, int page) {
    Kbd.tenk_wide = wide;
    Ap_table.tenk_page = static_cast<int16_t>(page);
  }
  RecordingTenkey ports;
};

TEST_F(Tenkey, PageKeysWrapAndModeSwitchReturnsToPageOne) {
  struct Case {
    uint32_t wide;
    int page;  // 0-based before the click
    int key;
    uint32_t wideAfter;
    int pageAfter;
  };
  const Case cases[] = {
      {1, 0, kTenkPrev, 1, 18},  // previous on page 1 goes to 19
      {1, 18, kTenkNext, 1, 0},  // next on 19 goes to 1
      {1, 5, kTenkNext, 1, 6},
      {0, 2, kTenkNext, 0, 0},   // half-width: next on page 3 goes to 1
      {0, 0, kTenkPrev, 0, 2},
      {1, 12, kTenkPage, 1, 0},  // the page key goes to page 1
      {1, 12, kTenkDoub, 0, 0},  // either mode switch goes to page 1
      {0, 2, kTenkDoub, 1, 0},
  };
  for (const Case& c : cases) {
    Show(c.wide, c.page);
    ports.redrawTimers = 0;
    Tenk_Click(c.key);
    EXPECT_EQ(Kbd.tenk_wide, c.wideAfter) << c.key << " from " << c.page;
    EXPECT_EQ(Ap_table.tenk_page, c.pageAfter) << c.key << " from " << c.page;
    EXPECT_EQ(ports.redrawTimers, 1) << "the grid is redrawn a little later";
  }
}

TEST_F(Tenkey, SymbolsWithinOneSecondArePastedTogether) {
  Tenk_Click(12);  // ＋
  Tenk_Click(9);   // １
  EXPECT_EQ(ports.pasteTimers, 2) << "each symbol restarts the paste timer";
  EXPECT_EQ(ports.recognitions, 2) << "writing waiting for its pause is recognised first";
  EXPECT_TRUE(keys.events.empty());
  CommitOverText();  // the timer fires
  EXPECT_EQ(clipboard.texts, std::vector<std::string>{Euc("＋１")});

  Show(1, 7);
  Tenk_Click(3);  // → after the timer: a paste of its own
  CommitOverText();
  EXPECT_EQ(clipboard.texts, (std::vector<std::string>{Euc("＋１"), Euc("→")}));
  const Keys paste{Down(kKeysymControlL), Down(kKeysymV), Up(kKeysymV), Up(kKeysymControlL),
                   Flushed()};
  Keys twice = paste;
  twice.insert(twice.end(), paste.begin(), paste.end());
  EXPECT_EQ(keys.events, twice);

  // Without a window to paste into the symbols keep collecting.
  focus.facts.window = 0;
  Show(1, 11);
  Tenk_Click(7);  // α
  CommitOverText();
  Tenk_Click(8);  // β
  focus.facts = AppFocus();
  CommitOverText();
  EXPECT_EQ(clipboard.texts.back(), Euc("αβ"));
}

TEST_F(Tenkey, HalfWidthKeysTypeWithShiftWhereTheKeyboardNeedsIt) {
  struct Case {
    int page;
    int key;
    Keys keys;
  };
  const Keys none;
  const Case cases[] = {
      {0, 1, {Down('7'), Up('7'), Flushed()}},
      {1, 1, {Down(' '), Up(' '), Flushed()}},
      {1, 10, {Down(kKeysymShiftL), Down('!'), Up('!'), Up(kKeysymShiftL), Flushed()}},
      {2, 7, {Down(kKeysymShiftL), Down(','), Up(','), Up(kKeysymShiftL), Flushed()}},  // <
      {1, 2, {Down('@'), Up('@'), Flushed()}},
      {2, 12, none},  // no character
  };
  for (const Case& c : cases) {
    Show(0, c.page);
    keys.events.clear();
    Tenk_Click(c.key);
    EXPECT_EQ(keys.events, c.keys) << "page " << c.page + 1 << " key " << c.key;
  }
  EXPECT_TRUE(clipboard.texts.empty());
  EXPECT_EQ(App.Over_text[0], '\0');

  // Where the keyboard map tells, it decides: on a US map "=" is plain, ":" shifted.
  keys.levels = {{'=', 0}, {':', 1}};
  keys.events.clear();
  Show(0, 0);
  Tenk_Click(15);
  Show(0, 1);
  Tenk_Click(7);
  EXPECT_EQ(keys.events, (Keys{Down('='), Up('='), Flushed(), Down(kKeysymShiftL), Down(':'),
                               Up(':'), Up(kKeysymShiftL), Flushed()}));

  focus.facts.window = 0;  // nowhere to type
  keys.events.clear();
  Show(0, 0);
  Tenk_Click(1);
  Tenk_Click(kTenkEnter);
  EXPECT_TRUE(keys.events.empty());
  focus.facts = AppFocus();
  Tenk_Click(kTenkEnter);
  EXPECT_EQ(keys.events, (Keys{Down(kKeysymReturn), Up(kKeysymReturn), Flushed()}));
  Tenk_Click(kTenkClose);
  EXPECT_EQ(ports.closes, 1);
}

TEST_F(Tenkey, AFullCommitBufferIsPastedFirstOrRefusesTheSymbol) {
  const std::string filler(kOverTextSize - 2, 'x');  // one byte short of a symbol
  std::memcpy(App.Over_text, filler.data(), filler.size());
  focus.facts.window = 0;
  Tenk_Click(12);
  EXPECT_EQ(ports.beeps, 1);
  EXPECT_EQ(std::string(App.Over_text), filler) << "nothing written past the buffer";
  EXPECT_EQ(App.Over_text[kOverTextSize - 1], '\0');

  focus.facts = AppFocus();
  Tenk_Click(12);
  EXPECT_EQ(ports.beeps, 1);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], filler);
  EXPECT_EQ(std::string(App.Over_text), Euc("＋"));
}

}  // namespace
