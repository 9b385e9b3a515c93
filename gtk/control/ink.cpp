// Ink of the pad: strokes drawn on the screen or in a box of the fixed frame, the
// variable frame around each character, the saved screen under the ink, and the
// pause that ends a writing sequence.
#include "gtk/control/ink.h"

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "pad/inkdata.h"
#include "pad/pending.h"
#include "pad/recogcycle.h"
#include "pad/rect.h"
#include "pad/screensave.h"
#include "pad/vframe.h"

namespace {

constexpr int kBoxes = 5;

GtkWidget* MainWindow() { return Wid.Main_wid[0]; }
GdkWindow* Root() { return gdk_get_default_root_window(); }

void ReportInkFailure(int result) {
  if (result == kInkNoMemory)
    MessageBox(Msg("メモリ不足です"), kMboxBeep);
  else if (result == kInkSequenceFull)
    gdk_beep();
}

void InvertFrame(const Rect16& frame) {
  if (frame.width == 0 || frame.height == 0) return;
  gdk_draw_rectangle(Root(), Res.Vfrm_gc, FALSE, frame.x, frame.y, frame.width, frame.height);
}

GdkWindow* BoxWindow(int box) {
  return box >= 1 && box <= kBoxes && Wid.Fram_wid[box] ? gtk_widget_get_window(Wid.Fram_wid[box]) : nullptr;
}

void ClearBox(int box) {
  if (GdkWindow* window = BoxWindow(box)) gdk_window_clear(window);
}

void RestoreScreen() {
  const Rect16 a = PadInk.Clear_rct;
  if (Res.Clea_pmap && a.x >= 1 && a.width > 0 && a.height > 0)
    gdk_draw_drawable(Root(), Res.Clea_gc, Res.Clea_pmap, a.x, a.y, a.x, a.y, a.width, a.height);
  PadInk.Clear_rct = Rect16{0, 0, 0, 0};
  PadInk.Vfram_rct[0] = Rect16{0, 0, 0, 0};
}

void WipeInk() {
  if (Ap_table.pmode == 2)
    ClearBox(PadInk.Mus_data.box);
  else
    RestoreScreen();
}

void PenDown(int x, int y) {
  PadInk.Mus_data.state = kPadPenStroke;
  ClsBmpGet(x, y);
  if (Pad.Ink_data.chars == 0) {
    PadInk.Vfram_rct[1] = Rect16{0, 0, 0, 0};
    if (Ink_alloc(0) != 0) {
      PadInk.Mus_data.state = kPadPenIdle;
      return;
    }
  } else if (Pad.Ink_data.strokes >= kPenMaxStrokes && Pad.Ink_data.chars < kPadChars) {
    // No character has more than 30 strokes: the next one starts a new character
    // (with a frame of its own) rather than being lost.
    InvertFrame(PadInk.Vfram_rct[0]);
    PadInk.Vfram_rct[0] = Rect16{0, 0, 0, 0};
    PadInk.Vfram_rct[Pad.Ink_data.chars + 1] = Rect16{0, 0, 0, 0};
    if (Ink_alloc(0) != 0) {
      PadInk.Mus_data.state = kPadPenIdle;
      return;
    }
  }
  PadInk.Vfram_rct[Pad.Ink_data.chars + 1] = Rect16{static_cast<int16_t>(x), static_cast<int16_t>(y), 1, 1};
  TimerRemove(kTimerRecog);
  InkStrokeBegin(x, y);
  PadInk.Mus_data.last_x = x;
  PadInk.Mus_data.last_y = y;
}

void BoxDown(int rootX, int rootY) {
  int box = 0, x = 0, y = 0;
  for (int b = 1; b <= kBoxes && box == 0; ++b)
    if (PointOnWidget(Wid.Fram_wid[b], rootX, rootY, &x, &y)) box = b;
  if (box == 0) {
    gdk_beep();
    return;
  }
  if (box == PadInk.Mus_data.box) {
    if (Pad.Ink_data.chars == 0 && Ink_alloc(0) != 0) return;
  } else {
    if (Ink_alloc(0) != 0) return;
    ClearBox(PadInk.Mus_data.box);
    PadInk.Mus_data.box = static_cast<int16_t>(box);
  }
  PadInk.Mus_data.state = kPadFrameStroke;
  TimerRemove(kTimerRecog);
  InkStrokeBegin(x, y);
  PadInk.Mus_data.last_x = x;
  PadInk.Mus_data.last_y = y;
}

// The stroke goes on to the root point: saved screen, stroke box, ink, pen data.
void StrokeOn(int rootX, int rootY) {
  int x = rootX, y = rootY;
  GdkDrawable* target = Root();
  if (PadInk.Mus_data.state == kPadFrameStroke) {
    GdkWindow* box = BoxWindow(PadInk.Mus_data.box);
    if (!box) return;
    int ox, oy;
    gdk_window_get_origin(box, &ox, &oy);
    x -= ox;
    y -= oy;
    target = box;
  } else {
    ClsBmpGet(x, y);
    RECT_add(&PadInk.Vfram_rct[Pad.Ink_data.chars + 1], x, y);
  }
  gdk_draw_line(target, Res.Pens_gc, PadInk.Mus_data.last_x, PadInk.Mus_data.last_y, x, y);
  PadInk.Mus_data.last_x = x;
  PadInk.Mus_data.last_y = y;
  InkStrokePoint(x, y);
}

// Pen-up in pen input: the variable frame decides whether the stroke starts a new
// character; a 13th character is refused and its stroke forgotten unless two pieces
// of one character can be joined to make room or the stroke may stay with the 12th.
void PenStrokeEnd() {
  const int c = Pad.Ink_data.chars;
  if (c < 1) return;
  const Rect16 charBefore = PadInk.Vfram_rct[c];
  const Rect16 frameBefore = PadInk.Vfram_rct[0];
  if (!VFrameChk(&PadInk.Vfram_rct[c])) return;
  if (c >= kPadChars && InkJoinFragments()) {
    ReportInkFailure(InkMoveStrokeToNewCharacter());
    return;
  }
  if (c >= kPadChars) {
    InvertFrame(PadInk.Vfram_rct[0]);
    const Rect16& stroke = PadInk.Vfram_rct[c + 1];
    if (Pad.Ink_data.recording &&
        VFrameKeepWithLast(&PadInk.Vfram_rct[1], c, Pad.Ink_data.strokes - 1, stroke)) {
      // The stroke stays with the last character (い's second stroke written apart).
      PadInk.Vfram_rct[c] = RectUnion(charBefore, stroke);
      PadInk.Vfram_rct[0] = PadInk.Vfram_rct[c];
      VFrameSquare(&PadInk.Vfram_rct[0], Ap_table.vframe_margin, App.screen_w, App.screen_h);
      const Rect16& f = PadInk.Vfram_rct[0];
      ClsBmpGet(f.x, f.y);
      ClsBmpGet(f.x + f.width, f.y + f.height);
      InvertFrame(f);
      return;
    }
    PadInk.Vfram_rct[c] = charBefore;
    PadInk.Vfram_rct[0] = frameBefore;
    InvertFrame(frameBefore);
    InkDropLastStroke();
    gdk_beep();
    return;
  }
  ReportInkFailure(InkMoveStrokeToNewCharacter());
}

void TraceStroke() {
  if (!TraceOn() || Pad.Ink_data.chars < 1) return;
  const PenData& pen = Pad.hPens[Pad.Ink_data.chars - 1];
  const int points = Pad.Ink_data.recording && Pad.Ink_data.count < pen.size() ? pen[Pad.Ink_data.count] : 0;
  Trace("STROKE chars=%d strokes=%d points=%d", Pad.Ink_data.chars, Pad.Ink_data.strokes, points);
}

}  // namespace

