// Tenk_Click: faces, paging, and what a key types or collects.
#include "keyboards/tenkey.h"

#include <cstdio>
#include <cstring>

#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "keyboards/kbdstate.h"
#include "keyboards/soft.h"
#include "keyboards/typing.h"
#include "pad/commit.h"
#include "pad/keysend.h"
#include "pad/pending.h"

namespace {

constexpr int kPressBase = 100;
constexpr int kReleaseBase = 200;
constexpr int kLastFaceKey = kTenkEnter;  // the close key is a plain labelled button

TenkeyPorts noPorts;
TenkeyPorts* ports = &noPorts;

std::string Format(const char* format, int a, int b, int c = 0) {
  char face[64];
  std::snprintf(face, sizeof face, format, a, b, c);
  return face;
}

int Page() {
  const int n = TenkPageCount(Kbd.tenk_wide);
  const int page = Ap_table.tenk_page;
  return page >= 0 && page < n ? page : 0;
}

// The fixed face of keys 17, 19 and 21.
std::string FixedFace(int key, bool pressed) {
  switch (key) {
    case kTenkPrev: return MsgEuc(pressed ? "1;10:23:前" : "4;10:23:前");
    case kTenkNext: return MsgEuc(pressed ? "1;10:23:次" : "4;10:23:次");
    case kTenkEnter: return MsgEuc(pressed ? "22;21:23:Enter" : "21;21:23:Enter");
    default: return "";
  }
}

std::string KeyFace(int key, bool pressed) {
  const uint32_t wide = Kbd.tenk_wide;
  if (key <= kTenkGridKeys) return TenkGridFace(wide, Page(), key, pressed);
  if (key == kTenkPage) return TenkPageFace(wide, Page(), pressed);
  if (key == kTenkDoub) return TenkDoubFace(wide, pressed);
  return FixedFace(key, pressed);
}

void DrawKey(int key, bool pressed) {
  if (key < 1 || key > kLastFaceKey) return;
  const std::string face = KeyFace(key, pressed);
  if (!face.empty()) ports->DrawFace(key, pressed ? kTenkFacePressed : kTenkFaceReleased, face);
}

void Redraw() {
  const uint32_t wide = Kbd.tenk_wide;
  for (int key = 1; key <= kTenkGridKeys; ++key)
    ports->DrawFace(key, kTenkFaceReleased, TenkGridFace(wide, Page(), key, false, true));
  ports->DrawFace(kTenkPage, kTenkFaceReleased, TenkPageFace(wide, Page(), false, true));
}

// A full-width symbol joins what waits for the paste timer. When the buffer is full
// what waits is pasted now; without a window to paste into, the symbol is refused.
void CollectSymbol(const char* symbol) {
  const size_t bytes = std::strlen(symbol);
  if (!OverTextAppend(symbol, bytes)) {
    CommitOverText();
    if (!OverTextAppend(symbol, bytes)) {
      ports->Beep();
      Trace("TENKEY full");
      return;
    }
  }
  ports->RestartPasteTimer();
}

void GridClick(int key) {
  ports->RecognizeNow();
  const int page = Page();
  if (Kbd.tenk_wide) {
    CollectSymbol(tenk_wide_tbl[page][key - 1]);
    return;
  }
  const int c = TenkHalfChar(page, key);
  if (c == 0 || !FocusWindow()) return;
  TypeAscii(c, LatchedShift(SoftKeyboardIndex(Ap_table.imode)));  // a latched Shift stays out
  Trace("TENKEY typed=%c", c);
}

void PageClick(int key) {
  if (key == kTenkDoub) {
    Kbd.tenk_wide = Kbd.tenk_wide ? 0 : 1;
    Ap_table.tenk_page = 0;
    DrawKey(kTenkDoub, false);  // the face follows the mode it switched to
  } else {
    Ap_table.tenk_page =
        static_cast<int16_t>(TenkPageAfter(key, Page(), TenkPageCount(Kbd.tenk_wide)));
  }
  Trace("TENKEY wide=%u page=%d", Kbd.tenk_wide, Ap_table.tenk_page + 1);
  ports->RestartRedrawTimer();
}

}  // namespace

void SetTenkeyPorts(TenkeyPorts* p) { ports = p ? p : &noPorts; }

int TenkPageCount(uint32_t wide) { return wide ? kTenkWidePages : kTenkHalfPages; }

int TenkPageAfter(int key, int page, int pageCount) {
  switch (key) {
    case kTenkPrev: return (page + pageCount - 1) % pageCount;
    case kTenkNext: return (page + 1) % pageCount;
    default: return 0;
  }
}

int TenkHalfChar(int page, int key) {
  if (page < 0 || page >= kTenkHalfPages || key < 1 || key > kTenkGridKeys) return 0;
  return static_cast<unsigned char>(tenk_half_tbl[page * kTenkGridKeys + key - 1]);
}

std::string TenkGridFace(uint32_t wide, int page, int key, bool pressed, bool redraw) {
  if (key < 1 || key > kTenkGridKeys) return "";
  if (wide) {
    if (page < 0 || page >= kTenkWidePages) return "";
    return std::string(pressed ? "1;10:23:" : "3;10:23:") + tenk_wide_tbl[page][key - 1];
  }
  const int c = TenkHalfChar(page, key);
  if (c == ' ') return pressed ? "1" : "3";
  if (c == 0) return redraw ? "3" : "";
  return std::string(pressed ? "1;13:23:" : "3;13:23:") + static_cast<char>(c);
}

std::string TenkPageFace(uint32_t wide, int page, bool pressed, bool redraw) {
  const int x = page <= 8 ? 25 : 18;
  if (redraw) {
    return wide ? Format("21;%d:23:%d/19", x, page + 1) : Format("21;25:23:%d/3", page + 1, 0);
  }
  const std::string format = MsgEuc(pressed ? "22;%d:23:%d/%d" : "21;%d:23:%d/%d");
  return Format(format.c_str(), x, page + 1, TenkPageCount(wide));
}

std::string TenkDoubFace(uint32_t wide, bool pressed) {
  if (pressed) return MsgEuc(wide ? "22;25:23:半角" : "22;25:23:全角");
  return MsgEuc(wide ? "21;25:23:全角" : "21;25:23:半角");
}

int Tenk_Click(int value) {
  if (value == kTenkRedraw) {
    Redraw();
  } else if (value > kReleaseBase) {
    DrawKey(value - kReleaseBase, false);
  } else if (value > kPressBase) {
    DrawKey(value - kPressBase, true);
  } else if (value >= 1 && value <= kTenkGridKeys) {
    GridClick(value);
  } else if (value >= kTenkPrev && value <= kTenkDoub) {
    PageClick(value);
  } else if (value == kTenkEnter) {
    if (FocusWindow()) SendKey(kKeysymReturn);
  } else if (value == kTenkClose) {
    ports->Close();
  }
  return 0;
}
