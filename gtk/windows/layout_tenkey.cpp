// Builder of the ten-key pad. Every key reports its slot in Tenk_wid to Tenk_Click:
// clicked k, pressed 100 + k, released 200 + k.
#include "gtk/windows/layout_tenkey.h"

#include <gdk/gdkx.h>

#include "app/i18n.h"
#include "app/trace.h"
#include "gtk/windows/winhandle.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/tenkey_gtk.h"
#include "gtk/windows/widgets.h"
#include "keyboards/tenkey.h"

namespace {

constexpr int kKeySize = 35;
constexpr int kWideKeyWidth = 75;
constexpr int kStripWidth = 145;
constexpr int kStripHeight = 20;
constexpr int kSpacing = 5;

GtkWidget* TenKey;

GtkWidget* Key(const char* name, int value, const char* face, int width) {
  GtkWidget* key = AddNamed(TenKey, button_basedisp(kFaceNewButton, nullptr, face), name);
  gtk_widget_set_size_request(key, width, kKeySize);
  g_signal_connect(key, "clicked", G_CALLBACK(on_Tenkey_clicked), GINT_TO_POINTER(value));
  g_signal_connect(key, "button_press_event", G_CALLBACK(on_Tkey_button_event),
                   GINT_TO_POINTER(100 + value));
  g_signal_connect(key, "button_release_event", G_CALLBACK(on_Tkey_button_event),
                   GINT_TO_POINTER(200 + value));
  Wid.Tenk_wid[value] = key;
  return key;
}

void Pack(GtkWidget* box, GtkWidget* child) { gtk_box_pack_start(GTK_BOX(box), child, FALSE, FALSE, 0); }

GtkWidget* TitleStrip() {
  GtkWidget* row = AddNamed(TenKey, gtk_hbox_new(FALSE, 0), "Hbox201");
  GtkWidget* strip = gtk_drawing_area_new();
  gtk_widget_set_size_request(strip, kStripWidth, kStripHeight);
  gtk_widget_set_style(strip, Res.WinStyle[1]);
  gtk_widget_show(strip);
  Pack(row, strip);
  GtkWidget* close = AddNamed(TenKey, gtk_button_new_with_label(Msg("閉")), "Tclose");
  gtk_widget_set_can_focus(close, FALSE);
  gtk_widget_set_size_request(close, kStripHeight, kStripHeight);
  g_signal_connect(close, "clicked", G_CALLBACK(on_Tenkey_clicked), GINT_TO_POINTER(kTenkClose));
  gtk_box_pack_end(GTK_BOX(row), close, FALSE, FALSE, 0);
  Wid.Tenk_wid[kTenkClose] = close;
  return row;
}

GtkWidget* Grid() {
  GtkWidget* table = AddNamed(TenKey, gtk_table_new(4, 4, FALSE), "Table221");
  gtk_table_set_row_spacings(GTK_TABLE(table), kSpacing);
  gtk_table_set_col_spacings(GTK_TABLE(table), kSpacing);
  static const char* const kNames[kTenkGridKeys] = {
      "Tenkey1", "Tenkey2", "Tenkey3", "Tenkey4", "Tenkey5", "Tenkey6", "Tenkey7", "Tenkey8",
      "Tenkey9", "TenkeyA", "TenkeyB", "TenkeyC", "TenkeyD", "TenkeyE", "TenkeyF", "TenkeyG"};
  for (int i = 0; i < kTenkGridKeys; ++i) {
    // The builder's faces are the first full-width page.
    const std::string face = TenkGridFace(1, 0, i + 1, false);
    GtkWidget* key = Key(kNames[i], i + 1, InternText(face), kKeySize);
    const guint column = static_cast<guint>(i % 4), row = static_cast<guint>(i / 4);
    gtk_table_attach(GTK_TABLE(table), key, column, column + 1, row, row + 1, GtkAttachOptions(0),
                     GtkAttachOptions(0), 0, 0);
  }
  return table;
}

// The keys' places in the window, for the end-to-end tests.
gboolean TraceKeys(gpointer) {
  GdkWindow* window = TenKey ? gtk_widget_get_window(TenKey) : nullptr;
  if (!window || !gtk_widget_get_mapped(TenKey)) return FALSE;
  for (int k = 1; k < kTenkSlots; ++k) {
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Tenk_wid[k], &a);
    Trace("TKEY %d x=%d y=%d width=%d height=%d", k, a.x, a.y, a.width, a.height);
  }
  int x, y;
  gdk_window_get_origin(window, &x, &y);
  Trace("TENKEY shown xid=0x%lx x=%d y=%d", GDK_WINDOW_XID(window), x, y);
  return FALSE;
}

gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer) {
  if (TraceOn()) g_idle_add(TraceKeys, nullptr);
  return FALSE;
}

}  // namespace

GtkWidget* create_TenKey() {
  TenKey = gtk_window_new(GTK_WINDOW_POPUP);
  g_object_set_data(G_OBJECT(TenKey), "TenKey", TenKey);
  gtk_window_set_title(GTK_WINDOW(TenKey), "sorenix-tenkey");
  gtk_window_set_policy(GTK_WINDOW(TenKey), FALSE, FALSE, FALSE);
  gtk_widget_set_events(TenKey, GDK_BUTTON1_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                    GDK_BUTTON_RELEASE_MASK);

  GtkWidget* rows = AddNamed(TenKey, gtk_vbox_new(FALSE, 0), "Vbox201");
  gtk_container_add(GTK_CONTAINER(TenKey), rows);
  Pack(rows, TitleStrip());
  GtkWidget* body = AddNamed(TenKey, gtk_vbox_new(FALSE, kSpacing), "Vbox211");
  gtk_container_set_border_width(GTK_CONTAINER(body), kSpacing);
  Pack(rows, body);
  Pack(body, Grid());
  GtkWidget* modes = AddNamed(TenKey, gtk_hbox_new(FALSE, kSpacing), "Hbox221");
  Pack(body, modes);
  Pack(modes, Key("Tdoub", kTenkDoub, MsgEuc("21;25:23:全角"), kWideKeyWidth));
  Pack(modes, Key("Tenter", kTenkEnter, MsgEuc("21;21:23:Enter"), kWideKeyWidth));
  GtkWidget* pages = AddNamed(TenKey, gtk_hbox_new(FALSE, kSpacing), "Hbox222");
  Pack(body, pages);
  Pack(pages, Key("Tprev", kTenkPrev, MsgEuc("4;10:23:前"), kKeySize));
  Pack(pages, Key("Tpage", kTenkPage, MsgEuc("21;25:23:1/19"), kWideKeyWidth));
  Pack(pages, Key("Tnext", kTenkNext, MsgEuc("4;10:23:次"), kKeySize));

  g_signal_connect(TenKey, "button_press_event", G_CALLBACK(on_Tenk_press_event), nullptr);
  g_signal_connect(TenKey, "motion_notify_event", G_CALLBACK(on_Tenk_notify_event), nullptr);
  g_signal_connect(TenKey, "button_release_event", G_CALLBACK(on_Tenk_release_event), nullptr);
  g_signal_connect(TenKey, "map-event", G_CALLBACK(OnMapped), nullptr);
  InstallTenkeyPorts();
  return TenKey;
}

void on_Tenkey_clicked(GtkButton*, gpointer value) { Tenk_Click(GPOINTER_TO_INT(value)); }

gboolean on_Tkey_button_event(GtkWidget*, GdkEventButton*, gpointer value) {
  Tenk_Click(GPOINTER_TO_INT(value));
  return FALSE;
}

gboolean on_Tenk_press_event(GtkWidget* widget, GdkEventButton* event, gpointer) {
  Win_Down(widget, event, 0);
  return FALSE;
}

gboolean on_Tenk_notify_event(GtkWidget* widget, GdkEventMotion* event, gpointer) {
  Win_Move(widget, event);
  return FALSE;
}

gboolean on_Tenk_release_event(GtkWidget* widget, GdkEventButton* event, gpointer) {
  Tenk_DragEnd(widget, event);
  return FALSE;
}
