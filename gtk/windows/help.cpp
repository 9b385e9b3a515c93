// The help viewer's glue: the topic menu and the window that shows one topic, read
// from the help file each time a topic key is pressed.
#include "gtk/windows/help.h"

#include <gtk/gtk.h>
#include <gdk/gdkx.h>

#include <cstdio>
#include <string>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/trace.h"
#include "dialogs/helpfile.h"
#include "gtk/windows/face_key.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"

namespace {

constexpr const char* kHelpFile = SORENIX_SHAREDIR "/Help.dat";
constexpr int kTextColor = 3;  // colour-table entry of the topic text

GtkWidget* HelpMenu;
GtkWidget* HelpTopicWindow;

// The file's path; a catalogue may name another file.
const char* HelpPath() { return Msg(kHelpFile); }

GtkWidget* Named(GtkWidget* top, const char* name) {
  return static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(top), name));
}

std::string Centre(GtkWidget* top, const char* name) {
  GtkWidget* key = Named(top, name);
  int ox, oy;
  gdk_window_get_origin(gtk_widget_get_window(top), &ox, &oy);
  GtkAllocation a;
  gtk_widget_get_allocation(key, &a);
  return std::to_string(ox + a.x + a.width / 2) + "," + std::to_string(oy + a.y + a.height / 2);
}

// Trace lines with the keys' root positions, for the tests.
gboolean TraceMenu(gpointer) {
  if (!HelpMenu || !gtk_widget_get_mapped(HelpMenu)) return FALSE;
  std::string topics;
  for (int n = 1; n <= kHelpTopics; ++n)
    topics += (n > 1 ? ";" : "") + Centre(HelpMenu, ("Help_b" + std::to_string(n)).c_str());
  Trace("HELP shown xid=0x%lx close=%s topics=%s", GDK_WINDOW_XID(gtk_widget_get_window(HelpMenu)),
        Centre(HelpMenu, "Hclose").c_str(), topics.c_str());
  return FALSE;
}

gboolean TraceTopicWindow(gpointer) {
  if (!HelpTopicWindow || !gtk_widget_get_mapped(HelpTopicWindow)) return FALSE;
  Trace("HELPDSP shown xid=0x%lx return=%s",
        GDK_WINDOW_XID(gtk_widget_get_window(HelpTopicWindow)),
        Centre(HelpTopicWindow, "Hreturn").c_str());
  return FALSE;
}

gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer trace) {
  if (TraceOn()) g_idle_add(reinterpret_cast<GSourceFunc>(trace), nullptr);
  return FALSE;
}

GtkWidget* Built(GtkWidget* window, GSourceFunc trace) {
  gtk_widget_set_style(window, Res.WinStyle[0]);
  g_signal_connect(window, "map-event", G_CALLBACK(OnMapped), reinterpret_cast<gpointer>(trace));
  return window;
}

void ShowTopic(int n, const HelpTopic& topic) {
  // A topic the file lacks still gets its name, so the window never looks broken.
  const std::string title = topic.title.empty() ? Msg(kHelpTopicNames[n - 1]) : topic.title;
  gtk_label_set_text(GTK_LABEL(Wid.Help_wid[0]), title.c_str());

  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(Wid.Help_wid[1]));
  gtk_text_buffer_set_text(buffer, "", 0);
  GtkTextTag* tag = gtk_text_tag_table_lookup(gtk_text_buffer_get_tag_table(buffer), "body");
  if (!tag) {
    GdkColor color;
    Color_Aloc(kTextColor, &color);
    tag = gtk_text_buffer_create_tag(buffer, "body", "foreground-gdk", &color, nullptr);
  }
  GtkTextIter end;
  for (const std::string& line : topic.lines) {
    gtk_text_buffer_get_end_iter(buffer, &end);
    if (!line.empty())
      gtk_text_buffer_insert_with_tags(buffer, &end, line.c_str(), -1, tag, nullptr);
    gtk_text_buffer_get_end_iter(buffer, &end);
    gtk_text_buffer_insert(buffer, &end, "\n", 1);
  }
  GtkTextIter start;
  gtk_text_buffer_get_start_iter(buffer, &start);
  gtk_text_buffer_place_cursor(buffer, &start);
  gtk_text_view_scroll_to_iter(GTK_TEXT_VIEW(Wid.Help_wid[1]), &start, 0.0, FALSE, 0.0, 0.0);
  Trace("HELPTOPIC %d found=%d lines=%zu title=%s", n, topic.found ? 1 : 0, topic.lines.size(),
        title.c_str());
}

}  // namespace

void Help_Open() {
  if (!g_file_test(HelpPath(), G_FILE_TEST_EXISTS)) {
    MessageBox(Msg("ヘルプファイルがありません"), kMboxBeep);
    return;
  }
  App.Rais_paus = 0;
  FreeGrabEx(0);
  if (!HelpMenu) HelpMenu = Built(create_Help(), TraceMenu);
  gtk_widget_show(HelpMenu);
}

