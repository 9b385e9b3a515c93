// Builder of the main window. Every widget is named on the window, shown (except the
// paste entry) and packed; every key reports its code to Main_Click.
#include "gtk/windows/layout_main.h"

#include "app/i18n.h"
#include "gtk/control/handlers.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/selector_entry.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"
#include "pad/keyfaces.h"
#include "ui/main_faces.h"

namespace {

GtkWidget* Main;

GtkWidget* Add(GtkWidget* widget, const char* name) {
  HookupObject(Main, widget, name);
  gtk_widget_show(widget);
  return widget;
}

void Pack(GtkWidget* box, GtkWidget* child, guint padding = 0) {
  gtk_box_pack_start(GTK_BOX(box), child, FALSE, FALSE, padding);
}

GtkWidget* HBox(const char* name, gint spacing) { return Add(gtk_hbox_new(FALSE, spacing), name); }
GtkWidget* VBox(const char* name, gint spacing) { return Add(gtk_vbox_new(FALSE, spacing), name); }

// A face key reporting code k: clicked k, pressed 100 + k, released 200 + k.
GtkWidget* Key(const char* name, int k, const char* face, int width, int height,
               bool toggle = false) {
  GtkWidget* key =
      Add(button_basedisp(toggle ? kFaceNewToggle : kFaceNewButton, nullptr, face), name);
  gtk_widget_set_size_request(key, width, height);
  g_signal_connect(key, "clicked", G_CALLBACK(on_Main_clicked), GINT_TO_POINTER(k));
  g_signal_connect(key, "button_press_event", G_CALLBACK(on_Main_button_event),
                   GINT_TO_POINTER(kPressOffset + k));
  g_signal_connect(key, "button_release_event", G_CALLBACK(on_Main_button_event),
                   GINT_TO_POINTER(kReleaseOffset + k));
  Wid.Main_wid[k] = key;
  return key;
}

// A selector: read-only entry and "▽" button, in a 2x2 table at row 1.
GtkWidget* Selector(const char* tableName, const char* entryName, const char* buttonName,
                    int entryWidth, int slot, int combSlot, int openValue) {
  GtkWidget* table = Add(gtk_table_new(2, 2, FALSE), tableName);
  gtk_table_set_row_spacings(GTK_TABLE(table), 7);
  GtkWidget* entry = Add(NewSelectorEntry(entryWidth, 20), entryName);
  gtk_table_attach(GTK_TABLE(table), entry, 0, 1, 1, 2, GtkAttachOptions(0), GtkAttachOptions(0), 0, 0);
  GtkWidget* button = Add(gtk_button_new_with_label(Msg("▽")), buttonName);
  gtk_widget_set_can_focus(button, FALSE);
  gtk_widget_set_size_request(button, 16, 20);
  gtk_table_attach(GTK_TABLE(table), button, 1, 2, 1, 2, GtkAttachOptions(0), GtkAttachOptions(0), 0, 0);
  g_signal_connect(button, "button_release_event", G_CALLBACK(on_Combo_button),
                   GINT_TO_POINTER(openValue));
  Wid.Main_wid[slot] = button;
  Wid.Comb_wid[combSlot] = entry;
  return table;
}

GtkWidget* TitleRow() {
  GtkWidget* row = HBox("Hbox101", 0);
  Pack(row, Key("Tai101", kKeyShrink, MsgEuc("81"), 23, 20));
  GtkWidget* strip = gtk_drawing_area_new();
  gtk_widget_set_size_request(strip, 729, 20);
  gtk_widget_set_style(strip, Res.WinStyle[1]);
  gtk_widget_show(strip);
  Pack(row, strip);
  GtkWidget* close = Add(gtk_button_new_with_label(Msg("閉")), "Mclose");
  gtk_widget_set_can_focus(close, FALSE);
  gtk_widget_set_size_request(close, 20, 20);
  g_signal_connect(close, "clicked", G_CALLBACK(on_Main_clicked), GINT_TO_POINTER(kKeyClose));
  gtk_box_pack_end(GTK_BOX(row), close, FALSE, FALSE, 0);
  Wid.Main_wid[kKeyClose] = close;
  return row;
}

GtkWidget* PendingRow() {
  GtkWidget* row = HBox("Hbox131", 0);
  gtk_container_set_border_width(GTK_CONTAINER(row), 3);
  // The paste entry takes part in clipboard copies and is never shown.
  GtkWidget* paste = gtk_entry_new();
  HookupObject(Main, paste, "Text151");
  gtk_editable_set_editable(GTK_EDITABLE(paste), FALSE);
  Pack(row, paste);
  Wid.Main_wid[kSlotPasteEntry] = paste;

  GtkWidget* frame = Add(gtk_frame_new(nullptr), "Fram151");
  gtk_widget_set_size_request(frame, 200, 26);
  Pack(row, frame, 30);
  GtkWidget* text = Add(gtk_drawing_area_new(), "Draw151");
  gtk_container_add(GTK_CONTAINER(frame), text);
  g_signal_connect(text, "expose_event", G_CALLBACK(on_Main_expose_event), nullptr);
  Wid.Main_wid[kSlotPendingArea] = text;

  // The first candidate stands in the pending text: the keys start with Result2.
  GtkWidget* candidates = HBox("Hbox142", 0);
  Pack(row, candidates);
  static const char* const kNames[] = {"Result2", "Result3", "Result4", "Result5", "Result6",
                                       "Result7", "Result8", "Result9", "Result10"};
  for (int i = 0; i < 9; ++i)
    Pack(candidates, Key(kNames[i], kKeyCandidateFirst + i, MsgEuc("53"), 30, 30));
  return row;
}

GtkWidget* CommandRow(const char* hdoub, const char* halcm) {
  GtkWidget* row = HBox("Hbox132", 2);
  GtkWidget* edit = HBox("Hbox143", 0);
  Pack(row, edit);
  Pack(edit, Key("hCpen", kKeyJoinSplit, MsgEuc("50;1:13:結 10:26:分"), 26, 30));
  Pack(edit, Key("hCkan", kKeyKanji, MsgEuc("50;1:13:漢 10:26:変"), 26, 30));
  Pack(edit, Key("hConv", kKeyLargeSmall, MsgEuc("50;1:13:大 10:26:小"), 26, 30));
  GtkWidget* modes = HBox("Hbox144", 0);
  Pack(row, modes);
  Pack(modes, Key("hDoub", kKeyWidth, hdoub, 26, 30));
  Pack(modes, Key("hAlcm", kKeyCharType, halcm, 26, 30));
  Pack(modes, Key("hHelp", kKeyHelp, MsgEuc("50;5:20:？"), 26, 30));
  GtkWidget* symbols = HBox("Hbox145", 0);
  Pack(row, symbols);
  static const char* const kFaces[] = {
      "52;9:17:、", "52;9:17:。", "52;9:17:．", "52;9:17:，", "52",        "52;5:22:０",
      "52;5:22:１", "52;5:22:２", "52;5:22:３", "52;5:22:４", "52;5:22:５", "52;5:22:６",
      "52;5:22:７", "52;5:22:８", "52;5:22:９"};
  for (int i = 0; i < 15; ++i) {
    char name[16];
    g_snprintf(name, sizeof name, "hTenkey%d", i + 1);
    Pack(symbols, Key(name, kKeySymbolFirst + i, MsgEuc(kFaces[i]), 26, 30));
  }
  return row;
}

GtkWidget* ArrowTable() {
  GtkWidget* table = Add(gtk_table_new(2, 3, FALSE), "Table131");
  gtk_table_set_row_spacings(GTK_TABLE(table), 6);
  struct Arrow {
    const char* name;
    const char* face;
    guint column, row;
  };
  static const Arrow kArrows[] = {{"hArow1", "53;6:20:←", 0, 1},
                                  {"hArow2", "53;6:20:↑", 1, 1},
                                  {"hArow3", "53;6:20:→", 0, 2},
                                  {"hArow4", "53;6:20:↓", 1, 2}};
  for (int i = 0; i < 4; ++i) {
    const Arrow& a = kArrows[i];
    GtkWidget* key = Key(a.name, kKeyArrowFirst + i, MsgEuc(a.face), 30, 30);
    gtk_table_attach(GTK_TABLE(table), key, a.column, a.column + 1, a.row, a.row + 1,
                     GtkAttachOptions(0), GtkAttachOptions(0), 0, 0);
  }
  return table;
}

GtkWidget* RightColumn(const char* hpmod) {
  GtkWidget* column = VBox("Vbox122", 1);
  GtkWidget* keys = HBox("Hbox133", 0);
  Pack(column, keys);
  Pack(keys, Key("hEnter", kKeyEnter, MsgEuc("57;5:22:改行"), 40, 35));
  Pack(keys, Key("hBksp", kKeyBackSpace, MsgEuc("57;12:23:BS"), 40, 35));
  // The ten-key toggle stands before the settings key although its code is after it.
  Pack(keys, Key("S10key", kKeyTenKey, MsgEuc("57;2:22:数/記"), 40, 35, true));
  Pack(keys, Key("hOptn", kKeyOptions, MsgEuc("57;5:22:設定"), 40, 35));

  GtkWidget* modes = HBox("Hbox134", 2);
  Pack(column, modes);
  Pack(modes, Key("hPmod", kKeyPenMode, hpmod, 60, 35));
  Pack(modes, Selector("Table141", "hImod_entry", "hImod", 40, kSlotInputSelector, kCombMainImod, 0));
  gtk_entry_set_text(GTK_ENTRY(Wid.Comb_wid[kCombMainImod]), Msg(Comb_txt[0]));
  Pack(modes, Selector("Table142", "Akeys_entry", "Akeys", 22, kSlotAssignSelector, kCombMainAkeys, 4));
  return column;
}

}  // namespace

