// The strokes of a character's stored patterns that the engine's look-alike checks
// read by number, and whether a form with two strokes joined keeps them in place.
#pragma once

#include <cstdint>
#include <set>

struct CheckedStrokes {
  std::set<int> fromStart;  // stroke numbers counted from the first (0, 1, ...)
  int fromEnd = 0;          // how many of the last strokes are read (0, 1 or 2)
  bool empty() const { return fromStart.empty() && fromEnd == 0; }
};

// Every stroke that some look-alike check reads in a pattern of code: the checks of
// the code's own entries, and the checks of other entries that name the code.
CheckedStrokes LookAlikeCheckedStrokes(uint16_t code);

// True when joining stroke `first` with the next one, in a form of `strokes`
// strokes, leaves every checked stroke under its number with its start in place:
// the pair lies after the strokes read from the start (or begins with the last of
// them, which then runs on), and before the strokes read from the end (or joins the
// stroke before them to the first of them: the body run on into a voiced mark).
bool JoinKeepsCheckedStrokes(const CheckedStrokes& checked, int strokes, int first);
