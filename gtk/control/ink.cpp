// Pointer handling of the pad. In pen input the main window holds a pointer grab
// without owner events, so every press, motion and release on the screen comes here
// and the pad finds the key under the pointer itself.
#include "gtk/control/ink.h"

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "app/winplace.h"
#include "gtk/app/timers.h"
#include "gtk/control/commands.h"
#include "gtk/control/winhandle.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/selector.h"
#include "gtk/windows/tenkey_gtk.h"
#include "gtk/windows/widgets.h"
#include "keyboards/tenkey.h"
#include "pad/display.h"
#include "pad/inkdata.h"
#include "pad/keyfaces.h"
#include "pad/pending.h"
#include "pad/recogcycle.h"
#include "pad/rect.h"
#include "pad/screensave.h"
#include "pad/vframe.h"

namespace {

constexpr int kBoxes = 5;
constexpr int kPendingTop = 20;      // the pending text lies below the title strip
constexpr int kPendingBottom = 52;
constexpr int kPendingLeft = 37;
constexpr int kPendingRight = 237;
constexpr int kKeySelector = 44;
constexpr int kKeyAssign = 45;

GtkWidget* MainWindow() { return Wid.Main_wid[0]; }
GtkWidget* FrameWindow() { return Wid.Fram_wid[0]; }
GtkWidget* TenKeyWindow() { return Wid.Tenk_wid[0]; }
GdkWindow* Root() { return gdk_get_default_root_window(); }

bool Writing() { return Pad.Ink_data.chars != 0 || Pad.Ink_data.strokes != 0; }

// The root point relative to `widget` (its allocation, also for widgets without a
// window of their own); true when it lies on the widget.
bool PointOn(GtkWidget* widget, int rootX, int rootY, int* x, int* y) {
  if (!widget || !gtk_widget_get_mapped(widget)) return false;
  int ox, oy;
  gdk_window_get_origin(gtk_widget_get_window(widget), &ox, &oy);
  GtkAllocation a;
  gtk_widget_get_allocation(widget, &a);
  if (!gtk_widget_get_has_window(widget)) {  // allocated inside its parent's window
    ox += a.x;
    oy += a.y;
  }
  *x = rootX - ox;
  *y = rootY - oy;
  return *x >= 0 && *y >= 0 && *x < a.width && *y < a.height;
}

bool OnPendingText(int x, int y, int top) {
  return y > top && y < kPendingBottom && x >= kPendingLeft && x < kPendingRight &&
         gtk_widget_get_mapped(Wid.Main_wid[kSlotPendingArea]);
}

// The main window after its drag: the ten-key window follows, the window comes to the
// top, and the periodic raise runs only where raising on visibility is not enough.
void AfterMainDrag() {
  GtkWidget* main = MainWindow();
  if (Mov_data.tenkey_follows) {
    Tenk_Move(kOwnerMain, Ap_table.win_x, Ap_table.win_y);
    if (TenKeyWindow()) MoveWindowTo(TenKeyWindow(), Ap_table.tenk_x, Ap_table.tenk_y);
  }
  PlaceFixedFrame();
  if (gtk_widget_get_window(main)) gdk_window_raise(gtk_widget_get_window(main));
  RaiseTimerCheck(main, Ap_table.win_x, Ap_table.win_y, App.screen_w - 772, App.screen_h - 93);
}

// The end of a drag that started on a press of the main window or the fixed-frame
// window; under the pen grab that includes the ten-key window's.
void EndDrag(GtkWidget* dragged, GdkEventButton* event) {
  if (dragged == TenKeyWindow()) {
    Tenk_DragEnd(dragged, event);
    return;
  }
  if (!Win_Upex(dragged, event)) return;
  if (dragged == MainWindow()) {
    Ap_table.win_x = Mov_data.x;
    Ap_table.win_y = Mov_data.y;
    ApTableEx(1);
    AfterMainDrag();
  } else if (dragged == FrameWindow()) {
    Ap_table.lframe_x = Mov_data.x;
    Ap_table.lframe_y = Mov_data.y;
    ApTableEx(1);
    PlaceFixedFrame();
  }
}

// The key of the main window under a root point, 0 when there is none.
int MainKeyAt(int rootX, int rootY) {
  for (int k = 1; k < kMainSlots; ++k) {
    if (k == kSlotPasteEntry || k == kSlotPendingArea) continue;
    int kx, ky;
    if (PointOn(Wid.Main_wid[k], rootX, rootY, &kx, &ky)) return k;
  }
  return 0;
}

// Pen-down on the main window while nothing is written: the pending text or a key.
// True when the press ends there.
bool MainPress(int rootX, int rootY) {
  int x, y;
  if (!PointOn(MainWindow(), rootX, rootY, &x, &y)) return false;
  if (OnPendingText(x, y, -1)) {
    PendingPlaceCursor(PendingIndexAt(x));
    return true;
  }
  if (const int k = MainKeyAt(rootX, rootY)) {
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Main_wid[k], &a);
    PadInk.Mus_data.key = static_cast<int16_t>(k);
    PadInk.Mus_data.key_rect = Rect16{0, 0, static_cast<uint16_t>(a.width), static_cast<uint16_t>(a.height)};
    if (k <= kKeyClose) Main_Click(kPressOffset + k);
  }
  return true;
}

bool OnTenKeyWindow(int rootX, int rootY) {
  int x, y;
  return App.wind_dsp[kShownTenKey] && PointOn(TenKeyWindow(), rootX, rootY, &x, &y);
}

