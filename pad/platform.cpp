// The installed side-effect interfaces and their do-nothing defaults.
#include "pad/platform.h"

namespace {

struct NoFocus : FocusProbe {
  unsigned long FocusWindowId() override { return 0; }
  unsigned long RootWindowId() override { return 0; }
};

struct NoClipboard : PasteBoard {
  bool Put(const std::string&) override { return false; }
};

PadDisplay noDisplay;
NoFocus noFocus;
NoClipboard noClipboard;
PadDisplay* display = &noDisplay;
FocusProbe* focus = &noFocus;
PasteBoard* clipboard = &noClipboard;

}  // namespace

PadDisplay& PadScreen() { return *display; }
FocusProbe& PadFocus() { return *focus; }
PasteBoard& PadClipboard() { return *clipboard; }
void SetPadDisplay(PadDisplay* d) { display = d ? d : &noDisplay; }
void SetFocusProbe(FocusProbe* p) { focus = p ? p : &noFocus; }
void SetPasteBoard(PasteBoard* b) { clipboard = b ? b : &noClipboard; }
