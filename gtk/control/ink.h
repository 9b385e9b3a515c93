// Pointer events of the main window and the fixed-frame window: window drags, key
// presses while the pointer is grabbed, the pending-text cursor, and pen strokes with
// their ink, the variable frame and the saved screen under them.
#pragma once

#include <gtk/gtk.h>

#include "app/geometry.h"

// is_main is 1 for the main window, 0 for the fixed-frame window.
void Mouse_Down(GdkEventButton* event, int is_main);
void Mouse_Move(GdkEventMotion* event, int is_main);
void Mouse_Upex(GdkEventButton* event, int is_main);

// Starts a new character buffer (which is always 0): 0, or 1 with a message box when
// memory is short (a beep when the sequence already holds 12 characters).
int Ink_alloc(int which);

// At the end of a pen-input stroke: 1 when it starts a new character, else 0; erases
// and redraws the variable frame. char_rect is the current character's Vfram_rct
// entry; the next entry holds the stroke's box.
int VFrameChk(Rect16* char_rect);

// Saves the screen around (x, y) before ink covers it.
void ClsBmpGet(int x, int y);

// Creates Clea_pmap on the main window when it does not exist yet.
void Pad_MakeScreenSave();

// The recognition timer (slot 0): wipes the ink and runs the cycle. Returns FALSE.
gboolean TimRecogEx(gpointer data);

// A key of the main window is pressed while characters are being written: what is
// written is recognised now, as the pause would have done, before the key acts.
void RecogniseWritingNow();

// Ends the writing sequence without recognising it: the timer goes, the ink is wiped
// and the buffers are released (pen-mode changes).
void InkDiscard();
