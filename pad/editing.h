// Character editing of the pending line: join and split of characters' ink, the
// large/small variant cycle, the symbol and digit keys, and kana-to-kanji conversion
// through the kanji entry box Kbox. The plain parts work on the pending-line state of
// pad/pending.h; the box and the timers are toolkit glue (gtk/control/editing_gtk.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/appstate.h"
#include "pad/pending.h"

// --- Main-window commands ------------------------------------------------------------

// Key 1: two or more selected characters become one (their ink joined and recognised
// again); one selected character is split into two at the widest gap between strokes.
void UnionConvert();
// Key 2: the selected kana go to the input method in the kanji box.
void KanjiConvert();
// Key 3: each selected character becomes its next large/small, voiced or case variant.
void LowhiConvert();
// Keys 7..21: inserts symbol k (0..14) at the caret, replacing the selection.
void KigoClick(int k);

// The kanji box: its text changed (the input method committed), its keys (0 cancel,
// 1 confirm), and closing it.
void KboxsChang();
void KboxsClick(int value);
void KboxsClose();

// --- Ink geometry ----------------------------------------------------------------------

// Offsets of the stroke marks of well-formed strokes, then the offset after the last
// of them (where the end mark stands). Parsing stops at anything malformed.
std::vector<size_t> StrokeOffsets(const PenData& pen);

// Bounding rectangle of the stroke whose mark is at `at`; returns the offset after its
// last point.
size_t GetPenRect(const PenData& pen, size_t at, Rect16* rect);
// Signed distance of b from a (negative when b's corners lie inside a); a grows to the
// union of both.
int GetRctLeng(Rect16* a, const Rect16& b);
// The stroke (0-based, at least 1) at which the second character begins when ink of
// `strokes` strokes is split: the first stroke farthest from all strokes before it.
int SplitStrokeOf(const PenData& pen);

// --- Join and split ---------------------------------------------------------------------

// Joins the ink of characters first..end-1 into character first, recognises it and
// appends its character to *dst. 0 on success; 1 (after a message or a beep) with
// nothing changed.
int UniPenData(int first, int end, std::string* dst);
// Splits character index into two, recognises both and appends their characters to
// *dst (the text before index); a full line pushes its first character out into
// Over_text. 0 on success; 1 (after a message or a beep) with nothing changed.
int SepPenData(int index, std::string* dst);

// --- Variants, symbols and inserted text -------------------------------------------------

// The next variant of one EUC-JP character (1 or 2 bytes); other text unchanged.
std::string CharVariant(const std::string& euc);

// The symbol of key k (0..14) in the width mode dbl_mode (1 half, 2 full), EUC-JP.
const char* KigoText(int dblMode, int k);
// KigoClick without its timers: inserts the symbol; true when text waits in Over_text
// for the paste timer.
bool KigoInsert(int k);

// The kanji box committed `euc`: the selection goes and the text takes its place as
// characters without ink; true when characters went out into Over_text.
bool KanjiInsert(const std::string& euc);

// The keysyms that type the kana of EUC-JP text in romaji (others are skipped).
std::vector<uint32_t> RomajiKeysyms(const std::string& euc);

// --- What editing needs from outside ----------------------------------------------------

// Messages to the user and the recogniser, replaced by recorders in tests. The default
// writes messages to standard error with a beep and recognises with the engine.
class EditPorts {
 public:
  virtual ~EditPorts() = default;
  // A message box with a beep (UTF-8 text).
  virtual void Message(const std::string& utf8);
  // Candidate cells of one character's ink written within `frame`.
  virtual void Recognise(const PenData& pen, const Rect16& frame, char cells[kCandCells][2]);
};

EditPorts& EditingPorts();
void SetEditPorts(EditPorts* ports);  // nullptr restores the default
