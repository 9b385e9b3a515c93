// The pad's side effects outside its own state, behind small interfaces that the
// toolkit glue implements and tests replace with recorders: the pad's drawing, the
// X input focus and the clipboard hand-over. Key injection is pad/keysend.h.
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

// What the X server says about the input focus: the focus window (0 None, 1
// PointerRoot), the root, and the focus window's top-level window (its ancestor whose
// parent is the root; 0 when there is none or it went away) with its state.
struct FocusFacts {
  unsigned long window = 0;
  unsigned long root = 0;
  unsigned long topLevel = 0;
  bool viewable = false;
  bool overrideRedirect = false;
  int x = 0, y = 0, width = 0, height = 0;  // the top-level window in root coordinates
  int screenWidth = 0, screenHeight = 0;
  unsigned long wmSupporting = 0;  // the window _NET_SUPPORTING_WM_CHECK names, 0 if none
};

class FocusProbe {
 public:
  virtual ~FocusProbe() = default;
  virtual FocusFacts Query() = 0;
};

// True when text sent to the focus would reach an application: the focus is a real
// window whose top-level is viewable, not override-redirect (menus, tooltips, the
// window manager's own hidden windows), at least partly on the screen, and not the
// window manager's supporting window, where focus falls when the focused
// application closes.
bool FocusTakesText(const FocusFacts& facts);

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
