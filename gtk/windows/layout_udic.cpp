// Builders of the registration dialog and the browser of taught samples. Every key
// reports its value to Udic_Click; the pen and selection handlers only forward.
#include "gtk/windows/layout_udic.h"

#include "app/i18n.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/udic.h"
#include "gtk/windows/widgets.h"

namespace {

constexpr int kKeyWidth = 60;
constexpr int kKeyHeight = 25;

GtkWidget* Popup(const char* title) {
  GtkWidget* window = ModalPopupWindow(title);
  gtk_widget_set_style(window, WinStyle[0]);
  return window;
}

// A key whose press and release only change its look.
GtkWidget* Key(GtkWidget* top, const char* name, const char* face, const char* pressed, int value) {
  const char* normal = MsgEuc(face);
  GtkWidget* key = AddNamed(top, button_basedisp(kFaceNewButton, nullptr, normal), name);
  gtk_widget_set_size_request(key, kKeyWidth, kKeyHeight);
  g_signal_connect(key, "clicked", G_CALLBACK(on_Udic_clicked), GINT_TO_POINTER(value));
  g_signal_connect(key, "button_press_event", G_CALLBACK(on_button_event), const_cast<char*>(MsgEuc(pressed)));
  g_signal_connect(key, "button_release_event", G_CALLBACK(on_button_event), const_cast<char*>(normal));
  return key;
}

GtkWidget* CharEntry(GtkWidget* top, const char* name, int width) {
  GtkWidget* entry = AddNamed(top, gtk_entry_new(), name);
  gtk_entry_set_max_length(GTK_ENTRY(entry), 1);
  gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
  gtk_widget_set_can_focus(entry, FALSE);
  gtk_widget_set_size_request(entry, width, kKeyHeight);
  return entry;
}

GtkWidget* InkArea(GtkWidget* top, const char* frameName, const char* label, const char* areaName, int width,
                   int height, GtkWidget** area) {
  GtkWidget* frame = AddNamed(top, gtk_frame_new(label ? Msg(label) : nullptr), frameName);
  gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_ETCHED_IN);
  gtk_widget_set_size_request(frame, width, height);
  *area = AddNamed(top, gtk_drawing_area_new(), areaName);
  GdkColor white = {0, 0xFFFF, 0xFFFF, 0xFFFF};
  gtk_widget_modify_bg(*area, GTK_STATE_NORMAL, &white);  // the writing surface
  gtk_container_add(GTK_CONTAINER(frame), *area);
  return frame;
}

}  // namespace

void WidgetCentre(GtkWidget* widget, int* x, int* y) {
  int ox = 0, oy = 0;
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  if (gtk_widget_get_window(top)) gdk_window_get_origin(gtk_widget_get_window(top), &ox, &oy);
  GtkAllocation a;
  gtk_widget_get_allocation(widget, &a);
  *x = ox + a.x + a.width / 2;
  *y = oy + a.y + a.height / 2;
}

