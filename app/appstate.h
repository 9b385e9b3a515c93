// Start-up state shared by every window: scratch and commit buffers, shown flags,
// timer slots, the screen size, the flags of the command line, the focus window of
// the last check and the message box's answer.
#pragma once

#include <cstdint>
#include <vector>

#include "app/geometry.h"

constexpr int kBuffTextSize = 256;
constexpr int kOverTextSize = 2048;
constexpr int kDicWorkSize = 126980;

// Indexes of wind_dsp.
constexpr int kShownMain = 0;
constexpr int kShownTenKey = 1;
constexpr int kShownKeyboard0 = 2;  // keyboards 0..4 at 2..6
constexpr int kShownFrame = 7;

// Slots of Timer_id.
constexpr int kTimerRecog = 0;   // recognition, or the delayed pen grab
constexpr int kTimerPaste = 1;   // 1000 ms paste of symbol-key text
constexpr int kTimerTenKey = 2;  // ten-key redraw
constexpr int kTimerRaise = 3;   // 500 ms periodic raise

// The start-up state of the program, owned in one record; its members keep their names.
struct AppStateRec {
  char Buff_text[kBuffTextSize];      // scratch for paths and face texts
  char Over_text[kOverTextSize];      // text waiting to be committed
  std::vector<uint8_t> DicWorkArea;   // work area of the user-dictionary dialogs
  int screen_w = 0, screen_h = 0;     // read once at start-up
  int16_t Soft_old[2] = {0, 3};       // last full keyboard (0..2), last kana keyboard (3..4)
  int Rais_paus = 1;                  // 1 while raising windows is allowed
  uint8_t wind_dsp[8] = {};           // which windows are shown
  unsigned int Timer_id[4] = {};      // timer handles, 0 when not armed
  int Boot_soft = 0;                  // started with "-s"
  Rect16 Main_rct = {0, 0, 0, 0};     // (0, 0, width, height) of the main window
  unsigned long Focus_win = 0;        // the window with the input focus at the last check
  int MboxReturn = 0;                 // the message box's answer: 1 OK, 2 Cancel, 0 open
};
extern AppStateRec App;

// Step 3 of the start-up: every table, flag and timer slot back to its first state.
void ResetStartupState(int screenWidth, int screenHeight);