bool InkWriting() { return Pad.Ink_data.chars != 0 || Pad.Ink_data.strokes != 0; }

void InkStrokeDown(int rootX, int rootY, bool inBox) {
  if (PadInk.Mus_data.state == kPadPenIdle)
    PenDown(rootX, rootY);
  else if (PadInk.Mus_data.state == kPadFrameIdle && inBox)
    BoxDown(rootX, rootY);
}

void InkStrokeTo(int rootX, int rootY) {
  if (PadInk.Mus_data.state & kPadStroking) StrokeOn(rootX, rootY);
}

void InkStrokeUp(int rootX, int rootY) {
  const bool penInput = PadInk.Mus_data.state == kPadPenStroke;
  StrokeOn(rootX, rootY);
  PadInk.Mus_data.state = penInput ? kPadPenIdle : kPadFrameIdle;
  if (penInput) PenStrokeEnd();
  TraceStroke();
  TimerStart(kTimerRecog, static_cast<guint>(Ap_table.recog_timer), TimRecogEx, nullptr);
  Trace("PAUSE ms=%d", Ap_table.recog_timer);
}

int Ink_alloc(int /*which*/) {
  const int result = InkNewCharacter();
  ReportInkFailure(result);
  return result == kInkStarted ? 0 : 1;
}

int VFrameChk(Rect16* char_rect) {
  if (char_rect->width != 0 && char_rect->height != 0) InvertFrame(PadInk.Vfram_rct[0]);
  const int result = VFrameDecide(char_rect, char_rect[1], &PadInk.Vfram_rct[0], Ap_table.vframe_margin,
                                  App.screen_w, App.screen_h);
  const Rect16& f = PadInk.Vfram_rct[0];
  ClsBmpGet(f.x, f.y);
  ClsBmpGet(f.x + f.width, f.y + f.height);
  InvertFrame(f);
  return result;
}

void ClsBmpGet(int x, int y) {
  if (!Res.Clea_pmap) return;
  Rect16 strips[4];
  const int n = ClearAreaGrow(&PadInk.Clear_rct, x, y, App.screen_w, App.screen_h, strips);
  for (int i = 0; i < n; ++i) {
    const Rect16& s = strips[i];
    gdk_draw_drawable(Res.Clea_pmap, Res.Clea_gc, Root(), s.x, s.y, s.x, s.y, s.width, s.height);
  }
}

void Pad_MakeScreenSave() {
  if (Res.Clea_pmap || !MainWindow() || !gtk_widget_get_window(MainWindow())) return;
  Res.Clea_pmap =
      gdk_pixmap_new(gtk_widget_get_window(MainWindow()), App.screen_w, App.screen_h, -1);
  PadInk.Clear_rct = Rect16{0, 0, 0, 0};
}

gboolean TimRecogEx(gpointer) {
  TimerFinished(kTimerRecog);
  WipeInk();
  RecogCycleRun();
  return FALSE;
}

void RecogniseWritingNow() {
  if (!InkWriting() || (PadInk.Mus_data.state & kPadStroking)) return;
  TimerRemove(kTimerRecog);
  TimRecogEx(nullptr);
}

void InkDiscard() {
  TimerRemove(kTimerRecog);
  if (Pad.Ink_data.chars != 0 || PadInk.Clear_rct.width != 0) WipeInk();
  InkDiscardSequence();
  if (PadInk.Mus_data.state & kPadStroking)
    PadInk.Mus_data.state = static_cast<uint16_t>(PadInk.Mus_data.state & ~kPadStroking);
}
