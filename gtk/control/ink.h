// Ink of the pad: pen strokes on the screen or in the fixed frame's boxes, the variable
// frame, the saved screen under the ink, and the recognition pause.
#pragma once

#include <gtk/gtk.h>

#include "app/geometry.h"

// Whether characters are being written (the sequence holds ink).
bool InkWriting();

// A stroke starts at a root point: on the screen in pen input, or in a box of the
// fixed frame when inBox (the press came to the fixed-frame window).
void InkStrokeDown(int rootX, int rootY, bool inBox);
// The stroke being written goes on to the root point.
void InkStrokeTo(int rootX, int rootY);
// The stroke ends at the root point and the recognition pause starts.
void InkStrokeUp(int rootX, int rootY);

// Starts a new character buffer (which is always 0): 0, or 1 with a message box when
// memory is short (a beep when the sequence already holds 12 characters).
int Ink_alloc(int which);

// At the end of a pen-input stroke: 1 when it starts a new character, else 0; erases
// and redraws the variable frame. char_rect is the current character's PadInk.Vfram_rct
// entry; the next entry holds the stroke's box.
int VFrameChk(Rect16* char_rect);

// Saves the screen around (x, y) before ink covers it.
void ClsBmpGet(int x, int y);

// Creates Res.Clea_pmap on the main window when it does not exist yet.
void Pad_MakeScreenSave();

// The recognition timer (slot 0): wipes the ink and runs the cycle. Returns FALSE.
gboolean TimRecogEx(gpointer data);

// A key of the main window is pressed while characters are being written: what is
// written is recognised now, as the pause would have done, before the key acts.
void RecogniseWritingNow();

// Ends the writing sequence without recognising it: the timer goes, the ink is wiped
// and the buffers are released (pen-mode changes).
void InkDiscard();