// Pen-down on the ten-key window under the grab: its key i is recorded as -i and
// shows its pressed face. True when the press lies on the window.
bool TenKeyPress(int rootX, int rootY) {
  int x, y;
  if (!OnTenKeyWindow(rootX, rootY)) return false;
  for (int i = 1; i < kTenkSlots; ++i) {
    if (!PointOn(Wid.Tenk_wid[i], rootX, rootY, &x, &y)) continue;
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Tenk_wid[i], &a);
    PadInk.Mus_data.key = static_cast<int16_t>(-i);
    PadInk.Mus_data.key_rect = Rect16{0, 0, static_cast<uint16_t>(a.width), static_cast<uint16_t>(a.height)};
    Tenk_Click(kPressOffset + i);
    break;
  }
  return true;
}

// Pen-up of a key pressed under the grab: its released face, and its action when the
// pointer is still on it.
void MainKeyRelease(int rootX, int rootY) {
  const int k = PadInk.Mus_data.key;
  PadInk.Mus_data.key = 0;
  int x, y;
  if (k < 0) {
    Tenk_Click(kReleaseOffset - k);
    if (PointOn(Wid.Tenk_wid[-k], rootX, rootY, &x, &y)) Tenk_Click(-k);
    return;
  }
  const bool inside = PointOn(Wid.Main_wid[k], rootX, rootY, &x, &y);
  if (k == kKeySelector || k == kKeyAssign) {
    if (inside) Comb_Select(k == kKeySelector ? 0 : 4);
    return;
  }
  Main_Click(kReleaseOffset + k);
  if (!inside) return;
  if (k == kKeyTenKey)
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(Wid.Main_wid[k]), !App.wind_dsp[kShownTenKey]);
  else
    Main_Click(k);
}

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

void PenInputDown(int x, int y) {
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

void FixedFrameDown(int rootX, int rootY) {
  int box = 0, x = 0, y = 0;
  for (int b = 1; b <= kBoxes && box == 0; ++b)
    if (PointOn(Wid.Fram_wid[b], rootX, rootY, &x, &y)) box = b;
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
void StrokeTo(int rootX, int rootY) {
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
// of one character can be joined to make room.
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

void Mouse_Down(GdkEventButton* event, int is_main) {
  const int rootX = static_cast<int>(event->x_root);
  const int rootY = static_cast<int>(event->y_root);
  PadInk.Mus_data.key = 0;
  // A key is a key, also while characters are being written: never ink.
  if (Writing() && is_main && PadInk.Mus_data.state == kPadPenIdle && event->button == 1 &&
      (MainKeyAt(rootX, rootY) != 0 || OnTenKeyWindow(rootX, rootY)))
    RecogniseWritingNow();
  if (!Writing()) {
    if (App.wind_dsp[kShownMain] && Win_Down(MainWindow(), event, 1)) return;
    if (App.wind_dsp[kShownTenKey] && Win_Down(TenKeyWindow(), event, 0)) return;
    if (App.wind_dsp[kShownFrame] && Win_Down(FrameWindow(), event, 0)) return;
    if (is_main && (MainPress(rootX, rootY) || TenKeyPress(rootX, rootY))) return;
  }
  if (!(PadInk.Mus_data.state & kPadReady) || event->button != 1) return;
  if (PadInk.Mus_data.state == kPadPenIdle)
    PenInputDown(rootX, rootY);
  else if (PadInk.Mus_data.state == kPadFrameIdle && !is_main)
    FixedFrameDown(rootX, rootY);
}

void Mouse_Move(GdkEventMotion* event, int is_main) {
  if (DraggedWindow()) {
    Win_Move(DraggedWindow(), event);
    return;
  }
  const int rootX = static_cast<int>(event->x_root);
  const int rootY = static_cast<int>(event->y_root);
  int x, y;
  if (is_main && PadInk.Mus_data.key == 0 && !Writing() && PointOn(MainWindow(), rootX, rootY, &x, &y) &&
      OnPendingText(x, y, kPendingTop))
    PendingDragTo(PendingIndexAt(x));
  if (PadInk.Mus_data.state & kPadStroking) StrokeTo(rootX, rootY);
}

void Mouse_Upex(GdkEventButton* event, int is_main) {
  if (GtkWidget* dragged = DraggedWindow()) {
    EndDrag(dragged, event);
    return;
  }
  const int rootX = static_cast<int>(event->x_root);
  const int rootY = static_cast<int>(event->y_root);
  if (is_main && !Writing()) {
    if (PadInk.Mus_data.key != 0) {
      MainKeyRelease(rootX, rootY);
      return;
    }
    int x, y;
    if (PointOn(MainWindow(), rootX, rootY, &x, &y) && OnPendingText(x, y, -1)) {
      PendingDragTo(PendingIndexAt(x));
      ResultDisp(10);
      return;
    }
  }
  if (!(PadInk.Mus_data.state & kPadStroking) || event->button != 1) return;
  const bool penInput = PadInk.Mus_data.state == kPadPenStroke;
  StrokeTo(rootX, rootY);
  PadInk.Mus_data.state = penInput ? kPadPenIdle : kPadFrameIdle;
  if (penInput) PenStrokeEnd();
  TraceStroke();
  TimerStart(kTimerRecog, static_cast<guint>(Ap_table.recog_timer), TimRecogEx, nullptr);
  Trace("PAUSE ms=%d", Ap_table.recog_timer);
}

gboolean TimRecogEx(gpointer) {
  TimerFinished(kTimerRecog);
  WipeInk();
  RecogCycleRun();
  return FALSE;
}

void RecogniseWritingNow() {
  if (!Writing() || (PadInk.Mus_data.state & kPadStroking)) return;
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