void Help_Click(int code) {
  if (!HelpMenu) return;
  if (code == kHelpClose) {
    App.Rais_paus = 1;
    FreeGrabEx(1);
    gtk_widget_hide(HelpMenu);
    if (Wid.Main_wid[0] && gtk_widget_get_window(Wid.Main_wid[0]))
      gdk_window_raise(gtk_widget_get_window(Wid.Main_wid[0]));
    return;
  }
  if (code == kHelpReturn) {
    if (HelpTopicWindow) gtk_widget_hide(HelpTopicWindow);
    gtk_widget_show(HelpMenu);
    return;
  }
  if (code < 1 || code > kHelpTopics) return;
  HelpTopic topic;
  bool tooLarge = false;
  if (!LoadHelpTopic(HelpPath(), code, &topic, &tooLarge)) {  // unreadable: the menu stays
    if (tooLarge) {
      const std::string text = std::string(HelpPath()) + Msg(" は大きすぎるため読みません");
      std::fprintf(stderr, "sorenix: %s\n", text.c_str());
      MessageBox(text.c_str(), kMboxBeep);
    }
    return;
  }
  gtk_widget_hide(HelpMenu);
  if (!HelpTopicWindow) HelpTopicWindow = Built(create_HelpDsp(), TraceTopicWindow);
  ShowTopic(code, topic);
  gtk_widget_show(HelpTopicWindow);
}

// --- The windows -----------------------------------------------------------------

namespace {

void on_Help_clicked(GtkButton*, gpointer code) { Help_Click(GPOINTER_TO_INT(code)); }

GtkWidget* TopicColumn(GtkWidget* top, const char* frameName, const char* columnName, int first,
                       int last) {
  GtkWidget* frame = AddNamed(top, gtk_frame_new(nullptr), frameName);
  GtkWidget* column = AddNamed(top, gtk_vbutton_box_new(), columnName);
  gtk_button_box_set_layout(GTK_BUTTON_BOX(column), GTK_BUTTONBOX_START);
  gtk_box_set_spacing(GTK_BOX(column), 5);
  gtk_container_set_border_width(GTK_CONTAINER(column), 5);
  gtk_container_add(GTK_CONTAINER(frame), column);
  for (int n = first; n <= last; ++n) {
    const std::string face = std::string("61;10:17:") + kHelpTopicNames[n - 1];
    const std::string pressed = std::string("62;10:17:") + kHelpTopicNames[n - 1];
    const std::string name = "Help_b" + std::to_string(n);
    GtkWidget* key = FaceKey(top, name.c_str(), MsgEuc(face.c_str()), MsgEuc(pressed.c_str()),
                             140, 25, G_CALLBACK(on_Help_clicked), n);
    gtk_container_add(GTK_CONTAINER(column), key);
  }
  return frame;
}

}  // namespace

GtkWidget* create_Help() {
  GtkWidget* top = ModalPopupWindow("Help");
  gtk_container_set_border_width(GTK_CONTAINER(top), 3);
  GtkWidget* rows = AddNamed(top, gtk_vbox_new(FALSE, 0), "Vbox711");
  gtk_container_add(GTK_CONTAINER(top), rows);
  GtkWidget* head = AddNamed(top, gtk_hbox_new(FALSE, 0), "Hbox721");
  gtk_box_pack_start(GTK_BOX(rows), head, FALSE, FALSE, 0);
  GtkWidget* title = AddNamed(top, gtk_label_new(Msg("文字認識ヘルプ")), "Label731");
  gtk_widget_set_size_request(title, 227, -1);
  gtk_box_pack_start(GTK_BOX(head), title, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(head),
                     FaceKey(top, "Hclose", MsgEuc("59;10:17:閉じる"), MsgEuc("60;10:17:閉じる"),
                             60, 25, G_CALLBACK(on_Help_clicked), kHelpClose),
                     FALSE, FALSE, 0);
  GtkWidget* columns = AddNamed(top, gtk_hbox_new(FALSE, 0), "Hbox722");
  gtk_box_pack_start(GTK_BOX(rows), columns, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(columns), TopicColumn(top, "Frame731", "Vbbox741", 1, 7), FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(columns), TopicColumn(top, "Frame732", "Vbbox742", 8, 15), FALSE, FALSE, 0);
  return top;
}

GtkWidget* create_HelpDsp() {
  GtkWidget* top = ModalPopupWindow("HelpDsp");
  gtk_container_set_border_width(GTK_CONTAINER(top), 3);
  GtkWidget* rows = AddNamed(top, gtk_vbox_new(FALSE, 3), "Vbox811");
  gtk_container_add(GTK_CONTAINER(top), rows);
  GtkWidget* head = AddNamed(top, gtk_hbox_new(FALSE, 0), "Hbox821");
  gtk_box_pack_start(GTK_BOX(rows), head, FALSE, FALSE, 0);
  GtkWidget* title = AddNamed(top, gtk_label_new(""), "Label831");
  gtk_widget_set_size_request(title, 400, -1);
  // A damaged file's long title must not widen the window.
  gtk_label_set_ellipsize(GTK_LABEL(title), PANGO_ELLIPSIZE_END);
  gtk_box_pack_start(GTK_BOX(head), title, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(head),
                     FaceKey(top, "Hreturn", MsgEuc("59;14:17:戻る"), MsgEuc("60;14:17:戻る"), 60,
                             25, G_CALLBACK(on_Help_clicked), kHelpReturn),
                     FALSE, FALSE, 0);
  GtkWidget* scroll = AddNamed(top, gtk_scrolled_window_new(nullptr, nullptr), "Scroll821");
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll), GTK_POLICY_AUTOMATIC,
                                 GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroll), GTK_SHADOW_IN);
  gtk_box_pack_start(GTK_BOX(rows), scroll, TRUE, TRUE, 0);
  GtkWidget* text = AddNamed(top, gtk_text_view_new(), "Htext821");
  gtk_text_view_set_editable(GTK_TEXT_VIEW(text), FALSE);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(text), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(text), GTK_WRAP_CHAR);
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(text), 4);
  gtk_widget_set_size_request(text, 460, 300);
  gtk_container_add(GTK_CONTAINER(scroll), text);
  Wid.Help_wid[0] = title;
  Wid.Help_wid[1] = text;
  return top;
}
