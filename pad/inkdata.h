// The writing sequence in pen data: one buffer per written character (Pad.hPens), the
// sequence counters (Pad.Ink_data, both in the pending line's record, pad/pending.h)
// and the character and stroke boxes (Vfram_rct), with the pointer state (Mus_data)
// and the saved screen area (Clear_rct) in one record, PadInk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/geometry.h"
#include "types.h"

constexpr int kPadChars = 12;                 // characters of one sequence / pending line
constexpr size_t kPenBufferBytes = 126980;    // room for 30 strokes of 1024 points
constexpr size_t kPenBufferWords = kPenBufferBytes / 2;
constexpr int kPenMaxStrokes = 30;
constexpr int kPenMaxPoints = 1024;

// One character's pen data: per stroke 0xEEEE, a point count and x, y pairs, then
// 0xF001. Empty when the slot holds no character.
using PenData = std::vector<uint16_t>;

struct InkDataRec {
  int16_t strokes;   // strokes recorded in the current character (0..30)
  int16_t chars;     // characters (used hPens slots) of the sequence (0..12)
  int16_t pending;   // characters of the pending text
  size_t write;      // next free word of the current buffer
  size_t count;      // point-count word of the stroke being written
  bool recording;    // the stroke in progress is being stored
};

// Results of InkNewCharacter.
constexpr int kInkStarted = 0;
constexpr int kInkNoMemory = 1;
constexpr int kInkSequenceFull = 2;

// Starts the buffer of a new character; the current one (if any) gets its end mark
// and shrinks to its used size. Nothing changes when it fails.
int InkNewCharacter();

// A stroke starts at (x, y); it is stored unless the character has 30 strokes.
void InkStrokeBegin(int x, int y);
// The next point of the stroke; not stored beyond 1024 points or for an unstored stroke.
void InkStrokePoint(int x, int y);

// The stroke just finished starts a new character: it moves to the front of a new
// buffer (counted there) and the previous character ends where it began. Returns an
// InkNewCharacter result; on failure the stroke stays where it was.
int InkMoveStrokeToNewCharacter();
// Forgets the stroke just finished (it would have started a 13th character).
void InkDropLastStroke();

// Makes room for a 13th character: two neighbouring finished characters (all but the
// current one) that together look like pieces of one (VFrameFragmentPair) become one,
// and the later ones, the current character and its stroke box move down one place.
// False when no pair fits; nothing changes then.
bool InkJoinFragments();

// Writes the end mark of the current character.
void InkCloseCharacter();

// Number of strokes in pen data (up to the end mark or the end of the data).
int PenStrokeCount(const PenData& pen);

// Pad states of Mus_data.state: bit 0 ready to start a stroke, bit 1 stroke in progress.
constexpr uint16_t kPadOff = 0;
constexpr uint16_t kPadPenIdle = 1;
constexpr uint16_t kPadPenStroke = 2;
constexpr uint16_t kPadFrameIdle = 5;
constexpr uint16_t kPadFrameStroke = 6;
constexpr uint16_t kPadReady = 1;
constexpr uint16_t kPadStroking = 2;

// Pointer state of the pad.
struct MusDataRec {
  int32_t last_x, last_y;  // previous point of the stroke being drawn
  uint16_t state;          // kPad...
  int16_t box;             // fixed-frame box written last (1..5, 0 none)
  int16_t key;             // key pressed under the grab: 1..41, 44, 45, -1..-22, 0 none
  Rect16 key_rect;         // (0, 0, width, height) of that key
};

// The pad's ink state, owned in one record; its members keep their names.
struct PadInkRec {
  // 0 the variable frame on screen; c (1..12) the box of character c; c + 1 the box
  // of the stroke being written while character c is current.
  Rect16 Vfram_rct[kPadChars + 2];
  MusDataRec Mus_data;
  // The screen area saved under pen-input ink and frames (pad/screensave.h).
  Rect16 Clear_rct;
};
extern PadInkRec PadInk;

// Forgets the writing sequence (its buffers, counters and character boxes).
void InkDiscardSequence();
