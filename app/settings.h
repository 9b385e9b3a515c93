// The settings record Ap_table and its file "Sorenix.dat" in the user directory:
// defaults, reading with clamping, and the exact text format written back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "saferead.h"

// Paste keys of the commit. Control+V and Alt+V are kept for stored files; Shift+Insert,
// the default, is taken as paste by GTK 2 and 3, Qt, browsers and xterm alike.
constexpr int16_t kPasteControlV = 0;
constexpr int16_t kPasteAltV = 1;
constexpr int16_t kPasteShiftInsert = 2;

struct ApTableRec {
  int32_t win_x, win_y;          // main window
  int32_t small_x, small_y;      // the two small keyboards
  int32_t lframe_x, lframe_y;    // fixed-frame window
  int32_t tenk_x, tenk_y;        // ten-key window (computed, not stored)
  int32_t dsleep;                // ink replay pause of the dictionary dialogs
  int16_t imode;                 // input window: 1-2 pad, 3-12 keyboards
  int16_t pmode;                 // 0 mouse, 1 pen, 2 fixed frame
  int16_t tenk_page;             // ten-key page (not stored)
  int16_t dbl_mode;              // 1 half-width, 2 full-width results
  int16_t alc_mode;              // character-type restriction 0..6
  int16_t lframe_size;           // 1..3
  int16_t top_ex;                // keep windows raised
  int16_t past_type;             // kPasteControlV, kPasteAltV or kPasteShiftInsert
  uint32_t back_color;           // 0xRRGGBB
  uint32_t head_color;           // 0xRRGGBB
  int16_t pen_bold;              // 1..5
  int16_t pen_color;             // 0..5
  int16_t vframe_margin;         // 0..60
  int32_t recog_timer;           // 200..5000 ms
  uint32_t seni_exec;            // 0 or 1
};

extern ApTableRec Ap_table;

// Longest line of the settings file that is read; a longer one is skipped.
constexpr int kSettingsLineSize = 1024;
// The file is a few hundred bytes: a larger one than this is not the pad's and is
// neither read nor replaced.
constexpr long kSettingsFileMax = 1L << 20;
// Malformed lines named one by one; the rest are counted in one more line.
constexpr size_t kSettingsWarningsNamed = 20;

ApTableRec ApTableDefaults(int screenWidth, int screenHeight);

// Applies the "[SECTION]" blocks read from `in` to `table`, clamping every value to
// its range for a screen of the given size. Sections may repeat and come in any order;
// blank lines, "#" and ";" comments, spaces around "=" and CRLF line ends are allowed.
// Each values line holds "KEY=VALUE" items separated by commas. A malformed line is
// skipped and noted in `warnings` as "<fileName>:<line>: <why>" (the first
// kSettingsWarningsNamed of them, then one line counting the rest); lines of sections
// this program does not know are skipped silently.
void ApTableRead(BoundedLineReader& in, const std::string& fileName, int screenWidth, int screenHeight,
                 ApTableRec* table, std::vector<std::string>* warnings = nullptr);

// The file's text: one section line, one values line and an empty line per section.
std::string ApTableText(const ApTableRec& table);

// File forms: reading returns false when the file does not open, is not a regular
// file or is larger than kSettingsFileMax (table untouched), with the reason in
// `refusal` unless the file does not exist; writing replaces the file as a whole and
// returns false when it cannot.
bool ApTableLoad(const std::string& path, int screenWidth, int screenHeight, ApTableRec* table,
                 std::vector<std::string>* warnings = nullptr, std::string* refusal = nullptr);
bool ApTableSave(const std::string& path, const ApTableRec& table, std::string* error = nullptr);

// Mode 0 loads the user's settings file into Ap_table (screen size from the start-up
// state; the malformed lines on standard error); any other mode writes Ap_table to it,
// unless loading found a file there it could not read: that one is kept as it is for
// the rest of the run.
void ApTableEx(int mode);

// Called at the first save that fails, with the reason (the program tells the user in
// the message box); later failures are only traced.
void SetSettingsSaveFailureHandler(void (*handler)(const char* reason));
