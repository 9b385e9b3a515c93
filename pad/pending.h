// The pending text of the pad (at most 12 characters, EUC-JP) and its display.
#pragma once

// Redraws the pending text in the main window's text area.
void TxbuffDisp();
