// Builder of the fixed-frame window. Pointer events of the whole window go to the
// pad's pen handlers (data 0); the boxes themselves select no events.
#include "gtk/windows/layout_frame.h"

#include <gdk/gdkx.h>

#include <string>

#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "gtk/control/window_controller.h"
#include "gtk/control/handlers.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"

namespace {

constexpr int kBoxes = 5;
constexpr int kCloseWidth = 20;
constexpr int kStripHeight = 20;

GtkWidget* Frame;

// The trace of the boxes' places on the screen, for the end-to-end tests.
gboolean TraceBoxes(gpointer) {
  GdkWindow* window = Frame ? gtk_widget_get_window(Frame) : nullptr;
  if (!window || !gtk_widget_get_mapped(Frame)) return FALSE;
  int x, y;
  gdk_window_get_origin(window, &x, &y);
  std::string boxes;
  for (int b = 1; b <= kBoxes; ++b) {
    int bx, by;
    gdk_window_get_origin(gtk_widget_get_window(Wid.Fram_wid[b]), &bx, &by);
    GtkAllocation a;
    gtk_widget_get_allocation(Wid.Fram_wid[b], &a);
    boxes += (b > 1 ? ";" : "") + std::to_string(bx) + "," + std::to_string(by) + "," +
             std::to_string(a.width) + "," + std::to_string(a.height);
  }
  // Centres of the size buttons 小, 中, 大.
  std::string sizes;
  for (int i = 1; i <= 3; ++i) {
    const std::string name = "Fsize" + std::to_string(i);
    auto* radio = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(Frame), name.c_str()));
    GtkAllocation a;
    gtk_widget_get_allocation(radio, &a);
    sizes += (i > 1 ? ";" : "") + std::to_string(x + a.x + a.width / 2) + "," +
             std::to_string(y + a.y + a.height / 2);
  }
  Trace("FRAME xid=0x%lx x=%d y=%d boxes=%s sizes=%s", GDK_WINDOW_XID(window), x, y, boxes.c_str(),
        sizes.c_str());
  return FALSE;
}

void OnBoxesAllocated(GtkWidget*, GtkAllocation*, gpointer) {
  if (TraceOn()) g_idle_add(TraceBoxes, nullptr);
}

GtkWidget* TitleStrip() {
  GtkWidget* row = AddNamed(Frame, gtk_hbox_new(FALSE, 0), "Hbox301");
  GtkWidget* strip = gtk_drawing_area_new();
  gtk_widget_set_size_request(strip, 709, kStripHeight);
  gtk_widget_set_style(strip, Res.WinStyle[1]);
  gtk_widget_show(strip);
  gtk_box_pack_start(GTK_BOX(row), strip, TRUE, TRUE, 0);
  GtkWidget* close = AddNamed(Frame, gtk_button_new_with_label(Msg("閉")), "Fclose");
  gtk_widget_set_can_focus(close, FALSE);
  gtk_widget_set_size_request(close, kCloseWidth, kStripHeight);
  g_signal_connect(close, "clicked", G_CALLBACK(on_Frame_clicked), nullptr);
  gtk_box_pack_end(GTK_BOX(row), close, FALSE, FALSE, 0);
  g_object_set_data(G_OBJECT(Frame), "drag-strip", strip);
  return row;
}

