// Builders of the message box, the kanji entry box and the selector lists.
#include "gtk/windows/layout_aux.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/assign.h"
#include "app/i18n.h"
#include "gtk/control/handlers.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"
#include "pad/keyfaces.h"
#include "textconv.h"
#include "ui/main_faces.h"

namespace {

GtkWidget* Add(GtkWidget* top, GtkWidget* widget, const char* name) {
  HookupObject(top, widget, name);
  gtk_widget_show(widget);
  return widget;
}

// A key that only changes its look on press and release; its click goes to `handler`.
GtkWidget* FaceKey(GtkWidget* top, const char* name, const char* face, const char* pressed,
                   int width, int height, GCallback handler, int value) {
  const char* normal = MsgEuc(face);
  GtkWidget* key = button_basedisp(kFaceNewButton, nullptr, normal);
  if (name) Add(top, key, name); else gtk_widget_show(key);
  gtk_widget_set_size_request(key, width, height);
  g_signal_connect(key, "clicked", handler, GINT_TO_POINTER(value));
  g_signal_connect(key, "button_press_event", G_CALLBACK(on_button_event),
                   const_cast<char*>(MsgEuc(pressed)));
  g_signal_connect(key, "button_release_event", G_CALLBACK(on_button_event),
                   const_cast<char*>(normal));
  return key;
}

GtkWidget* FixedPopup(const char* title) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_POPUP);
  gtk_window_set_title(GTK_WINDOW(window), title);
  gtk_window_set_policy(GTK_WINDOW(window), FALSE, FALSE, FALSE);
  return window;
}

// A list window of texts (UTF-8), with the pointer handlers of the selectors.
GtkWidget* ListWindow(const char* title, const std::vector<std::string>& items, int which,
                      int releaseValue, int windowSlot, int listSlot) {
  GtkWidget* window = FixedPopup(title);
  gtk_container_set_border_width(GTK_CONTAINER(window), 3);
  gtk_widget_set_events(window, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                    GDK_BUTTON_MOTION_MASK);
  GtkListStore* store = gtk_list_store_new(1, G_TYPE_STRING);
  for (const std::string& item : items) {
    GtkTreeIter iter;
    gtk_list_store_append(store, &iter);
    gtk_list_store_set(store, &iter, 0, item.c_str(), -1);
  }
  GtkWidget* list = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
  g_object_unref(store);
  gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(list), FALSE);
  gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(list), -1, "", gtk_cell_renderer_text_new(),
                                              "text", 0, nullptr);
  gtk_widget_set_can_focus(list, FALSE);
  Add(window, list, "list");
  gtk_container_add(GTK_CONTAINER(window), list);

  g_signal_connect(window, "button_press_event", G_CALLBACK(on_ComboDown), GINT_TO_POINTER(which));
  g_signal_connect(window, "motion_notify_event", G_CALLBACK(on_ComboMove), GINT_TO_POINTER(which));
  g_signal_connect(window, "button_release_event", G_CALLBACK(on_ComboUp), GINT_TO_POINTER(which));
  g_signal_connect(list, "button_release_event", G_CALLBACK(on_Combo_button),
                   GINT_TO_POINTER(releaseValue));
  Wid.Comb_wid[windowSlot] = window;
  Wid.Comb_wid[listSlot] = list;
  return window;
}

}  // namespace