GtkWidget* create_Udic() {
  GtkWidget* Udic = Popup("sorenix-udic");
  g_object_set_data(G_OBJECT(Udic), "Udic", Udic);
  gtk_widget_set_events(Udic, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_BUTTON1_MOTION_MASK);
  g_signal_connect(Udic, "button_press_event", G_CALLBACK(on_Udic_MouseDown), nullptr);
  g_signal_connect(Udic, "motion_notify_event", G_CALLBACK(on_Udic_MouseMove), nullptr);
  g_signal_connect(Udic, "button_release_event", G_CALLBACK(on_Udic_MouseUp_event), nullptr);

  GtkWidget* table = AddNamed(Udic, gtk_table_new(2, 2, FALSE), "Table511");
  gtk_table_set_col_spacings(GTK_TABLE(table), 3);
  gtk_container_add(GTK_CONTAINER(Udic), table);
  GtkWidget* left = InkArea(Udic, "Frame521", "手書入力欄", "Draw531", 220, 200, &Udic_wid[0]);
  GtkWidget* right = InkArea(Udic, "Frame522", "登録するパターン", "Draw532", 220, 200, &Udic_wid[1]);
  gtk_container_set_border_width(GTK_CONTAINER(left), 5);
  gtk_container_set_border_width(GTK_CONTAINER(right), 5);
  g_signal_connect_after(Udic_wid[1], "expose_event", G_CALLBACK(on_Udic_expose), GINT_TO_POINTER(1));
  gtk_table_attach(GTK_TABLE(table), left, 0, 1, 0, 1, GTK_FILL, GTK_FILL, 0, 0);
  gtk_table_attach(GTK_TABLE(table), right, 1, 2, 0, 1, GTK_FILL, GTK_FILL, 0, 0);

  GtkWidget* column = AddNamed(Udic, gtk_vbox_new(FALSE, 5), "Vbox521");
  gtk_table_attach(GTK_TABLE(table), column, 0, 1, 1, 2, GTK_FILL, GTK_FILL, 0, 0);
  GtkWidget* nameRow = AddNamed(Udic, gtk_hbox_new(FALSE, 0), "Hbox531");
  gtk_box_pack_start(GTK_BOX(column), nameRow, FALSE, FALSE, 0);
  GtkWidget* label = AddNamed(Udic, gtk_label_new(Msg("正しい文字")), "Label541");
  gtk_widget_set_size_request(label, 170, -1);
  gtk_box_pack_start(GTK_BOX(nameRow), label, FALSE, FALSE, 0);
  Udic_wid[2] = CharEntry(Udic, "DicCode", 24);
  gtk_box_pack_end(GTK_BOX(nameRow), Udic_wid[2], FALSE, FALSE, 0);
  GtkWidget* alternatives = AddNamed(Udic, gtk_hbox_new(FALSE, 0), "Hbox532");
  gtk_box_pack_start(GTK_BOX(column), alternatives, FALSE, FALSE, 0);
  for (int i = 0; i < 9; ++i) {
    char name[16];
    g_snprintf(name, sizeof name, "Dkoho%d", i + 2);
    GtkWidget* key = AddNamed(Udic, button_basedisp(kFaceNewButton, nullptr, MsgEuc("65")), name);
    gtk_widget_set_size_request(key, 24, kKeyHeight);
    g_signal_connect(key, "clicked", G_CALLBACK(on_Udic_clicked), GINT_TO_POINTER(11 + i));
    g_signal_connect(key, "button_press_event", G_CALLBACK(on_Udic_button_event), GINT_TO_POINTER(31 + i));
    g_signal_connect(key, "button_release_event", G_CALLBACK(on_Udic_button_event), GINT_TO_POINTER(41 + i));
    gtk_box_pack_start(GTK_BOX(alternatives), key, FALSE, FALSE, 0);
    Udic_wid[3 + i] = key;
  }

  GtkWidget* keys = AddNamed(Udic, gtk_table_new(2, 3, FALSE), "Table521");
  gtk_table_set_row_spacings(GTK_TABLE(keys), 5);
  gtk_table_set_col_spacings(GTK_TABLE(keys), 10);
  gtk_container_set_border_width(GTK_CONTAINER(keys), 5);
  gtk_table_attach(GTK_TABLE(table), keys, 1, 2, 1, 2, GTK_FILL, GTK_FILL, 0, 0);
  auto place = [&](GtkWidget* key, int col, int row) {
    gtk_table_attach(GTK_TABLE(keys), key, col, col + 1, row, row + 1, GTK_FILL, GTK_FILL, 0, 0);
  };
  place(Key(Udic, "DicOK", "59;16:17:登録", "60;16:17:登録", 1), 1, 0);
  place(Key(Udic, "DicCancel", "59;16:17:取消", "60;16:17:取消", 4), 2, 0);
  place(Key(Udic, "DicElace", "67;8:17:全削除", "60;8:17:全削除", 3), 0, 1);
  place(Key(Udic, "DicTable", "59;16:17:一覧", "60;16:17:一覧", 2), 1, 1);
  place(Key(Udic, "DicEnd", "59;16:17:終了", "60;16:17:終了", 5), 2, 1);
  return Udic;
}

