// Drawing of the pad's pending line and keys in the main window (TxbuffDisp is
// declared with the pending line in pad/pending.h).
#pragma once

// The alternative keys 22..30 from the entry of the character before the cursor:
// 10 all released, 0 all blank, -k key k pressed, k key k released (k 1..9).
void ResultDisp(int n);

// The enter key: 1 pressed "改行", 2 pressed "貼付", -1 and -2 released.
void EnterDisp(int n);

// Installs these as the pad's display (PadDisplay of pad/platform.h).
void InstallPadDisplay();
