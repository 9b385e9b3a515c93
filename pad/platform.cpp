// The installed side-effect interfaces and their do-nothing defaults.
#include "pad/platform.h"

namespace {

struct NoFocus : FocusProbe {
  FocusFacts Query() override { return FocusFacts{}; }
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

bool FocusTakesText(const FocusFacts& f) {
  constexpr unsigned long kPointerRoot = 1;
  if (f.window <= kPointerRoot || f.window == f.root || f.topLevel == 0) return false;
  if (!f.viewable || f.overrideRedirect) return false;
  if (f.wmSupporting != 0 && (f.topLevel == f.wmSupporting || f.window == f.wmSupporting))
    return false;
  const bool onScreen = f.x < f.screenWidth && f.y < f.screenHeight && f.x + f.width > 0 &&
                        f.y + f.height > 0;
  return onScreen;
}

PadDisplay& PadScreen() { return *display; }
FocusProbe& PadFocus() { return *focus; }
PasteBoard& PadClipboard() { return *clipboard; }
void SetPadDisplay(PadDisplay* d) { display = d ? d : &noDisplay; }
void SetFocusProbe(FocusProbe* p) { focus = p ? p : &noFocus; }
void SetPasteBoard(PasteBoard* b) { clipboard = b ? b : &noClipboard; }
