// The ten-key pad: a 4x4 grid showing one page of symbols, page keys, the
// full-width/half-width switch, Enter and close. A full-width symbol is collected in
// the pad's commit buffer Over_text and pasted when no symbol followed for a second;
// a half-width character is typed as a key stroke.
#pragma once

#include <cstdint>
#include <string>

#include "keyboards/tenkey_tables.h"

// Slots of Tenk_wid, which are also the keys' values: 1-16 the grid keys, then these.
constexpr int kTenkPrev = 17;
constexpr int kTenkPage = 18;
constexpr int kTenkNext = 19;
constexpr int kTenkDoub = 20;
constexpr int kTenkEnter = 21;
constexpr int kTenkClose = 22;
constexpr int kTenkSlots = 23;
// Value of the redraw of the grid and the page key.
constexpr int kTenkRedraw = -1;

// The button_basedisp modes the pad draws with.
constexpr int kTenkFacePressed = 1;
constexpr int kTenkFaceReleased = -1;

constexpr int kTenkRedrawMs = 200;
constexpr int kTenkPasteMs = 1000;

// The width of the pages is Kbd.tenk_wide (keyboards/kbdstate.h), the page
// Ap_table.tenk_page (0-based).

// What the pad does outside its own state: the program installs the GTK side, tests
// a recorder. Without one, nothing is drawn and no timer runs.
class TenkeyPorts {
 public:
  virtual ~TenkeyPorts() = default;
  // Draws the face (EUC-JP) on key `slot` with the button_basedisp mode.
  virtual void DrawFace(int /*slot*/, int /*mode*/, const std::string& /*face*/) {}
  // (Re)starts the one-shot 200 ms timer that calls Tenk_Click(kTenkRedraw).
  virtual void RestartRedrawTimer() {}
  // Runs the pad's recognition now when it is waiting for its pause to end.
  virtual void RecognizeNow() {}
  // (Re)starts the one-shot 1000 ms timer that commits Over_text.
  virtual void RestartPasteTimer() {}
  // Switches the pad off through its toggle key.
  virtual void Close() {}
  virtual void Beep() {}
};
void SetTenkeyPorts(TenkeyPorts* ports);

// The single entry point: 1-22 click of the key in slot value, 101-121 its press,
// 201-221 its release, kTenkRedraw the redraw timer. Returns 0 (a one-shot timer).
int Tenk_Click(int value);

// Pages in the current mode: 19 full-width, 3 half-width.
int TenkPageCount(uint32_t wide);
// The page after key 17 (previous), 18 (first) or 19 (next), wrapping around.
int TenkPageAfter(int key, int page, int pageCount);
// The half-width character of grid key 1..16 on a page (0: none).
int TenkHalfChar(int page, int key);

// Faces (EUC-JP, before drawing). Grid key 1..16: "" when the key is not redrawn
// (a half-width key without a character on press and release); `redraw` gives the
// face of the grid redraw, where such a key and the space show the blank face.
std::string TenkGridFace(uint32_t wide, int page, int key, bool pressed, bool redraw = false);
// The page key: on press and release (with the page count), or on the redraw.
std::string TenkPageFace(uint32_t wide, int page, bool pressed, bool redraw = false);
// The mode key: the pressed face names the mode the click switches to; released it
// names the current mode.
std::string TenkDoubFace(uint32_t wide, bool pressed);
