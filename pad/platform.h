// The pad's side effects outside its own state, behind small interfaces that the
// toolkit glue implements and tests replace with recorders: the pad's drawing, the
// X input focus and the clipboard hand-over. Key injection is keyboards/keysend.h.
#pragma once

#include <string>

// Redraws of the main window's pending line and keys.
class PadDisplay {
 public:
  virtual ~PadDisplay() = default;
  virtual void PendingText() {}        // TxbuffDisp
  virtual void CandidateKeys(int) {}   // ResultDisp(n)
  virtual void EnterKey(int) {}        // EnterDisp(n)
  virtual void Beep() {}
};

// The X server's input focus: the focus window's id (0 None, 1 PointerRoot) and the
// root window's id.
class FocusProbe {
 public:
  virtual ~FocusProbe() = default;
  virtual unsigned long FocusWindowId() = 0;
  virtual unsigned long RootWindowId() = 0;
};

// Puts EUC-JP text on the clipboard (through the hidden entry Text151); false when
// the text could not be put there.
class PasteBoard {
 public:
  virtual ~PasteBoard() = default;
  virtual bool Put(const std::string& eucText) = 0;
};

// The installed implementations; without one, drawing does nothing, the focus is
// None and the clipboard is left alone. Passing nullptr restores that.
PadDisplay& PadScreen();
FocusProbe& PadFocus();
PasteBoard& PadClipboard();
void SetPadDisplay(PadDisplay* display);
void SetFocusProbe(FocusProbe* probe);
void SetPasteBoard(PasteBoard* board);
