// Builders of the options and help windows. Both are centred, modal pop-ups built once
// and then only shown and hidden.
#include "gtk/windows/layout_dialogs.h"

#include <string>

#include "app/i18n.h"
#include "gtk/windows/help.h"
#include "dialogs/helpfile.h"
#include "gtk/windows/options.h"
#include "dialogs/optchng.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"

namespace {

constexpr int kColorSamples = 6;
constexpr int kWidthSamples = 3;
constexpr int kSampleWidth = 60;
constexpr int kSampleHeight = 18;

// A face key (EUC-JP face) whose press and release only change its look.
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
    Optn_wid[firstSlot + i] = radio;

    GtkWidget* area = AddNamed(top, gtk_drawing_area_new(), areas[i]);
    gtk_widget_set_size_request(area, kSampleWidth, kSampleHeight);
    gtk_widget_set_style(area, WinStyle[0]);
    // The samples live in their own windows: each expose redraws them.
    g_signal_connect(area, "expose_event", G_CALLBACK(on_Option_expose_event), nullptr);
    gtk_table_attach(GTK_TABLE(table), area, 1, 2, i, i + 1, GTK_FILL, GTK_FILL, 2, 0);
    Optn_wid[firstArea + i] = area;
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
  Optn_wid[9] = OptionKey(top, "Option1", pause_face, kOptPause);
  gtk_table_attach(GTK_TABLE(table), Optn_wid[9], 0, 1, 0, 1, keep, keep, 0, 0);
  Optn_wid[10] = OptionKey(top, "Option2", margin_face, kOptMargin);
  gtk_table_attach(GTK_TABLE(table), Optn_wid[10], 1, 2, 0, 1, keep, keep, 0, 0);
  GtkWidget* udic = FaceKey(top, "Option3", MsgEuc("63;20:17:学習辞書"), MsgEuc("64;20:17:学習辞書"),
                            100, 25, G_CALLBACK(on_Option_clicked), kOptUserDic);
  gtk_table_attach(GTK_TABLE(table), udic, 0, 1, 1, 2, keep, keep, 0, 0);
  Optn_wid[11] = OptionKey(top, "Option4", seni_face, kOptSeni);
  gtk_table_attach(GTK_TABLE(table), Optn_wid[11], 1, 2, 1, 2, keep, keep, 0, 0);

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
  Help_wid[0] = title;
  Help_wid[1] = text;
  return top;
}

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

void on_Help_clicked(GtkButton*, gpointer code) { Help_Click(GPOINTER_TO_INT(code)); }
