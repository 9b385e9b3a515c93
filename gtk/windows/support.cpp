// Interface-builder support functions.
#include "gtk/windows/support.h"

#include <list>
#include <string>


namespace {

std::list<std::string>& PixmapDirectories() {
  static std::list<std::string> directories;
  return directories;
}

std::string FindPixmapFile(const char* filename) {
  for (const std::string& dir : PixmapDirectories()) {
    std::string path = dir + G_DIR_SEPARATOR_S + filename;
    if (g_file_test(path.c_str(), G_FILE_TEST_IS_REGULAR)) return path;
  }
  std::string fallback = std::string("..") + G_DIR_SEPARATOR_S + "pixmaps" + G_DIR_SEPARATOR_S + filename;
  if (g_file_test(fallback.c_str(), G_FILE_TEST_IS_REGULAR)) return fallback;
  return "";
}

GtkWidget* Replacement() {
  static const char* kEmptyXpm[] = {"1 1 1 1", "  c None", " "};
  GdkBitmap* mask = nullptr;
  GdkPixmap* pixmap = gdk_pixmap_colormap_create_from_xpm_d(
      nullptr, gdk_colormap_get_system(), &mask, nullptr, const_cast<gchar**>(kEmptyXpm));
  if (!pixmap) {
    g_warning("Couldn't create replacement pixmap.");
    return gtk_image_new();
  }
  GtkWidget* image = gtk_image_new_from_pixmap(pixmap, mask);
  g_object_unref(pixmap);
  if (mask) g_object_unref(mask);
  return image;
}

}  // namespace

void HookupObject(GtkWidget* toplevel, GtkWidget* widget, const char* name) {
  g_object_set_data_full(G_OBJECT(toplevel), name, g_object_ref(widget), g_object_unref);
}

GtkWidget* lookup_widget(GtkWidget* widget, const char* name) {
  GtkWidget* parent = widget;
  for (;;) {
    if (GTK_IS_MENU(widget))
      parent = gtk_menu_get_attach_widget(GTK_MENU(widget));
    else
      parent = gtk_widget_get_parent(widget);
    if (!parent) break;
    widget = parent;
  }
  GtkWidget* found = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(widget), name));
  if (!found) g_warning("Widget not found: %s", name);
  return found;
}

void add_pixmap_directory(const char* directory) {
  PixmapDirectories().push_front(directory);
}

GtkWidget* create_pixmap(GtkWidget* widget, const char* filename) {
  if (!filename || !*filename) return Replacement();
  const std::string path = FindPixmapFile(filename);
  if (path.empty()) {
    g_warning("Couldn't find pixmap file: %s", filename);
    return Replacement();
  }
  GdkColormap* colormap = gtk_widget_get_colormap(widget);
  GdkBitmap* mask = nullptr;
  GdkPixmap* pixmap =
      gdk_pixmap_colormap_create_from_xpm(nullptr, colormap, &mask, nullptr, path.c_str());
  if (!pixmap) {
    g_warning("Error loading pixmap file: %s", path.c_str());
    return Replacement();
  }
  GtkWidget* image = gtk_image_new_from_pixmap(pixmap, mask);
  g_object_unref(pixmap);
  if (mask) g_object_unref(mask);
  return image;
}

GtkWidget* AddNamed(GtkWidget* toplevel, GtkWidget* widget, const char* name) {
  HookupObject(toplevel, widget, name);
  gtk_widget_show(widget);
  return widget;
}

GtkWidget* ModalPopupWindow(const char* title) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_POPUP);
  gtk_window_set_title(GTK_WINDOW(window), title);
  gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
  gtk_window_set_modal(GTK_WINDOW(window), TRUE);
  gtk_window_set_policy(GTK_WINDOW(window), FALSE, FALSE, FALSE);
  return window;
}
