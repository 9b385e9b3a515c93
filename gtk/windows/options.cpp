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
#include "dialogs/optchng.h"
#include "gtk/windows/winhandle.h"
#include "gtk/windows/face_key.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/udic.h"
#include "gtk/windows/widgets.h"
#include "textconv.h"

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
  if (Wid.Optn_wid[slot]) button_basedisp(pressed ? kFacePressed : kFaceReleased, Wid.Optn_wid[slot], face);
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
      GTK_TOGGLE_BUTTON(Wid.Optn_wid[kSlotColorRadio + ColorButtonIndex(t.pen_color)]), TRUE);
  gtk_toggle_button_set_active(
      GTK_TOGGLE_BUTTON(Wid.Optn_wid[kSlotWidthRadio + WidthButtonIndex(t.pen_bold)]), TRUE);
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
        GDK_WINDOW_XID(window), Centre(Wid.Optn_wid[kSlotPauseKey], ox, oy).c_str(),
        Centre(Wid.Optn_wid[kSlotMarginKey], ox, oy).c_str(), Centre(named("Option3"), ox, oy).c_str(),
        Centre(Wid.Optn_wid[kSlotSeniKey], ox, oy).c_str(), Centre(named("Option5"), ox, oy).c_str(),
        Centre(named("Option6"), ox, oy).c_str(),
        Centre(Wid.Optn_wid[kSlotColorRadio + 3], ox, oy).c_str());
  return FALSE;
}

gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer) {
  if (TraceOn()) g_idle_add(TraceShown, nullptr);
  return FALSE;
}

