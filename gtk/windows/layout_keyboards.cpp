// Builders of the five keyboard windows from the key data of keyboard_keys.cpp. Each
// window: the title strip, then its rows and columns of keys. Full keyboards report
// their keys to SftKeybord, kana keyboards to Keybord50s.
#include "gtk/windows/layout_keyboards.h"

#include <gdk/gdkx.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include "app/i18n.h"
#include "app/trace.h"
#include "gtk/control/handlers.h"
#include "gtk/control/keyboard_windows.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/selector_entry.h"
#include "gtk/windows/support.h"
#include "gtk/windows/widgets.h"
#include "gtk/windows/winhandle.h"
#include "keyboards/kana.h"
#include "keyboards/soft.h"
#include "ui/keyboard_keys.h"

const char* Soft_sft[6];
const char* Soft_ctl[6];
const char* Soft_alt[6];
const char* Soft_cap[3];
const char* Soft_s10[10];

namespace {

constexpr int kSelectorOpenFull = 1;
constexpr int kSelectorOpenKana = 2;
constexpr int kSelectorOpenAssign = 4;

// The keyboard being built.
int board;
GtkWidget* window;

bool Kana() { return board >= 3; }

// Pressed style of a normal face style, per keyboard.
int PressedStyle(int style) {
  struct Pair {
    int normal, pressed;
  };
  static const std::initializer_list<Pair> kMaps[5] = {
      {{0, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 6}, {7, 8}, {11, 12}, {13, 14}, {15, 16}, {17, 18},
       {19, 20}, {21, 22}, {68, 69}, {70, 71}, {81, 82}},
      {{25, 26}, {27, 28}, {29, 30}, {31, 30}, {34, 35}, {36, 37}, {38, 39}, {40, 41}, {42, 43},
       {44, 45}, {81, 82}},
      {{32, 91}, {83, 87}, {84, 87}, {85, 87}, {86, 87}, {88, 89}, {90, 91}, {92, 93}, {94, 95},
       {96, 97}, {98, 33}, {81, 82}},
      {{23, 24}, {46, 47}, {72, 75}, {73, 75}, {74, 75}, {78, 79}, {80, 79}, {81, 82}},
      {{32, 91}, {55, 56}, {83, 87}, {84, 87}, {85, 87}, {86, 87}, {90, 91}, {81, 82}},
  };
  for (const Pair& p : kMaps[board])
    if (p.normal == style) return p.pressed;
  return style;
}

// The face with its style number replaced by the pressed one.
std::string PressedFace(const KeyDef& key, const std::string& face) {
  if (board == 1 && std::strcmp(key.name, "Skey004") == 0) return "30;13:31:@ 26:22:`";
  const size_t digits = face.find_first_not_of("0123456789");
  const int style = std::atoi(face.substr(0, digits).c_str());
  return std::to_string(PressedStyle(style)) + (digits == std::string::npos ? "" : face.substr(digits));
}

GtkWidget* Add(GtkWidget* widget, const char* name) {
  if (name && *name) HookupObject(window, widget, name);
  gtk_widget_show(widget);
  return widget;
}

GtkWidget* Box(bool vertical, int spacing, std::initializer_list<GtkWidget*> children) {
  GtkWidget* box = Add(vertical ? gtk_vbox_new(FALSE, spacing) : gtk_hbox_new(FALSE, spacing), nullptr);
  for (GtkWidget* child : children) gtk_box_pack_start(GTK_BOX(box), child, FALSE, FALSE, 0);
  return box;
}

void ConnectClick(GtkWidget* key, int value) {
  g_signal_connect(key, "clicked", G_CALLBACK(Kana() ? on_50k_clicked : on_Soft_clicked),
                   GINT_TO_POINTER(value));
}

void StoreToggle(GtkWidget* key, int value, const char* face, const char* pressed) {
  if (value == kSoftTenKey) {
    Wid.Soft_wid.tenKey[board] = key;
    Soft_s10[2 * board] = face;
    Soft_s10[2 * board + 1] = pressed;
    return;
  }
  const int latch = LatchIndex(static_cast<uint32_t>(value));
  if (latch < 0 || board > 2) return;
  Wid.Soft_wid.latch[board][latch] = key;
  const int side = latch % 2;
  if (latch == kLatchCaps) Soft_cap[board] = face;
  else if (latch < 2) Soft_sft[2 * board + side] = face;
  else if (latch < 4) Soft_ctl[2 * board + side] = face;
  else Soft_alt[2 * board + side] = face;
}

GtkWidget* FaceKey(const KeyDef& key) {
  const char* face = MsgEuc(key.face);
  const char* pressed = InternText(PressedFace(key, face));
  const bool toggle = key.kind == kToggle;
  GtkWidget* button = Add(button_basedisp(toggle ? kFaceNewToggle : kFaceNewButton, nullptr, face), key.name);
  gtk_widget_set_size_request(button, key.width, key.height);
  if (toggle && key.value == kSoftTenKey) {
    g_signal_connect(button, "button_press_event", G_CALLBACK(on_s10_button_down), const_cast<char*>(pressed));
    g_signal_connect(button, "button_release_event", G_CALLBACK(on_s10_button_up), const_cast<char*>(face));
  } else {
    g_signal_connect(button, "button_press_event", G_CALLBACK(on_button_event), const_cast<char*>(pressed));
    g_signal_connect(button, "button_release_event", G_CALLBACK(on_button_event), const_cast<char*>(face));
  }
  if (toggle) {
    g_signal_connect(button, "toggled", G_CALLBACK(on_Soft_toggled), GINT_TO_POINTER(key.value));
    StoreToggle(button, key.value, face, pressed);
  } else {
    ConnectClick(button, key.value);
  }
  return button;
}

GtkWidget* Entry(const KeyDef& key) {
  GtkWidget* entry = Add(NewSelectorEntry(key.width, key.height), key.name);
  const bool assignment = std::strcmp(key.name, "Akeys_entry") == 0;
  Wid.Comb_wid[2 * board + 6 + (assignment ? 1 : 0)] = entry;
  if (!assignment) gtk_entry_set_text(GTK_ENTRY(entry), Msg(Kana() ? "50音KB" : "英数KB"));
  return entry;
}

GtkWidget* Label(const KeyDef& key) {
  GtkWidget* button = Add(gtk_button_new_with_label(Msg(key.face)), key.name);
  gtk_widget_set_can_focus(button, FALSE);
  gtk_widget_set_size_request(button, key.width, key.height);
  if (std::strcmp(key.name, "hImod") == 0) {
    g_signal_connect(button, "button_release_event", G_CALLBACK(on_Combo_button),
                     GINT_TO_POINTER(Kana() ? kSelectorOpenKana : kSelectorOpenFull));
  } else if (std::strcmp(key.name, "Akeys") == 0) {
    g_signal_connect(button, "button_release_event", G_CALLBACK(on_Combo_button),
                     GINT_TO_POINTER(kSelectorOpenAssign));
  } else {
    ConnectClick(button, key.value);
  }
  return button;
}

GtkWidget* Strip(const KeyDef& key) {
  GtkWidget* strip = gtk_drawing_area_new();
  gtk_widget_set_size_request(strip, key.width, key.height);
  gtk_widget_set_style(strip, Res.WinStyle[1]);
  gtk_widget_show(strip);
  return strip;
}

GtkWidget* MakeKey(const KeyDef& key) {
  switch (key.kind) {
    case kFace:
    case kToggle: return FaceKey(key);
    case kEntry: return Entry(key);
    case kLabel: return Label(key);
    default: return Strip(key);
  }
}

const KeyContainer& Container(const char* name) {
  const KeyboardKeys& keys = kKeyboardKeys[board];
  for (size_t i = 0; i < keys.count; ++i)
    if (std::strcmp(keys.containers[i].name, name) == 0) return keys.containers[i];
  std::abort();  // the arrangements below name only containers of the data
}

const KeyDef& KeyOf(const char* container, const char* name) {
  const KeyContainer& c = Container(container);
  for (size_t i = 0; i < c.count; ++i)
    if (std::strcmp(c.keys[i].name, name) == 0) return c.keys[i];
  std::abort();
}

// A row or column box of the container's keys, leaving out the key named `skip`.
GtkWidget* Keys(const char* name, bool vertical, int spacing, const char* skip = "") {
  const KeyContainer& c = Container(name);
  GtkWidget* box = Add(vertical ? gtk_vbox_new(FALSE, spacing) : gtk_hbox_new(FALSE, spacing), name);
  for (size_t i = 0; i < c.count; ++i) {
    if (*skip && std::strcmp(c.keys[i].name, skip) == 0) continue;
    gtk_box_pack_start(GTK_BOX(box), MakeKey(c.keys[i]), FALSE, FALSE, 0);
  }
  return box;
}

void Attach(GtkWidget* table, GtkWidget* child, guint column, guint row, guint columns = 1) {
  gtk_table_attach(GTK_TABLE(table), child, column, column + columns, row, row + 1,
                   GtkAttachOptions(0), GtkAttachOptions(0), 0, 0);
}

// A selector: the entry and its ▽ button side by side.
GtkWidget* Selector(const char* name) {
  const KeyContainer& c = Container(name);
  GtkWidget* table = Add(gtk_table_new(1, 2, FALSE), name);
  for (size_t i = 0; i < c.count; ++i) Attach(table, MakeKey(c.keys[i]), static_cast<guint>(i), 0);
  return table;
}

// The title strip: the collapse key, the drag area and the labelled keys, left to right.
GtkWidget* Title(const char* name) { return Keys(name, false, 0); }

// The kana grid: 13 columns right to left in syllabary order, the assignment selector
// in columns 2-3 of the last row.
GtkWidget* KanaGrid(const char* name, const char* selector, int spacing) {
  const KeyContainer& c = Container(name);
  GtkWidget* table = Add(gtk_table_new(5, 13, FALSE), name);
  gtk_table_set_row_spacings(GTK_TABLE(table), static_cast<guint>(spacing));
  gtk_table_set_col_spacings(GTK_TABLE(table), static_cast<guint>(spacing));
  for (size_t i = 0; i < c.count; ++i) {
    const int v = c.keys[i].value;
    int column = 2, row = 0;
    if (v >= 101 && v <= 145) {
      column = 12 - (v - 101) / 5;
      row = (v - 101) % 5;
    } else if (v >= 146 && v <= 149) {
      column = 3;
      row = v - 146;
    } else if (v >= 151 && v <= 155) {
      column = 1;
      row = v - 151;
    } else if (v >= 156 && v <= 160) {
      column = 0;
      row = v - 156;
    } else {
      row = v == 150 ? 0 : v == kKanaVoiced ? 1 : v == kKanaSemiVoiced ? 2 : 3;  // ん ゛ ゜ ー
    }
    Attach(table, MakeKey(c.keys[i]), static_cast<guint>(column), static_cast<guint>(row));
  }
  GtkWidget* assign = Keys(selector, false, 0);
  Attach(table, assign, 2, 4, 2);
  return table;
}

// Space, ↑, Tab over ←, ↓, →.
GtkWidget* ArrowTable(const char* name, int spacing) {
  GtkWidget* table = Add(gtk_table_new(2, 3, FALSE), name);
  gtk_table_set_row_spacings(GTK_TABLE(table), static_cast<guint>(spacing));
  gtk_table_set_col_spacings(GTK_TABLE(table), static_cast<guint>(spacing));
  static const char* const kOrder[6] = {"Sspace", "Sup", "Stab", "Sleft", "Sdown", "Sright"};
  for (int i = 0; i < 6; ++i)
    Attach(table, MakeKey(KeyOf(name, kOrder[i])), static_cast<guint>(i % 3), static_cast<guint>(i / 3));
  return table;
}

GtkWidget* SoftKey1Body() {
  GtkWidget* enter = MakeKey(KeyOf("Hbox962", "Senter"));
  return Box(true, 5, {
      Box(false, 7, {Keys("Hbox921", false, 7), Selector("Table931")}),
      Box(false, 7, {
          Box(true, 5, {Keys("Hbox941", false, 7),
                        Box(false, 7, {Box(true, 5, {Keys("Hbox961", false, 7),
                                                     Keys("Hbox962", false, 7, "Senter")}),
                                       enter}),
                        Keys("Hbox951", false, 7), Keys("Hbox944", false, 7)}),
          Keys("Vbox932", true, 5),
          Box(true, 5, {Keys("Vbox933", true, 5), Selector("Table941")}),
      }),
  });
}

GtkWidget* SoftKey2Body() {
  GtkWidget* enter = MakeKey(KeyOf("HboxA52", "Senter"));
  return Box(false, 4, {
      Box(true, 4, {Keys("HboxA31", false, 4),
                    Box(false, 4, {Box(true, 4, {Keys("HboxA51", false, 4),
                                                 Keys("HboxA52", false, 4, "Senter")}),
                                   enter}),
                    Box(false, 4, {Keys("HboxA41", false, 4), Keys("HboxA42", false, 4)}),
                    Keys("HboxA34", false, 4)}),
      Box(true, 4, {Selector("TableA31"), Selector("TableA32")}),
  });
}

GtkWidget* SoftKey3Body() {
  GtkWidget* enter = MakeKey(KeyOf("HboxA52", "Senter"));
  return Box(true, 1, {
      Keys("HboxA21", false, 2),
      Box(false, 2, {
          Box(true, 1, {Keys("HboxA41", false, 2),
                        Box(false, 2, {Box(true, 1, {Keys("HboxA51", false, 2),
                                                     Keys("HboxA52", false, 2, "Senter")}),
                                       enter}),
                        Keys("HboxA53", false, 2), Keys("HboxA34", false, 2)}),
          Keys("VboxA22", true, 1),
          Box(true, 1, {Keys("VboxA23", true, 1), Keys("HboxA35", false, 0)}),
      }),
  });
}

// Key52 carries its input selector in the row of 変換, Key51 beside it.
GtkWidget* KanaBody(int spacing, int columnSpacing) {
  GtkWidget* convertRow = board == 3 ? Box(false, spacing, {Keys("HboxB31", false, spacing), Selector("TableB41")})
                                     : Keys("HboxB31", false, 0);
  return Box(false, spacing, {
      KanaGrid("TableB21", "HboxB34", spacing / 2),
      Box(true, spacing, {convertRow,
                          Keys("HboxB32", false, spacing), Keys("HboxB33", false, spacing),
                          ArrowTable("TableB31", spacing)}),
      Keys("VboxB22", true, columnSpacing),
  });
}

// The keys' places in their window, for the end-to-end tests.
gboolean TraceKeys(gpointer data) {
  const int k = GPOINTER_TO_INT(data);
  GtkWidget* w = Wid.Soft_wid.window[k];
  if (!w || !gtk_widget_get_mapped(w)) return FALSE;
  const KeyboardKeys& keys = kKeyboardKeys[k];
  for (size_t c = 0; c < keys.count; ++c) {
    for (size_t i = 0; i < keys.containers[c].count; ++i) {
      const KeyDef& key = keys.containers[c].keys[i];
      GtkWidget* widget = key.name[0] ? static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(w), key.name)) : nullptr;
      if (!widget) continue;
      GtkAllocation a;
      gtk_widget_get_allocation(widget, &a);
      Trace("SKEY %d %s x=%d y=%d width=%d height=%d", k, key.name, a.x, a.y, a.width, a.height);
    }
  }
  int x, y;
  gdk_window_get_origin(gtk_widget_get_window(w), &x, &y);
  GtkAllocation a;
  gtk_widget_get_allocation(w, &a);
  Trace("KEYBOARD mapped=%d xid=0x%lx x=%d y=%d width=%d height=%d", k,
        GDK_WINDOW_XID(gtk_widget_get_window(w)), x, y, a.width, a.height);
  return FALSE;
}

gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer data) {
  if (TraceOn()) g_idle_add(TraceKeys, data);
  return FALSE;
}

}  // namespace

GtkWidget* create_Keyboard(int k) {
  board = k;
  window = gtk_window_new(GTK_WINDOW_POPUP);
  const char* name = kKeyboardKeys[k].window;
  g_object_set_data(G_OBJECT(window), name, window);
  gtk_window_set_title(GTK_WINDOW(window), (std::string("sorenix-") + name).c_str());
  gtk_window_set_policy(GTK_WINDOW(window), FALSE, FALSE, FALSE);
  gtk_widget_set_events(window, GDK_BUTTON1_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                    GDK_BUTTON_RELEASE_MASK | GDK_VISIBILITY_NOTIFY_MASK);
  GtkWidget* body = nullptr;
  const char* title = k == 0 ? "Hbox901" : k <= 2 ? "HboxA01" : "HboxB01";
  switch (k) {
    case 0: body = SoftKey1Body(); break;
    case 1: body = SoftKey2Body(); break;
    case 2: body = SoftKey3Body(); break;
    case 3: body = KanaBody(4, 12); break;
    default: body = KanaBody(2, 5); break;
  }
  // The small keyboards are 402 x 163: rows one pixel apart, no border.
  gtk_container_set_border_width(GTK_CONTAINER(body), k == 2 || k == 4 ? 0 : 4);
  GtkWidget* rows = Box(true, 0, {Title(title), body});
  gtk_container_add(GTK_CONTAINER(window), rows);

  g_signal_connect(window, "button_press_event", G_CALLBACK(on_Soft_press_event), nullptr);
  g_signal_connect(window, "motion_notify_event", G_CALLBACK(on_Soft_notify_event), nullptr);
  g_signal_connect(window, "button_release_event", G_CALLBACK(on_Soft_release_event), nullptr);
  g_signal_connect(window, "visibility_notify_event", G_CALLBACK(on_RaiseWindow), nullptr);
  g_signal_connect(window, "map-event", G_CALLBACK(OnMapped), GINT_TO_POINTER(k));
  return window;
}

void on_Soft_clicked(GtkButton*, gpointer value) { SftKeybord(GPOINTER_TO_INT(value), 0); }

void on_Soft_toggled(GtkToggleButton* toggle, gpointer value) {
  SftKeybord(GPOINTER_TO_INT(value), gtk_toggle_button_get_active(toggle) ? 1 : 0);
}

void on_50k_clicked(GtkButton*, gpointer value) { Keybord50s(GPOINTER_TO_INT(value)); }

gboolean on_Soft_press_event(GtkWidget* widget, GdkEventButton* event, gpointer) {
  Win_Down(widget, event, 1);
  return FALSE;
}

gboolean on_Soft_notify_event(GtkWidget* widget, GdkEventMotion* event, gpointer) {
  Win_Move(widget, event);
  return FALSE;
}

gboolean on_Soft_release_event(GtkWidget* widget, GdkEventButton* event, gpointer) {
  SoftDragEnd(widget, event);
  return FALSE;
}