GtkWidget* SizeRow(int size) {
  GtkWidget* row = AddNamed(Frame, gtk_hbox_new(FALSE, 0), "Hbox321");
  gtk_box_pack_start(GTK_BOX(row), AddNamed(Frame, gtk_label_new(Msg("＜枠の大きさ＞")), "Label331"), FALSE,
                     FALSE, 5);
  static const char* const kNames[] = {"Fsize1", "Fsize2", "Fsize3"};
  static const char* const kLabels[] = {"小", "中", "大"};
  GSList* group = nullptr;
  for (int i = 0; i < 3; ++i) {
    GtkWidget* radio = AddNamed(Frame, gtk_radio_button_new_with_label(group, Msg(kLabels[i])), kNames[i]);
    group = gtk_radio_button_get_group(GTK_RADIO_BUTTON(radio));
    gtk_widget_set_can_focus(radio, FALSE);
    gtk_box_pack_start(GTK_BOX(row), radio, FALSE, FALSE, 0);
    if (i + 1 == size) gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(radio), TRUE);
    g_signal_connect(radio, "toggled", G_CALLBACK(on_Fsize_toggle), GINT_TO_POINTER(i + 1));
  }
  return row;
}

GtkWidget* BoxRow() {
  GtkWidget* row = AddNamed(Frame, gtk_hbox_new(TRUE, 5), "Hbox322");
  gtk_container_set_border_width(GTK_CONTAINER(row), 5);
  static const char* const kFrames[] = {"Fram331", "Fram332", "Fram333", "Fram334", "Fram335"};
  static const char* const kAreas[] = {"Draw341", "Draw342", "Draw343", "Draw344", "Draw345"};
  GdkColor white = {0, 0xFFFF, 0xFFFF, 0xFFFF};
  for (int b = 0; b < kBoxes; ++b) {
    GtkWidget* frame = AddNamed(Frame, gtk_frame_new(nullptr), kFrames[b]);
    gtk_box_pack_start(GTK_BOX(row), frame, TRUE, TRUE, 0);
    GtkWidget* area = AddNamed(Frame, gtk_drawing_area_new(), kAreas[b]);
    gtk_widget_modify_bg(area, GTK_STATE_NORMAL, &white);  // the writing surface
    gtk_container_add(GTK_CONTAINER(frame), area);
    Wid.Fram_wid[b + 1] = area;
  }
  Wid.Fram_wid[6] = row;
  g_signal_connect(row, "size-allocate", G_CALLBACK(OnBoxesAllocated), nullptr);
  return row;
}

}  // namespace

GtkWidget* create_Frame(int size) {
  Frame = gtk_window_new(GTK_WINDOW_POPUP);
  g_object_set_data(G_OBJECT(Frame), "Frame", Frame);
  gtk_window_set_title(GTK_WINDOW(Frame), "sorenix-frame");
  gtk_window_set_policy(GTK_WINDOW(Frame), FALSE, FALSE, FALSE);
  gtk_widget_set_events(Frame, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                   GDK_BUTTON1_MOTION_MASK);

  GtkWidget* rows = AddNamed(Frame, gtk_vbox_new(FALSE, 0), "Vbox301");
  gtk_container_add(GTK_CONTAINER(Frame), rows);
  gtk_box_pack_start(GTK_BOX(rows), TitleStrip(), FALSE, FALSE, 0);
  GtkWidget* body = AddNamed(Frame, gtk_vbox_new(FALSE, 0), "Vbox311");
  gtk_box_pack_start(GTK_BOX(rows), body, TRUE, TRUE, 0);
  gtk_box_pack_start(GTK_BOX(body), SizeRow(size), FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(body), BoxRow(), TRUE, TRUE, 0);

  g_signal_connect(Frame, "button_press_event", G_CALLBACK(on_MouseDown), GINT_TO_POINTER(0));
  g_signal_connect(Frame, "motion_notify_event", G_CALLBACK(on_MouseMove), GINT_TO_POINTER(0));
  g_signal_connect(Frame, "button_release_event", G_CALLBACK(on_MouseUp), GINT_TO_POINTER(0));
  return Frame;
}

void on_Frame_clicked(GtkButton*, gpointer) { Pmode_chng(-1); }

void on_Fsize_toggle(GtkToggleButton* button, gpointer size) {
  if (!gtk_toggle_button_get_active(button)) return;
  Fsize_chng(GPOINTER_TO_INT(size));
  ApTableEx(1);  // settings are saved whenever they change
}