// Ends the dialog: raising and the pen grab come back, the pad comes to the front.
void CloseDialog() {
  gtk_widget_hide(OptionWindow);
  App.Rais_paus = 1;
  FreeGrabEx(1);
  if (Wid.Main_wid[0] && gtk_widget_get_window(Wid.Main_wid[0]))
    gdk_window_raise(gtk_widget_get_window(Wid.Main_wid[0]));
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
    gtk_widget_set_style(OptionWindow, Res.WinStyle[0]);
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
    GtkWidget* area = Wid.Optn_wid[kSlotColorSample + i];
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

// --- The window ------------------------------------------------------------------

namespace {

constexpr int kColorSamples = 6;
constexpr int kWidthSamples = 3;
constexpr int kSampleWidth = 60;
constexpr int kSampleHeight = 18;

void on_Option_toggled(GtkToggleButton* button, gpointer code) {
  // The button switched off reports too; only the one switched on counts.
  if (gtk_toggle_button_get_active(button)) Optn_Click(GPOINTER_TO_INT(code));
}

void on_Option_clicked(GtkButton*, gpointer code) { Optn_Click(GPOINTER_TO_INT(code)); }

gboolean on_Optn_button_event(GtkWidget*, GdkEventButton*, gpointer code) {
  Optn_Click(GPOINTER_TO_INT(code));
  return FALSE;
}

gboolean on_Option_expose_event(GtkWidget*, GdkEventExpose*, gpointer) {
  Optn_Expos();
  return FALSE;
}

// A key of the options dialog whose press and release go to Optn_Click as well.
GtkWidget* OptionKey(GtkWidget* top, const char* name, const char* face, int code) {
  GtkWidget* key = AddNamed(top, button_basedisp(kFaceNewButton, nullptr, face), name);
  gtk_widget_set_size_request(key, 100, 25);
  g_signal_connect(key, "clicked", G_CALLBACK(on_Option_clicked), GINT_TO_POINTER(code));
  g_signal_connect(key, "button_press_event", G_CALLBACK(on_Optn_button_event),
                   GINT_TO_POINTER(kOptPressOffset + code));
  g_signal_connect(key, "button_release_event", G_CALLBACK(on_Optn_button_event),
                   GINT_TO_POINTER(kOptReleaseOffset + code));
  return key;
}

// A table of radio buttons (column 0) beside sample areas (column 1).
GtkWidget* SampleTable(GtkWidget* top, const char* tableName, int rows, const char* const* radios,
                       const char* const* areas, const int* codes, int firstSlot, int firstArea) {
  GtkWidget* table = AddNamed(top, gtk_table_new(rows, 2, FALSE), tableName);
  GSList* group = nullptr;
  for (int i = 0; i < rows; ++i) {
    GtkWidget* radio = AddNamed(top, gtk_radio_button_new(group), radios[i]);
    group = gtk_radio_button_get_group(GTK_RADIO_BUTTON(radio));
    gtk_widget_set_can_focus(radio, FALSE);
    gtk_widget_set_size_request(radio, -1, 16);
    g_signal_connect(radio, "toggled", G_CALLBACK(on_Option_toggled), GINT_TO_POINTER(codes[i]));
    gtk_table_attach(GTK_TABLE(table), radio, 0, 1, i, i + 1, GTK_FILL, GTK_FILL, 0, 0);
    Wid.Optn_wid[firstSlot + i] = radio;

    GtkWidget* area = AddNamed(top, gtk_drawing_area_new(), areas[i]);
    gtk_widget_set_size_request(area, kSampleWidth, kSampleHeight);
    gtk_widget_set_style(area, Res.WinStyle[0]);
    // The samples live in their own windows: each expose redraws them.
    g_signal_connect(area, "expose_event", G_CALLBACK(on_Option_expose_event), nullptr);
    gtk_table_attach(GTK_TABLE(table), area, 1, 2, i, i + 1, GTK_FILL, GTK_FILL, 2, 0);
    Wid.Optn_wid[firstArea + i] = area;
  }
  return table;
}

GtkWidget* PenFrame(GtkWidget* top) {
  GtkWidget* frame = AddNamed(top, gtk_frame_new(Msg("ペンタイプ")), "Frame421");
  gtk_container_set_border_width(GTK_CONTAINER(frame), 2);
  GtkWidget* row = AddNamed(top, gtk_hbox_new(FALSE, 3), "Hbox431");
  gtk_container_add(GTK_CONTAINER(frame), row);

  static const char* const kColorRadios[] = {"Pcolor1", "Pcolor2", "Pcolor3",
                                             "Pcolor4", "Pcolor5", "Pcolor6"};
  static const char* const kColorAreas[] = {"Draw461", "Draw462", "Draw463",
                                            "Draw464", "Draw465", "Draw466"};
  static const int kColorCodes[] = {0, 1, 2, 3, 4, 5};
  GtkWidget* colors = AddNamed(top, gtk_frame_new(Msg("色")), "Frame441");
  gtk_container_add(GTK_CONTAINER(colors), SampleTable(top, "Table451", kColorSamples, kColorRadios,
                                                       kColorAreas, kColorCodes, 12, 0));
  gtk_box_pack_start(GTK_BOX(row), colors, FALSE, FALSE, 0);

  static const char* const kWidthRadios[] = {"Pborder1", "Pborder2", "Pborder3"};
  static const char* const kWidthAreas[] = {"Draw467", "Draw468", "Draw469"};
  static const int kWidthCodes[] = {11, 13, 15};
  GtkWidget* widths = AddNamed(top, gtk_frame_new(Msg("太")), "Frame442");
  gtk_container_add(GTK_CONTAINER(widths), SampleTable(top, "Table452", kWidthSamples, kWidthRadios,
                                                       kWidthAreas, kWidthCodes, 18, 6));
  gtk_box_pack_start(GTK_BOX(row), widths, FALSE, FALSE, 0);
  return frame;
}

}  // namespace

GtkWidget* create_Option(const char* pause_face, const char* margin_face, const char* seni_face) {
  GtkWidget* top = ModalPopupWindow("Option");
  g_signal_connect(top, "expose_event", G_CALLBACK(on_Option_expose_event), nullptr);
  GtkWidget* rows = AddNamed(top, gtk_vbox_new(FALSE, 3), "Vbox411");
  gtk_container_set_border_width(GTK_CONTAINER(rows), 3);
  gtk_container_add(GTK_CONTAINER(top), rows);
  gtk_box_pack_start(GTK_BOX(rows), PenFrame(top), FALSE, FALSE, 0);

  GtkWidget* table = AddNamed(top, gtk_table_new(3, 2, FALSE), "Table421");
  gtk_table_set_row_spacings(GTK_TABLE(table), 3);
  gtk_table_set_col_spacings(GTK_TABLE(table), 3);
  gtk_box_pack_start(GTK_BOX(rows), table, FALSE, FALSE, 0);
  const GtkAttachOptions keep = static_cast<GtkAttachOptions>(0);
  Wid.Optn_wid[9] = OptionKey(top, "Option1", pause_face, kOptPause);
  gtk_table_attach(GTK_TABLE(table), Wid.Optn_wid[9], 0, 1, 0, 1, keep, keep, 0, 0);
  Wid.Optn_wid[10] = OptionKey(top, "Option2", margin_face, kOptMargin);
  gtk_table_attach(GTK_TABLE(table), Wid.Optn_wid[10], 1, 2, 0, 1, keep, keep, 0, 0);
  GtkWidget* udic = FaceKey(top, "Option3", MsgEuc("63;20:17:学習辞書"), MsgEuc("64;20:17:学習辞書"),
                            100, 25, G_CALLBACK(on_Option_clicked), kOptUserDic);
  gtk_table_attach(GTK_TABLE(table), udic, 0, 1, 1, 2, keep, keep, 0, 0);
  Wid.Optn_wid[11] = OptionKey(top, "Option4", seni_face, kOptSeni);
  gtk_table_attach(GTK_TABLE(table), Wid.Optn_wid[11], 1, 2, 1, 2, keep, keep, 0, 0);

  GtkWidget* answers = AddNamed(top, gtk_hbox_new(FALSE, 5), "Hbox432");
  gtk_box_pack_start(GTK_BOX(answers),
                     FaceKey(top, "Option5", MsgEuc("59;23:18:OK"), MsgEuc("60;23:18:OK"), 60, 25,
                             G_CALLBACK(on_Option_clicked), kOptOk),
                     FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(answers),
                     FaceKey(top, "Option6", MsgEuc("59;9:18:Cancel"), MsgEuc("60;9:18:Cancel"),
                             60, 25, G_CALLBACK(on_Option_clicked), kOptCancel),
                     FALSE, FALSE, 0);
  gtk_table_attach(GTK_TABLE(table), answers, 1, 2, 2, 3, keep, keep, 0, 0);
  return top;
}
