// The options dialog's glue: opening it, its controls on the working copy, OK and
// Cancel, and the drawn colour and width samples.
#include "gtk/windows/options.h"

#include <gtk/gtk.h>
#include <gdk/gdkx.h>

#include <string>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "gtk/control/winhandle.h"
#include "dialogs/optchng.h"
#include "gtk/windows/udic.h"
#include "textconv.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/layout_dialogs.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"

namespace {

// Slots of Optn_wid.
constexpr int kSlotColorSample = 0;  // 0-5
constexpr int kSlotWidthSample = 6;  // 6-8
constexpr int kSlotPauseKey = 9;
constexpr int kSlotMarginKey = 10;
constexpr int kSlotSeniKey = 11;
constexpr int kSlotColorRadio = 12;  // 12-17
constexpr int kSlotWidthRadio = 18;  // 18-20
constexpr int kSampleY = 9;
constexpr int kSampleLength = 60;

GtkWidget* OptionWindow;

// A face made at run time (UTF-8) in the EUC-JP of the faces, kept for the run.
const char* EucFace(const std::string& utf8) {
  std::string euc;
  return InternText(Utf8ToEuc(utf8, &euc) ? euc : utf8);
}

const char* PauseKeyFace(int32_t ms, bool pressed) {
  const std::string face = PauseFace(ms);
  return EucFace(pressed ? OptPressedFace(face) : face);
}

const char* CatalogueFace(const char* literal, bool pressed) {
  const std::string face = Msg(literal);
  return EucFace(pressed ? OptPressedFace(face) : face);
}

void DrawKey(int slot, const char* face, bool pressed) {
  if (Optn_wid[slot]) button_basedisp(pressed ? kFacePressed : kFaceReleased, Optn_wid[slot], face);
}

void DrawPauseKey(int32_t ms, bool pressed = false) {
  DrawKey(kSlotPauseKey, PauseKeyFace(ms, pressed), pressed);
}
void DrawMarginKey(int16_t margin, bool pressed = false) {
  DrawKey(kSlotMarginKey, CatalogueFace(MarginFace(margin), pressed), pressed);
}
void DrawSeniKey(uint32_t seni, bool pressed = false) {
  DrawKey(kSlotSeniKey, CatalogueFace(SeniFace(seni), pressed), pressed);
}

void SetRadios(const ApTableRec& t) {
  // Switching a button on reports it through Optn_Click, which stores its value.
  gtk_toggle_button_set_active(
      GTK_TOGGLE_BUTTON(Optn_wid[kSlotColorRadio + ColorButtonIndex(t.pen_color)]), TRUE);
  gtk_toggle_button_set_active(
      GTK_TOGGLE_BUTTON(Optn_wid[kSlotWidthRadio + WidthButtonIndex(t.pen_bold)]), TRUE);
}

void TraceWork(const char* what) {
  Trace("OPTION %s pause=%d margin=%d seni=%u color=%d bold=%d", what, Opt_chng.recog_timer,
        Opt_chng.vframe_margin, Opt_chng.seni_exec, Opt_chng.pen_color, Opt_chng.pen_bold);
}

std::string Centre(GtkWidget* key, int ox, int oy) {
  GtkAllocation a;
  gtk_widget_get_allocation(key, &a);
  return std::to_string(ox + a.x + a.width / 2) + "," + std::to_string(oy + a.y + a.height / 2);
}

// The trace of the dialog's keys (root positions of their centres), for the tests.
gboolean TraceShown(gpointer) {
  if (!OptionWindow || !gtk_widget_get_mapped(OptionWindow)) return FALSE;
  GdkWindow* window = gtk_widget_get_window(OptionWindow);
  int ox, oy;
  gdk_window_get_origin(window, &ox, &oy);
  auto named = [](const char* name) {
    return static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(OptionWindow), name));
  };
  Trace("OPTION shown xid=0x%lx pause=%s margin=%s udic=%s seni=%s ok=%s cancel=%s color3=%s",
        GDK_WINDOW_XID(window), Centre(Optn_wid[kSlotPauseKey], ox, oy).c_str(),
        Centre(Optn_wid[kSlotMarginKey], ox, oy).c_str(), Centre(named("Option3"), ox, oy).c_str(),
        Centre(Optn_wid[kSlotSeniKey], ox, oy).c_str(), Centre(named("Option5"), ox, oy).c_str(),
        Centre(named("Option6"), ox, oy).c_str(),
        Centre(Optn_wid[kSlotColorRadio + 3], ox, oy).c_str());
  return FALSE;
}

gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer) {
  if (TraceOn()) g_idle_add(TraceShown, nullptr);
  return FALSE;
}

// Ends the dialog: raising and the pen grab come back, the pad comes to the front.
void CloseDialog() {
  gtk_widget_hide(OptionWindow);
  Rais_paus = 1;
  FreeGrabEx(1);
  if (Main_wid[0] && gtk_widget_get_window(Main_wid[0]))
    gdk_window_raise(gtk_widget_get_window(Main_wid[0]));
}

void Ok() {
  if (OptPenChanged(Opt_chng, Ap_table)) MakePenGc(Opt_chng.pen_color, Opt_chng.pen_bold);
  OptToSettings(Opt_chng, &Ap_table);
  ApTableEx(1);
  TraceWork("ok");
  CloseDialog();
}

}  // namespace

void OptionDsp() {
  Opt_chng = OptFromSettings(Ap_table);
  if (!OptionWindow) {
    OptionWindow = create_Option(PauseKeyFace(Ap_table.recog_timer, false),
                                 CatalogueFace(MarginFace(Ap_table.vframe_margin), false),
                                 CatalogueFace(SeniFace(Ap_table.seni_exec), false));
    gtk_widget_set_style(OptionWindow, WinStyle[0]);
    g_signal_connect(OptionWindow, "map-event", G_CALLBACK(OnMapped), nullptr);
  } else {
    DrawPauseKey(Ap_table.recog_timer);
    DrawMarginKey(Ap_table.vframe_margin);
    DrawSeniKey(Ap_table.seni_exec);
  }
  SetRadios(Ap_table);
  gtk_widget_show(OptionWindow);
}

void Optn_Click(int code) {
  if (!OptionWindow) return;
  const bool press = code > kOptPressOffset && code < kOptReleaseOffset;
  const bool release = code > kOptReleaseOffset;
  if (press || release) {
    switch (code % kOptPressOffset) {
      case kOptPause: DrawPauseKey(Opt_chng.recog_timer, press); break;
      case kOptMargin: DrawMarginKey(Opt_chng.vframe_margin, press); break;
      case kOptSeni: DrawSeniKey(Opt_chng.seni_exec, press); break;
      default: break;
    }
    return;
  }
  switch (code) {
    case kOptUserDic:
      gtk_widget_hide(OptionWindow);
      Optn_Cancel();
      TraceWork("udic");
      Udic_Open();  // the registration dialog gives the grab and raising back
      return;
    case kOptOk: Ok(); return;
    case kOptCancel:
      Optn_Cancel();
      TraceWork("cancel");
      CloseDialog();
      return;
    default: break;
  }
  if (!OptApplyControl(code, &Opt_chng)) return;
  if (code == kOptPause) DrawPauseKey(Opt_chng.recog_timer);
  if (code == kOptMargin) DrawMarginKey(Opt_chng.vframe_margin);
  if (code == kOptSeni) DrawSeniKey(Opt_chng.seni_exec);
  TraceWork("work");
}

void Optn_Cancel() {
  if (!OptionWindow) return;
  SetRadios(Ap_table);
  Opt_chng = OptFromSettings(Ap_table);
  DrawPauseKey(Ap_table.recog_timer);
  DrawMarginKey(Ap_table.vframe_margin);
  DrawSeniKey(Ap_table.seni_exec);
}

void Optn_Expos() {
  for (int i = 0; i < 9; ++i) {
    GtkWidget* area = Optn_wid[kSlotColorSample + i];
    GdkWindow* window = area ? gtk_widget_get_window(area) : nullptr;
    if (!window) continue;
    const bool colorSample = i < kSlotWidthSample;
    GdkGC* gc = gdk_gc_new(window);
    GdkColor color;
    Color_Aloc(colorSample ? i : Ap_table.pen_color, &color);
    gdk_gc_set_foreground(gc, &color);
    const int width = colorSample ? Ap_table.pen_bold : 1 + 2 * (i - kSlotWidthSample);
    gdk_gc_set_line_attributes(gc, width, GDK_LINE_SOLID, GDK_CAP_BUTT, GDK_JOIN_MITER);
    gdk_draw_line(window, gc, 0, kSampleY, kSampleLength, kSampleY);
    g_object_unref(gc);
  }
}
