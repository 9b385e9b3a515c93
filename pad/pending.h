// The pending line of the pad (the record Pad): at most 12 characters of EUC-JP text
// (Tbuff) with the selection Rang, ten candidate cells per character (Result) and each
// character's pen data (BFpen), with the ink of the sequence being written (Ink_data,
// hPens); the commit buffer Over_text; and the plain edits on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "pad/inkdata.h"

constexpr int kTbuffSize = 32;
constexpr int kCandCells = 10;        // cell 0 stands in the text, 1..9 are alternatives
constexpr size_t kWorkBytes = 128;    // the work buffer: the first bytes of Buff_text

// Selection start, end and anchor: character indexes 0..pending count.
struct RangRec {
  int16_t start;
  int16_t end;
  int16_t anchor;
};

// The pending line and the sequence being written, owned in one record; its members
// keep their own names.
struct PendingLine {
  char Tbuff[kTbuffSize];  // the text, EUC-JP
  RangRec Rang;
  // Cells hold one character in EUC-JP in display order; a single-byte character is
  // followed by a 0 byte; an all-zero cell is empty.
  char Result[kPadChars][kCandCells][2];
  PenData BFpen[kPadChars];  // each pending character's pen data
  InkDataRec Ink_data;       // the sequence counters
  PenData hPens[kPadChars];  // one buffer per written character of the sequence
};
extern PendingLine Pad;

// Redraws the pending text in the main window (the expose handler too).
void TxbuffDisp();

// Bytes of the character at `s`: 2 when its first byte has the high bit set, 1
// otherwise, 0 at the end of the text.
size_t EucCharBytes(const char* s);
int EucCharCount(const char* s);
// Byte offset of character n (the text's length when it has fewer characters).
size_t EucCharOffset(const char* s, int n);
// Makes EUC-JP text the pending text (cut after the last whole character that fits).
void PendingSetText(const std::string& text);

// Bytes of a candidate cell's character: 0 for an empty or malformed cell.
size_t CellBytes(const char cell[2]);

// Copies the first n characters of Tbuff into the cleared work buffer; *tail receives
// the offset in Tbuff after them and *write the offset in the work buffer.
void BuffFrtSet(int n, size_t* tail, size_t* write);

// Deletes the selection (if any) with its candidates and pen data; returns the
// selection start, where new text goes.
int BuffTextDel();

// Code of the pending character just before where new text goes (the selection
// start): Shift-JIS, or the byte of an ASCII character; 0 at the start of the line.
uint16_t PendingCodeBeforeInsert();

// Discards the pending line, its candidates and pen data, the commit buffer and the
// writing sequence; redraws.
void BuffCleaEx();

// The user picked alternative key i + 1 (i = 0..8) of the character before the cursor.
void KohoSwaping(int i);

// Entry of Result shown on the alternative keys: the character before the cursor.
int CandidateEntry();

// The pending-text index under x in the main window: trunc((x - 37) / 15) within
// 0..pending count.
int PendingIndexAt(int x);
// A press on the pending text puts the cursor there; a drag selects from the anchor.
void PendingPlaceCursor(int index);
void PendingDragTo(int index);

// The trace lines of the pending line and of the candidates before the cursor.
void TracePending();

// Appends whole text to Over_text when all of it fits (with the end NUL); false, and
// nothing appended, when it does not.
bool OverTextAppend(const char* text, size_t bytes);
