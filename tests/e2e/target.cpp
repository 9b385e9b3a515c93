// The application the end-to-end tests type into: one window with one entry. Prints
// "READY xid=0x..." once shown, "TEXT[...]" on every change of the entry's text and
// "KEY[Control+c]" (the modifiers held, then the key) on every key press.
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>

namespace {

void OnChanged(GtkEditable* entry, gpointer) {
  std::printf("TEXT[%s]\n", gtk_entry_get_text(GTK_ENTRY(entry)));
  std::fflush(stdout);
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer) {
  const char* name = gdk_keyval_name(event->keyval);
  std::printf("KEY[%s%s%s%s]\n", (event->state & GDK_CONTROL_MASK) ? "Control+" : "",
              (event->state & GDK_MOD1_MASK) ? "Alt+" : "", (event->state & GDK_SHIFT_MASK) ? "Shift+" : "",
              name ? name : "?");
  std::fflush(stdout);
  return FALSE;
}

gboolean OnMapped(GtkWidget* window, GdkEvent*, gpointer) {
  gdk_flush();
  std::printf("READY xid=0x%lx\n", GDK_WINDOW_XID(gtk_widget_get_window(window)));
  std::fflush(stdout);
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window), "e2e-target");
  gtk_window_move(GTK_WINDOW(window), 600, 80);
  gtk_window_set_default_size(GTK_WINDOW(window), 300, 40);
  GtkWidget* entry = gtk_entry_new();
  gtk_container_add(GTK_CONTAINER(window), entry);
  g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), nullptr);
  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), nullptr);
  g_signal_connect(window, "map-event", G_CALLBACK(OnMapped), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
