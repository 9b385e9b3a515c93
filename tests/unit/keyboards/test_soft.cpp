// The soft, kana and ten-key keyboards and the selector without a display: the keys
// they send, latches, kana romaji and voicing, pages, pastes and the commit buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../pad/pad_fixture.h"
#include "app/appstate.h"
#include "keyboards/kana.h"
#include "keyboards/kbdstate.h"
#include "keyboards/selector_logic.h"
#include "keyboards/soft.h"
#include "keyboards/tenkey.h"
#include "ui/facetext.h"
#include "ui/keyboard_keys.h"

namespace {

using Keys = std::vector<RecordedKey>;

constexpr uint32_t kShiftL = 0xFFE1, kCtrlL = 0xFFE3, kAltL = 0xFFE9, kCaps = 0xFFE5;
constexpr uint32_t kBackSpace = 0xFF08;

// Like the toggle keys of the program: switching one off emits "toggled", which
// comes back into the key action with the modifier and state 0.
struct RecordingSoft : SoftPorts {
  void LatchReleased(int keyboard, int latch) override {
    released.push_back(keyboard * 10 + latch);
    SftKeybord(static_cast<int>(kLatchKeysyms[latch]), 0);
  }
  void ModeChange(int) override {}
  std::vector<int> released;  // keyboard * 10 + latch
};

struct RecordingTenkey : TenkeyPorts {
  void DrawFace(int, int, const std::string&) override {}
  void RestartRedrawTimer() override {}
  void RecognizeNow() override { ++recognitions; }
  void RestartPasteTimer() override { ++pasteTimers; }
  void Close() override { ++closes; }
  void Beep() override { ++beeps; }
  int recognitions = 0, pasteTimers = 0, closes = 0, beeps = 0;
};

class Keyboards : public PadTest {
 protected:
  void SetUp() override {
    PadTest::SetUp();
    SetSoftPorts(&ports);
    SetTenkeyPorts(&tenkey);
    Kbd = {};
    Ap_table.imode = 3;  // SoftKey1
    Ap_table.tenk_page = 0;
  }
  void TearDown() override {
    SetSoftPorts(nullptr);
    SetTenkeyPorts(nullptr);
    PadTest::TearDown();
  }
  // The ten-key pad at this width and page.
  void Show(uint32_t wide, int page) {
    Kbd.tenk_wide = wide;
    Ap_table.tenk_page = static_cast<int16_t>(page);
  }
  // Latch clicks are (keysym, 1) or (keysym, 0); other keys (value, 0).
  struct Click {
    int value;
    int state;
  };
  Keys Run(const std::vector<Click>& clicks) {
    keys.events.clear();
    for (const Click& c : clicks) SftKeybord(c.value, c.state);
    std::vector<RecordedKey> out;
    for (const RecordedKey& k : keys.events)
      if (!(k == Flushed())) out.push_back(k);  // flushes end every step; left out here
    return out;
  }
  RecordingSoft ports;
  RecordingTenkey tenkey;
};

}  // namespace

TEST_F(Keyboards, LatchesHoldTheirModifierUntilTheKeysTheyEnd) {
  struct Case {
    const char* name;
    std::vector<Click> clicks;
    Keys keys;
  };
  const Case cases[] = {
      {"Shift then a: the capital", {{int(kShiftL), 1}, {'a', 0}},
       {Down(kShiftL), Down('A'), Up('A'), Up(kShiftL)}},
      {"Ctrl then Alt then c: both go after c", {{int(kCtrlL), 1}, {int(kAltL), 1}, {'c', 0}},
       {Down(kCtrlL), Down(kAltL), Down('c'), Up('c'), Up(kCtrlL), Up(kAltL)}},
      {"Alt then Ctrl: Ctrl ends Alt", {{int(kAltL), 1}, {int(kCtrlL), 1}},
       {Down(kAltL), Down(kCtrlL), Up(kAltL)}},
      {"Shift then Ctrl: Ctrl ends Shift", {{int(kShiftL), 1}, {int(kCtrlL), 1}, {'x', 0}},
       {Down(kShiftL), Down(kCtrlL), Up(kShiftL), Down('x'), Up('x'), Up(kCtrlL)}},
      {"Alt then Shift: Shift ends Alt", {{int(kAltL), 1}, {int(kShiftL), 1}, {'x', 0}},
       {Down(kAltL), Down(kShiftL), Up(kAltL), Down('X'), Up('X'), Up(kShiftL)}},
      {"a latch clicked off again", {{int(kShiftL), 1}, {int(kShiftL), 0}, {'a', 0}},
       {Down(kShiftL), Up(kShiftL), Down('a'), Up('a')}},
      {"CapsLock stays over keys", {{int(kCaps), 1}, {'a', 0}, {'b', 0}},
       {Down(kCaps), Up(kCaps), Down('a'), Up('a'), Down('b'), Up('b')}},
      {"the kanji key whatever the latches", {{int(kShiftL), 1}, {1, 0}},
       {Down(kShiftL), Down(kShiftL), Down(' '), Up(' '), Up(kShiftL)}},
  };
  for (const Case& c : cases) {
    Kbd = {};
    EXPECT_EQ(Run(c.clicks), c.keys) << c.name;
  }
  EXPECT_TRUE(Kbd.Soft_latch[0][0]) << "the kanji key releases no latch";
}

