// Shared steps of the editing commands: moving the per-character entries (candidates
// and ink) of the pending line, inserting characters that have no ink, and the
// messages that name a character.
#pragma once

#include <cstddef>
#include <string>

#include "pad/pending.h"

// Entry `to` takes the candidates and ink of entry `from`, which is left empty.
void EntryMove(int from, int to);
// Entry i holds nothing.
void EntryClear(int i);
// Entry i holds the cells and ink given.
void EntrySet(int i, const char cells[kCandCells][2], PenData pen);

// The result of inserting one character without ink.
enum class InklessInsert {
  kInserted,   // it went into the line at the caret
  kPushedOut,  // it went in, and the line's first character went out into Over_text
  kSentOut,    // the line is full and the caret at its start: it went into Over_text
  kRefused,    // Over_text has no room: nothing changed
};

// Inserts the character `ch` (1 or 2 bytes) at *caret: `before` is the pending text
// before the caret and receives the character (or loses the character pushed out).
// Its entry holds only that character and no ink.
InklessInsert InsertInkless(const std::string& ch, std::string* before, int* caret);

// A message literal through the catalogue, with "%.2s" replaced by the character of
// a candidate cell.
std::string CharMessage(const char* literal, const char cell[2]);

// Room for `bytes` more bytes (and the end NUL) in Over_text.
bool OverTextHasRoom(size_t bytes);
