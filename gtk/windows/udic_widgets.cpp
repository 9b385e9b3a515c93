// The user-dictionary windows' shared widgets.
#include "gtk/windows/udic_widgets.h"

#include "app/i18n.h"
#include "gtk/windows/face_key.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"

GtkWidget* UdicPopup(const char* title) {
  GtkWidget* window = ModalPopupWindow(title);
  gtk_widget_set_style(window, Res.WinStyle[0]);
  return window;
}

GtkWidget* UdicCharEntry(GtkWidget* top, const char* name, int width) {
  GtkWidget* entry = AddNamed(top, gtk_entry_new(), name);
  gtk_entry_set_max_length(GTK_ENTRY(entry), 1);
  gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
  gtk_widget_set_can_focus(entry, FALSE);
  gtk_widget_set_size_request(entry, width, kUdicKeyHeight);
  return entry;
}

GtkWidget* UdicInkArea(GtkWidget* top, const char* frameName, const char* label, const char* areaName, int width,
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

void WidgetCentre(GtkWidget* widget, int* x, int* y) {
  int ox = 0, oy = 0;
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  if (gtk_widget_get_window(top)) gdk_window_get_origin(gtk_widget_get_window(top), &ox, &oy);
  GtkAllocation a;
  gtk_widget_get_allocation(widget, &a);
  *x = ox + a.x + a.width / 2;
  *y = oy + a.y + a.height / 2;
}

GtkWidget* UdicKey(GtkWidget* top, const char* name, const char* face, const char* pressed, GCallback onClick,
                   int value) {
  return FaceKey(top, name, MsgEuc(face), MsgEuc(pressed), kUdicKeyWidth, kUdicKeyHeight, onClick, value);
}