GtkWidget* create_UdicDsp() {
  GtkWidget* UdicDsp = Popup("sorenix-udicdsp");
  g_object_set_data(G_OBJECT(UdicDsp), "UdicDsp", UdicDsp);
  gtk_widget_set_events(UdicDsp, GDK_BUTTON_PRESS_MASK);
  g_signal_connect(UdicDsp, "button_press_event", G_CALLBACK(on_UdicDsp_button_press_event), nullptr);

  GtkWidget* column = AddNamed(UdicDsp, gtk_vbox_new(FALSE, 0), "Vbox611");
  gtk_container_add(GTK_CONTAINER(UdicDsp), column);
  GtkWidget* frame = AddNamed(UdicDsp, gtk_frame_new(nullptr), "Frame621");
  gtk_box_pack_start(GTK_BOX(column), frame, FALSE, FALSE, 0);
  GtkWidget* cells = AddNamed(UdicDsp, gtk_vbox_new(FALSE, 0), "Vbox631");
  gtk_container_set_border_width(GTK_CONTAINER(cells), 3);
  gtk_container_add(GTK_CONTAINER(frame), cells);
  for (int half = 0; half < 2; ++half) {
    GtkWidget* entries = AddNamed(UdicDsp, gtk_hbox_new(FALSE, 0), half ? "Hbox643" : "Hbox641");
    GtkWidget* inks = AddNamed(UdicDsp, gtk_hbox_new(FALSE, 10), half ? "Hbox644" : "Hbox642");
    gtk_widget_set_size_request(inks, -1, 100);
    gtk_box_pack_start(GTK_BOX(cells), entries, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(cells), inks, FALSE, FALSE, 0);
    for (int i = 0; i < 4; ++i) {
      const int c = 4 * half + i;
      char name[16];
      g_snprintf(name, sizeof name, "DTable_c%d", c + 1);
      Udic_wid[20 + c] = CharEntry(UdicDsp, name, 24);
      gtk_box_pack_start(GTK_BOX(entries), Udic_wid[20 + c], FALSE, FALSE, 44);
      char frameName[16], areaName[16];
      g_snprintf(frameName, sizeof frameName, "Frame65%d", c + 1);
      g_snprintf(areaName, sizeof areaName, "Draw66%d", c + 1);
      GtkWidget* cell = InkArea(UdicDsp, frameName, nullptr, areaName, 105, 100, &Udic_wid[12 + c]);
      g_signal_connect_after(Udic_wid[12 + c], "expose_event", G_CALLBACK(on_Udic_expose),
                             GINT_TO_POINTER(12 + c));
      gtk_box_pack_start(GTK_BOX(inks), cell, FALSE, FALSE, 0);
    }
  }
  GtkWidget* row = AddNamed(UdicDsp, gtk_hbox_new(FALSE, 0), "Hbox621");
  gtk_widget_set_size_request(row, -1, kKeyHeight);
  gtk_box_pack_start(GTK_BOX(column), row, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), Key(UdicDsp, "Dback", "59;16:17:前頁", "60;16:17:前頁", 101), FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), Key(UdicDsp, "Dnext", "59;16:17:次頁", "60;16:17:次頁", 102), FALSE, FALSE, 0);
  Udic_wid[28] = AddNamed(UdicDsp, gtk_label_new(""), "Label631");
  gtk_widget_set_size_request(Udic_wid[28], 150, -1);
  gtk_box_pack_start(GTK_BOX(row), Udic_wid[28], FALSE, FALSE, 30);
  GtkWidget* buttons = AddNamed(UdicDsp, gtk_hbutton_box_new(), "Hbbtn631");
  gtk_widget_set_size_request(buttons, 190, -1);
  gtk_box_pack_start(GTK_BOX(row), buttons, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(buttons), Key(UdicDsp, "Ddisp", "59;16:17:筆順", "60;16:17:筆順", 103));
  gtk_container_add(GTK_CONTAINER(buttons), Key(UdicDsp, "Ddelete", "59;16:17:削除", "60;16:17:削除", 104));
  gtk_container_add(GTK_CONTAINER(buttons), Key(UdicDsp, "Dreturn", "59;16:17:戻る", "60;16:17:戻る", 105));
  return UdicDsp;
}

gboolean on_Udic_MouseDown(GtkWidget*, GdkEventButton* event, gpointer) {
  Usdic_Down(event);
  return FALSE;
}

gboolean on_Udic_MouseMove(GtkWidget*, GdkEventMotion* event, gpointer) {
  Usdic_Move(event);
  return FALSE;
}

gboolean on_Udic_MouseUp_event(GtkWidget*, GdkEventButton* event, gpointer) {
  Usdic_Upex(event);
  return FALSE;
}

void on_Udic_clicked(GtkButton*, gpointer value) { Udic_Click(GPOINTER_TO_INT(value)); }

gboolean on_Udic_button_event(GtkWidget*, GdkEventButton*, gpointer value) {
  Udic_Click(GPOINTER_TO_INT(value));
  return FALSE;
}

gboolean on_Udic_expose(GtkWidget*, GdkEventExpose*, gpointer slot) {
  Udic_Redraw(GPOINTER_TO_INT(slot));
  return FALSE;
}

gboolean on_UdicDsp_button_press_event(GtkWidget*, GdkEventButton* event, gpointer) {
  Udic_Selct(event);
  return FALSE;
}
