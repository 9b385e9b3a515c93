// The plain side of the two drop-down selectors: which list row names which input
// window, what choosing one switches to, how many assignment texts there are, what a
// chosen assignment text does, and where a list opens.
#pragma once

#include <cstdint>

#include "app/assign.h"

// Rows of the input list: without "手書KB" when the program started with "-s", where
// row i names Comb_txt[i + 1].
int CombInputRows(int bootSoft);
int CombEntryOfRow(int row, int bootSoft);
int CombRowOfEntry(int entry, int bootSoft);  // -1 when the list does not offer it

// The Imode_chng mode that choosing Comb_txt[entry] while in `imode` asks for; 0 when
// that window is already up.
int CombApplyMode(int entry, int imode);

// Non-empty assignment texts from the first (the rows of the assignment list).
int AssignmentCount(const char (&table)[kAkeyEntries][kAkeyEntrySize]);

// What a chosen assignment text did.
enum class AssignAction {
  kCollected,  // Japanese text waits in Over_text for the paste timer
  kTyped,      // ASCII text typed as keys
  kNothing,    // ASCII text without a focus window, or Japanese text with no room
};
AssignAction ApplyAssignment(const char* text);

// Where a list of lw x lh opens for an entry at (ex, ey) of ew x eh on a screen of
// sw x sh: below the entry, kept on the screen; beside it when the screen's bottom
// would push it over the entry (right of it, or left at the right edge).
void CombListPlace(int ex, int ey, int ew, int eh, int lw, int lh, int sw, int sh, int* x, int* y);
