// Handing the pending line to the focused application: the enter and back-space keys
// of the pad, the commit of Over_text, and the focus check every injected key needs.
#pragma once

#include "pad/pending.h"

// True when the focus window can take text (FocusTakesText): not None, PointerRoot,
// the root or the window manager's hidden window, where X and window managers put
// the focus when the focused application goes away.
bool FocusWindow();

// The paste key of a paste type: Alt+V (1), Shift+Insert (2), otherwise Control+V.
void SendPasteKey(int pastType);

// Main-window key 35: commits the pending line through the clipboard, or sends
// Return when nothing is pending. Without a focus window the line stays pending.
void EnterClick();

// Main-window key 36: deletes the selection or the character before the cursor, or
// sends BackSpace when nothing is pending.
void BakspClick();

// Commits Over_text through the clipboard when a window has the focus (and empties
// it); otherwise it stays for the next commit. TimOverpEx is this with the paste timer.
void CommitOverText();

// Whether an ASCII character needs Shift on a Japanese 106-key layout: 0 for a..z,
// "," to ";", "[", "\", "]", "^", space and "@"; 1 for everything else.
int ShiftCheck(int c);
