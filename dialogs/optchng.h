// The options dialog's working copy Opt_chng: ink colour and width, variable-frame
// margin, recognition pause and post-processing, with their value cycles and key faces.
// Choices reach Ap_table only through OK.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings.h"

struct OptChngRec {
  int16_t pen_bold;       // 1, 3 or 5 pixels from the width buttons
  int16_t pen_color;      // colour-table entry 0..5
  int16_t vframe_margin;  // 0, 30, 60 (a stored margin between keeps its remainder)
  int32_t recog_timer;    // milliseconds
  uint32_t seni_exec;     // 0 or 1
};

extern OptChngRec Opt_chng;

// Face texts: 0-2 margin small/medium/large, 3-4 post-processing off/on, 5 the pause
// format (whole seconds, then 5 or 0 tenths).
extern const char* const opt_name[6];

// Control numbers reported to Optn_Click.
constexpr int kOptColorFirst = 0;    // Pcolor1..Pcolor6: 0..5
constexpr int kOptWidthFirst = 11;   // Pborder1..Pborder3: 11, 13, 15
constexpr int kOptPause = 21;        // Option1
constexpr int kOptMargin = 22;       // Option2
constexpr int kOptUserDic = 23;      // Option3 "学習辞書"
constexpr int kOptSeni = 24;         // Option4
constexpr int kOptOk = 30;
constexpr int kOptCancel = 31;
constexpr int kOptPressOffset = 100;
constexpr int kOptReleaseOffset = 200;

OptChngRec OptFromSettings(const ApTableRec& table);
// Copies the working copy into the settings record (the other fields stay).
void OptToSettings(const OptChngRec& work, ApTableRec* table);
// Whether OK must make a new ink graphics context.
bool OptPenChanged(const OptChngRec& work, const ApTableRec& table);

// The cycles of the three keys. The pause keeps a remainder that is not a multiple of
// 500 (4700 -> 5200 -> 700); the margin likewise (45 -> 75 -> 15).
int32_t NextRecogTimer(int32_t ms);
int16_t NextMargin(int16_t margin);
uint32_t NextSeni(uint32_t seni);

// Face texts (literals before the catalogue; the pause face is formatted already).
// The pause face (UTF-8): 1500 -> "63;9:17:1.5秒後認識".
std::string PauseFace(int32_t ms);
const char* MarginFace(int16_t margin);     // entry margin / 30
const char* SeniFace(uint32_t seni);        // entry 3 or 4
// The pressed variant: face number 63 becomes 64.
std::string OptPressedFace(const std::string& face);

// Radio buttons of a settings value: colour 0..5, width 0..2 ((pen_bold - 1) / 2).
int ColorButtonIndex(int16_t penColor);
int WidthButtonIndex(int16_t penBold);

// What a control does to the working copy. Colour and width controls store their value;
// the three keys advance their cycle. Returns true when the control changed Opt_chng.
bool OptApplyControl(int code, OptChngRec* work);