GtkWidget* create_Main(const char* hdoub_face, const char* halcm_face, const char* hpmod_face) {
  Main = gtk_window_new(GTK_WINDOW_POPUP);
  g_object_set_data(G_OBJECT(Main), "Main", Main);
  gtk_window_set_title(GTK_WINDOW(Main), "sorenix");
  gtk_window_set_policy(GTK_WINDOW(Main), FALSE, FALSE, FALSE);
  gtk_widget_set_events(Main, GDK_BUTTON1_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                  GDK_BUTTON_RELEASE_MASK | GDK_VISIBILITY_NOTIFY_MASK);

  GtkWidget* rows = VBox("Vbox101", 0);
  gtk_container_add(GTK_CONTAINER(Main), rows);
  Pack(rows, TitleRow());

  GtkWidget* body = HBox("Hbox111", 1);
  Pack(rows, body);
  GtkWidget* left = VBox("Vbox121", 5);
  Pack(body, left);
  Pack(left, PendingRow());
  Pack(left, CommandRow(hdoub_face, halcm_face));
  Pack(body, ArrowTable());
  Pack(body, RightColumn(hpmod_face));

  g_signal_connect(Main, "expose_event", G_CALLBACK(on_Main_expose_event), nullptr);
  g_signal_connect(Main, "button_press_event", G_CALLBACK(on_MouseDown), GINT_TO_POINTER(1));
  g_signal_connect(Main, "motion_notify_event", G_CALLBACK(on_MouseMove), GINT_TO_POINTER(1));
  g_signal_connect(Main, "button_release_event", G_CALLBACK(on_MouseUp), GINT_TO_POINTER(1));
  g_signal_connect(Main, "visibility_notify_event", G_CALLBACK(on_RaiseWindow), nullptr);
  return Main;
}