GtkWidget* create_Mboxs() {
  GtkWidget* box = FixedPopup("Message");
  gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_MOUSE);
  gtk_window_set_modal(GTK_WINDOW(box), TRUE);
  GtkWidget* rows = Add(box, gtk_vbox_new(FALSE, 0), "Vbox1");
  gtk_container_add(GTK_CONTAINER(box), rows);
  GtkWidget* label = Add(box, gtk_label_new(""), "Mbox");
  gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
  gtk_misc_set_padding(GTK_MISC(label), 3, 3);
  gtk_box_pack_start(GTK_BOX(rows), label, FALSE, FALSE, 0);
  GtkWidget* keys = Add(box, gtk_hbox_new(FALSE, 10), "Hbox1");
  gtk_container_set_border_width(GTK_CONTAINER(keys), 5);
  gtk_box_pack_start(GTK_BOX(rows), keys, FALSE, FALSE, 0);
  GtkWidget* ok = FaceKey(box, "Mok", "59;20:18:OK", "60;20:18:OK", 60, 25,
                          G_CALLBACK(on_Mbox_clicked), 1);
  gtk_box_pack_start(GTK_BOX(keys), ok, TRUE, FALSE, 0);
  GtkWidget* cancel = FaceKey(box, "Mcancel", "59;6:18:Cancel", "60;6:18:Cancel", 60, 25,
                              G_CALLBACK(on_Mbox_clicked), 2);
  gtk_box_pack_start(GTK_BOX(keys), cancel, TRUE, FALSE, 0);
  Wid.Mbox_wid[kMboxWindow] = box;
  Wid.Mbox_wid[kMboxLabel] = label;
  Wid.Mbox_wid[kMboxOk] = ok;
  Wid.Mbox_wid[kMboxCancel] = cancel;
  return box;
}

GtkWidget* create_Kboxs() {
  GtkWidget* box = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(box), Msg("漢字"));
  gtk_window_set_modal(GTK_WINDOW(box), TRUE);
  gtk_window_set_policy(GTK_WINDOW(box), FALSE, FALSE, FALSE);
  GtkWidget* row = Add(box, gtk_hbox_new(FALSE, 0), "Hbox");
  gtk_container_add(GTK_CONTAINER(box), row);
  GtkWidget* text = Add(box, gtk_entry_new(), "Ktxt");
  gtk_widget_set_size_request(text, 100, 30);
  g_signal_connect(text, "changed", G_CALLBACK(on_Kbox_changed), nullptr);
  gtk_box_pack_start(GTK_BOX(row), text, FALSE, FALSE, 0);
  GtkWidget* cancel = FaceKey(box, nullptr, "53;0:19:取消", "54;0:19:取消", 30, 30,
                              G_CALLBACK(on_Kbox_clicked), 0);
  gtk_box_pack_start(GTK_BOX(row), cancel, FALSE, FALSE, 0);
  GtkWidget* ok = FaceKey(box, "Kok", "53;0:19:確定", "54;0:19:確定", 30, 30,
                          G_CALLBACK(on_Kbox_clicked), 1);
  gtk_box_pack_start(GTK_BOX(row), ok, FALSE, FALSE, 0);
  Wid.Kbox_wid[0] = box;
  Wid.Kbox_wid[1] = text;
  return box;
}

GtkWidget* create_Select(int boot_soft) {
  std::vector<std::string> items;
  for (int i = boot_soft ? 1 : 0; i < 3; ++i) items.push_back(Msg(Comb_txt[i]));
  return ListWindow("Select", items, 0, 5, kCombSelectWindow, kCombSelectList);
}

GtkWidget* create_Akeys() {
  std::vector<std::string> items;
  for (const auto& entry : Akey_txt) {
    if (entry[0] == '\0') break;
    std::string utf8;
    const std::string euc(entry, strnlen(entry, sizeof entry));
    if (!EucToUtf8(euc, &utf8)) {
      // Shown as far as it is readable; the entry itself stays as the file gave it.
      gchar* valid = g_utf8_make_valid(euc.c_str(), -1);
      utf8 = valid;
      g_free(valid);
    }
    items.push_back(utf8);
  }
  if (items.empty()) {
    // One greyed row says why there is nothing to choose; a press closes the list.
    items.push_back(Msg("割当がありません"));
    GtkWidget* window = ListWindow("Akeys", items, 2, 6, kCombAkeysWindow, kCombAkeysList);
    gtk_widget_set_sensitive(Wid.Comb_wid[kCombAkeysList], FALSE);
    return window;
  }
  return ListWindow("Akeys", items, 2, 6, kCombAkeysWindow, kCombAkeysList);
}

void ListMarkRow(GtkWidget* list, int row) {
  GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(list));
  gtk_tree_selection_unselect_all(selection);
  if (row < 0) return;
  GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
  gtk_tree_selection_select_path(selection, path);
  gtk_tree_path_free(path);
}