// The lower and upper character of a face text "pic;x:y:lower x:y:upper" ("" when
// the face shows no single character); a letter's upper one is its capital.
std::string FaceLetters(const char* face) {
  std::string letters;
  for (const FaceItem& item : ParseFaceText(face).items) {
    if (item.text.size() != 1) return "";
    letters += item.text;
  }
  if (letters.size() == 1 && letters[0] >= 'a' && letters[0] <= 'z') letters += char(letters[0] - 32);
  return letters.size() == 2 ? letters : "";
}

TEST_F(Keyboards, KeysTypeWhatTheirFaceShowsOnAnyKeyboardMap) {
  const struct {
    const char* name;
    Keymap map;
  } maps[] = {{"US", UsKeymap()}, {"JP", JpKeymap()}};
  int checked = 0;
  for (const auto& m : maps) {
    keys.keymap = m.map;
    for (int k = 0; k < 3; ++k) {
      Ap_table.imode = 3 + k;
      const KeyboardKeys& board = kKeyboardKeys[k];
      for (size_t c = 0; c < board.count; ++c) {
        for (size_t i = 0; i < board.containers[c].count; ++i) {
          const KeyDef& key = board.containers[c].keys[i];
          const std::string letters = FaceLetters(key.face);
          if (key.kind != kFace || key.value <= 0x20 || key.value > 0x7E || letters.empty()) continue;
          for (int shifted = 0; shifted < 2; ++shifted) {
            Kbd = {};
            keys.events.clear();
            if (shifted) SftKeybord(int(kShiftL), 1);
            SftKeybord(key.value, 0);
            EXPECT_EQ(keys.Typed(), letters.substr(shifted, 1))
                << m.name << " " << board.window << " " << key.name << (shifted ? " with Shift" : "");
            int down = 0;
            for (const RecordedKey& e : keys.events)
              if (e.keysym == kShiftL) down += e.press ? 1 : -1;
            EXPECT_EQ(down, 0) << "Shift left down after " << key.name;
            EXPECT_FALSE(Kbd.Soft_latch[k][0]);
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 2 * 3 * 2 * 40);
}

TEST_F(Keyboards, ClosingReleasesEveryLatchCapsLockLast) {
  // CapsLock ends the other latches like any key; Shift after it stays.
  EXPECT_EQ(Run({{int(kCtrlL), 1}, {int(kCaps), 1}, {int(kShiftL), 1}}),
            (Keys{Down(kCtrlL), Down(kCaps), Up(kCaps), Up(kCtrlL), Down(kShiftL)}));
  ports.released.clear();
  keys.events.clear();
  SftReleaseLatches(0);
  EXPECT_EQ(ports.released, (std::vector<int>{0, 6}));
  EXPECT_EQ(keys.events, (Keys{Up(kShiftL), Flushed(), Down(kCaps), Up(kCaps), Flushed()}));
  for (bool on : Kbd.Soft_latch[0]) EXPECT_FALSE(on);

  // Without a focus window nothing is sent, but the latches still end.
  Run({{int(kShiftL), 1}});
  focus.facts.window = 0;
  EXPECT_EQ(Run({{'a', 0}}), Keys{});
  EXPECT_FALSE(Kbd.Soft_latch[0][0]);
}

TEST_F(Keyboards, KanaKeysTypeRomajiAndVoicingRetypesTheLastOne) {
  struct Case {
    const char* name;
    std::vector<int> values;
    std::string typed;  // keysyms as characters, "<" for BackSpace
  };
  const Case cases[] = {
      {"は゜", {126, kKanaSemiVoiced}, "ha<pa"},
      {"ほ゛", {130, kKanaVoiced}, "ho<bo"},
      {"と゛", {120, kKanaVoiced}, "to<do"},
      {"か゜ changes nothing", {106, kKanaSemiVoiced}, "ka"},
      {"う゛ changes nothing", {103, kKanaVoiced}, "u"},
      {"゛ twice voices once", {126, kKanaVoiced, kKanaVoiced}, "ha<ba"},
      {"ー 、 。 ん small kana", {161, 139, 140, 150, 159, 156}, "-,.nnxtuxya"},
  };
  Ap_table.imode = 6;  // Key51
  for (const Case& c : cases) {
    keys.events.clear();
    for (int v : c.values) Keybord50s(v);
    std::string typed;
    for (const RecordedKey& k : keys.events)
      if (k.press) typed += k.keysym == kBackSpace ? '<' : static_cast<char>(k.keysym);
    EXPECT_EQ(typed, c.typed) << c.name;
  }
  // Without a focus window a kana types nothing but is still the one ゛ would voice.
  focus.facts.window = 0;
  keys.events.clear();
  Keybord50s(111);
  EXPECT_TRUE(keys.events.empty());
  EXPECT_EQ(Kbd.K50button, 111);
}

// Choosing from the lists and pasting Japanese is left to e2e_keyboards: here what it
// cannot see, a choice of the window already up, typed ASCII and a full commit buffer.
TEST_F(Keyboards, SelectorListsChooseWindowsAndApplyAssignments) {
  EXPECT_EQ(CombApplyMode(1, 4), 0);
  EXPECT_EQ(CombApplyMode(2, 7), 0);
  EXPECT_EQ(CombRowOfEntry(0, 1), -1);
  // A list near the bottom opens beside its entry; at the right edge, to its left.
  int x, y;
  CombListPlace(960, 740, 40, 20, 80, 60, 1024, 768, &x, &y);
  EXPECT_EQ((std::vector<int>{x, y}), (std::vector<int>{880, 708}));

  // ASCII is typed at once with Shift where needed (a paste would look the same).
  EXPECT_EQ(ApplyAssignment("a!"), AssignAction::kTyped);
  EXPECT_EQ(keys.events, (Keys{Down('a'), Up('a'), Flushed(), Down(kShiftL), Down('!'), Up('!'),
                               Up(kShiftL), Flushed()}));
  // A full commit buffer: pasted first when it can be, else the text is refused.
  const std::string name = Euc("山田");
  const std::string filler(kOverTextSize - 3, 'x');
  std::memcpy(App.Over_text, filler.c_str(), filler.size() + 1);
  focus.facts.window = 0;
  EXPECT_EQ(ApplyAssignment(name.c_str()), AssignAction::kNothing);
  EXPECT_EQ(std::string(App.Over_text), filler);
  focus.facts = AppFocus();
  EXPECT_EQ(ApplyAssignment(name.c_str()), AssignAction::kCollected);
  EXPECT_EQ(std::string(App.Over_text), name);

  char table[kAkeyEntries][kAkeyEntrySize] = {"abc", "def", "", "ghi"};
  EXPECT_EQ(AssignmentCount(table), 2);
}

TEST_F(Keyboards, TenKeySymbolsWithinOneSecondArePastedTogether) {
  Tenk_Click(12);  // ＋
  Tenk_Click(9);   // １
  EXPECT_EQ(tenkey.pasteTimers, 2) << "each symbol restarts the paste timer";
  EXPECT_EQ(tenkey.recognitions, 2) << "writing waiting for its pause is recognised first";
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

TEST_F(Keyboards, TenKeyHalfWidthKeysTypeWithShiftWhereTheKeyboardNeedsIt) {
  struct Case {
    int page;
    int key;
    Keys keys;
  };
  const Keys none;
  const Case cases[] = {
      {0, 1, {Down('7'), Up('7'), Flushed()}},
      {1, 1, {Down(' '), Up(' '), Flushed()}},
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
  EXPECT_EQ(tenkey.closes, 1);
}

TEST_F(Keyboards, TenKeyAFullCommitBufferIsPastedFirstOrRefusesTheSymbol) {
  const std::string filler(kOverTextSize - 2, 'x');  // one byte short of a symbol
  std::memcpy(App.Over_text, filler.data(), filler.size());
  focus.facts.window = 0;
  Tenk_Click(12);
  EXPECT_EQ(tenkey.beeps, 1);
  EXPECT_EQ(std::string(App.Over_text), filler) << "nothing written past the buffer";
  EXPECT_EQ(App.Over_text[kOverTextSize - 1], '\0');

  focus.facts = AppFocus();
  Tenk_Click(12);
  EXPECT_EQ(tenkey.beeps, 1);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], filler);
  EXPECT_EQ(std::string(App.Over_text), Euc("＋"));
}
