// The dialogs' face keys.
#include "gtk/windows/face_key.h"

#include "gtk/windows/faces.h"
#include "gtk/windows/support.h"

GtkWidget* FaceKey(GtkWidget* top, const char* name, const char* face, const char* pressed,
                   int width, int height, GCallback clicked, int code) {
  GtkWidget* key = AddNamed(top, button_basedisp(kFaceNewButton, nullptr, face), name);
  gtk_widget_set_size_request(key, width, height);
  g_signal_connect(key, "clicked", clicked, GINT_TO_POINTER(code));
  g_signal_connect(key, "button_press_event", G_CALLBACK(on_button_event),
                   const_cast<char*>(pressed));
  g_signal_connect(key, "button_release_event", G_CALLBACK(on_button_event),
                   const_cast<char*>(face));
  return key;
}
