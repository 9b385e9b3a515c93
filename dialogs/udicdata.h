// The state of the registration dialog and its browser (Dic_data) and the plain rules
// behind them: pen capture into the ink buffer, the correct character and its
// alternatives, and the browser's pages of eight samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "dialogs/learnfile.h"

constexpr int kUdicMaxStrokes = 30;
constexpr int kUdicMaxPoints = 1024;
constexpr size_t kUdicInkWords = kLearnInkBytes / 2;
constexpr int kUdicCodes = 10;  // [0] the correct character, [1..9] the alternatives
constexpr int kUdicCells = 8;   // samples per browser page

struct DicDataRec {
  int16_t area = -1;      // writing area: 0 left (the character's name), 1 right (the sample), -1 none
  int16_t pen_down = 0;
  int16_t strokes = 0;    // strokes of the character being written
  int16_t page = 1;       // browser page, from 1
  int16_t entries = 0;    // records of the learning file
  int16_t cell = 0;       // selected browser cell 1..8, 0 none
  uint16_t codes[kUdicCodes] = {};       // Shift-JIS codes, 0 none
  std::vector<uint16_t> ink;             // pen data being written (kUdicInkWords)
  size_t ink_wp = 0;                     // next free word of ink
  size_t stroke_np = 0;                  // point-count word of the stroke being written
  bool recording = false;                // the stroke in progress is stored
  std::vector<uint16_t> pattern;         // the sample to register; empty: none
  std::vector<LearnRecord> records;      // the learning file while the browser is up
};

extern DicDataRec Dic_data;

// Pen capture. A stroke beyond the 30th and points beyond the 1024th of a stroke are
// not stored; the buffer never overflows.
void UdicInkReset(DicDataRec* d);
void UdicStrokeBegin(DicDataRec* d, int x, int y);
void UdicStrokePoint(DicDataRec* d, int x, int y);
// Ends the character: the pen data written so far with its end mark; the buffer and
// the stroke count start again.
std::vector<uint16_t> UdicInkTake(DicDataRec* d);

// Which writing area holds (x, y): 0, 1, or -1, given the two rectangles (x, y, w, h).
struct UdicRect {
  int x, y, width, height;
};
int UdicAreaAt(const UdicRect areas[2], int x, int y);

// The candidates of a recognition become the correct character and its alternatives
// (gesture codes are no characters and are left out). Returns the number of codes.
int UdicSetCandidates(DicDataRec* d, const uint16_t* codes, int count);
// An alternative key (1..9) becomes the correct character and the old one takes its
// place; false (nothing changes) when the key has no candidate.
bool UdicSwapCandidate(DicDataRec* d, int key);
void UdicClearCodes(DicDataRec* d);

// Browser pages: page count, the record shown in a cell, and paging.
int UdicPageCount(int entries);
// The record index (from 0) of cell 1..8 on `page`, or -1 when the cell is empty.
int UdicRecordAt(int page, int cell, int entries);
// After the record count shrank: the page to show (the last one when `page` is past it).
int UdicPageAfterDelete(int page, int entries);
