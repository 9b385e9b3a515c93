// The registration dialog: pen input in two areas, the recognised name of the
// character with its alternatives, and registration into the user dictionary and
// the learning file.
#include "gtk/windows/udic.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/appstate.h"
#include "app/i18n.h"
#include "app/settings.h"
#include "app/trace.h"
#include "codes.h"
#include "dialogs/udicdata.h"
#include "dialogs/udicstore.h"
#include "dicfile.h"
#include "gtk/platform/timers.h"
#include "gtk/windows/winhandle.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/support.h"
#include "gtk/windows/udic_shared.h"
#include "gtk/windows/udic_widgets.h"
#include "gtk/windows/udicdsp.h"
#include "gtk/windows/widgets.h"
#include "pad/recogcycle.h"
#include "paths.h"
#include "recog.h"
#include "textconv.h"

namespace {

constexpr int kMsgWarn = kMboxBeep | kMboxStayReleased;                  // flags 48
constexpr int kMsgAsk = kMboxWithCancel | kMboxStayReleased;             // flags 33
constexpr int kLeft = 0;
constexpr int kRight = 1;

int lastX, lastY;  // previous point of the stroke, relative to its area

GtkWidget* Area(int a) { return Wid.Udic_wid[a == kLeft ? 0 : 1]; }

UdicRect RectOf(GtkWidget* w) {
  GtkAllocation a;
  gtk_widget_get_allocation(w, &a);
  return {a.x, a.y, a.width, a.height};
}

std::string EucOf(uint16_t code) {
  char euc[2];
  SjisToEucBytes(code, euc);
  return std::string(euc, 2);
}

std::string Utf8Of(uint16_t code) { return SjisCodeToUtf8(code); }

void ClearArea(GtkWidget* area) {
  if (gtk_widget_get_window(area)) gdk_window_clear(gtk_widget_get_window(area));
}

void ShowName() {
  gtk_entry_set_text(GTK_ENTRY(Wid.Udic_wid[2]), Dic_data.codes[0] ? Utf8Of(Dic_data.codes[0]).c_str() : "");
  Trace("UDIC name=%s", Dic_data.codes[0] ? Utf8Of(Dic_data.codes[0]).c_str() : "");
}

void DrawAlternative(int key, int mode, const char* style) {
  const uint16_t code = Dic_data.codes[key];
  const std::string face = std::string(MsgEuc(style)) + (code ? ";5:20:" + EucOf(code) : "");
  button_basedisp(mode, Wid.Udic_wid[2 + key], face.c_str());
}

void ShowAlternatives() {
  for (int k = 1; k < kUdicCodes; ++k) DrawAlternative(k, kFaceRedraw, "65");
}

bool Pending() { return Dic_data.codes[0] != 0 || !Dic_data.pattern.empty(); }

// The engine reads the saved user dictionary again.
void RestartEngine() {
  const ZkOptionRec options = ZkOption;
  ZkCRecEnd();
  const int loaded = ZkCRecInitializes();
  // A damaged file is kept by the next save; only a failed start is told here.
  if (loaded != kDicOk && loaded != kDicUserDamaged) UdicMessage(kMsgWarn, "%s", Msg("辞書の読み込みに失敗しました"));
  ZkOption = options;
}


// Traces where the dialog's areas and keys are on the screen, for the end-to-end tests.
gboolean TraceShown(GtkWidget* window, GdkEvent*, gpointer) {
  if (!TraceOn()) return FALSE;
  int ox, oy;
  gdk_window_get_origin(gtk_widget_get_window(window), &ox, &oy);
  const UdicRect l = RectOf(Area(kLeft)), r = RectOf(Area(kRight));
  std::string keys;
  for (const char* name : {"DicOK", "DicCancel", "DicElace", "DicTable", "DicEnd"}) {
    int x, y;
    WidgetCentre(lookup_widget(window, name), &x, &y);
    keys += std::string(keys.empty() ? "" : ";") + std::to_string(x) + "," + std::to_string(y);
  }
  Trace("UDIC shown left=%d,%d,%d,%d right=%d,%d,%d,%d keys=%s", ox + l.x, oy + l.y, l.width, l.height, ox + r.x,
        oy + r.y, r.width, r.height, keys.c_str());
  return FALSE;
}

void CloseDialog() {
  UdicCleaEx(3);
  gtk_widget_hide(Wid.Wdlg_wid[1]);
  UdicCleaEx(1);
  App.Rais_paus = 1;
  FreeGrabEx(1);
  if (Wid.Main_wid[0] && gtk_widget_get_window(Wid.Main_wid[0])) gdk_window_raise(gtk_widget_get_window(Wid.Main_wid[0]));
  Trace("UDIC closed");
}

void ClearAll() {
  if (!MessageBox(Msg("一括消去しますか？"), kMsgAsk)) return;
  UdicCleaEx(2);
  UdicFiles files;
  const UdicResult r = UdicClearAll(&files);
  if (r.outcome == UdicOutcome::kDictionaryFailed || r.outcome == UdicOutcome::kInconsistent)
    UdicMessage(kMsgWarn, Msg("辞書登録に失敗しました [%d]"), r.code);
  else if (r.outcome != UdicOutcome::kDone)
    UdicMessage(kMsgWarn, Msg("[%s/%s/%s]が削除できません"), ZkHomeDir().c_str(), Msg(".ZkCrec"), Msg("Learn.dat"));
  UdicTellCopies(r);
  Trace("UDIC cleared");
}

}  // namespace

void Udic_Open() {
  App.Rais_paus = 0;
  FreeGrabEx(0);
  if (!Wid.Wdlg_wid[1]) {
    Wid.Wdlg_wid[1] = create_Udic();
    g_signal_connect(Wid.Wdlg_wid[1], "map-event", G_CALLBACK(TraceShown), nullptr);
  } else {
    UdicCleaEx(2);
  }
  gtk_widget_show(Wid.Wdlg_wid[1]);
  Dic_data.area = -1;
  Dic_data.pen_down = 0;
  UdicInkReset(&Dic_data);
  UdicClearCodes(&Dic_data);
  Dic_data.pattern.clear();
}

void Usdic_Down(GdkEventButton* event) {
  if (event->button != 1 || Dic_data.pen_down || event->window != gtk_widget_get_window(Wid.Wdlg_wid[1])) return;
  const UdicRect areas[2] = {RectOf(Area(kLeft)), RectOf(Area(kRight))};
  const int x = static_cast<int>(event->x), y = static_cast<int>(event->y);
  const int at = UdicAreaAt(areas, x, y);
  if (at < 0 || (Dic_data.area >= 0 && at != Dic_data.area)) {
    gdk_beep();  // the strokes of one character stay in one area
    return;
  }
  Dic_data.area = static_cast<int16_t>(at);
  TimerRemove(kTimerRecog);
  Dic_data.pen_down = 1;
  lastX = x - areas[at].x;
  lastY = y - areas[at].y;
  UdicStrokeBegin(&Dic_data, lastX, lastY);
}

void Usdic_Move(GdkEventMotion* event) {
  if (!Dic_data.pen_down || Dic_data.area < 0) return;
  const UdicRect r = RectOf(Area(Dic_data.area));
  const int x = static_cast<int>(event->x) - r.x, y = static_cast<int>(event->y) - r.y;
  GdkWindow* window = gtk_widget_get_window(Area(Dic_data.area));
  if (window) gdk_draw_line(window, Res.Pens_gc, lastX, lastY, x, y);
  lastX = x;
  lastY = y;
  UdicStrokePoint(&Dic_data, x, y);
}

void Usdic_Upex(GdkEventButton* event) {
  if (event->button != 1 || !Dic_data.pen_down) return;
  Dic_data.pen_down = 0;
  Usdic_Move(reinterpret_cast<GdkEventMotion*>(event));  // x, y sit alike in both events
  Trace("UDIC stroke area=%d strokes=%d", Dic_data.area, Dic_data.strokes);
  TimerStart(kTimerRecog, static_cast<guint>(Ap_table.recog_timer), TimUrdicEx, nullptr);
}

gboolean TimUrdicEx(gpointer) {
  TimerFinished(kTimerRecog);
  const int area = Dic_data.area;
  Dic_data.area = -1;
  if (area < 0) return FALSE;
  std::vector<uint16_t> pen = UdicInkTake(&Dic_data);
  ClearArea(Area(area));
  if (area == kRight) {
    Dic_data.pattern = std::move(pen);
    UdicDrawPen(Area(kRight), Dic_data.pattern, 1, true);
    Trace("UDIC sample words=%zu", Dic_data.pattern.size());
    return FALSE;
  }
  const ZkOptionRec saved = ZkOption;
  const UdicRect r = RectOf(Area(kLeft));
  ZkOption.flags = 0;  // full-width codes: the dictionary holds Shift-JIS characters
  ZkOption.frameX = 0;
  ZkOption.frameY = 0;
  ZkOption.frameWidth = static_cast<int16_t>(r.width);
  ZkOption.frameHeight = static_cast<int16_t>(r.height);
  ZkResult result{};
  const int rc = ZkRecogEx(pen.data(), pen.size(), &result);
  ZkOption = saved;
  if (rc != 0 || result.count <= 0) return FALSE;
  uint16_t codes[kResultEntries];
  for (int i = 0; i < result.count && i < kResultEntries; ++i) codes[i] = result.entry[i].code;
  if (UdicSetCandidates(&Dic_data, codes, result.count < kResultEntries ? result.count : kResultEntries) == 0)
    return FALSE;
  ShowName();
  ShowAlternatives();
  return FALSE;
}

void LeaDicSave() {
  if (Dic_data.codes[0] == 0) {
    MessageBox(Msg("[正しい文字]を指定して下さい"), kMsgWarn);
    return;
  }
  if (Dic_data.pattern.empty()) {
    MessageBox(Msg("[登録するパターン]を指定して下さい"), kMsgWarn);
    return;
  }
  const uint16_t code = Dic_data.codes[0];
  const std::string euc = EucOf(code);
  const uint8_t bytes[2] = {static_cast<uint8_t>(euc[0]), static_cast<uint8_t>(euc[1])};
  UdicFiles files;
  const UdicResult r = UdicRegister(&files, code, bytes, Dic_data.pattern);
  switch (r.outcome) {
    case UdicOutcome::kAlreadyTaught:
      UdicMessageEuc(kMsgWarn, MsgEuc("[%.2s] は登録済です"), euc.c_str());
      return;
    case UdicOutcome::kDictionaryFailed:
      UdicTellCopies(r);
      UdicMessage(kMsgWarn, Msg("辞書登録に失敗しました [%d]"), r.code);
      return;
    case UdicOutcome::kLearnFailed:
      UdicMessage(kMsgWarn, Msg("[%s/%s/%s]が作成できません"), ZkHomeDir().c_str(), Msg(".ZkCrec"), Msg("Learn.dat"));
      return;
    case UdicOutcome::kLearnUnreadable:
      UdicTellUnreadable();
      return;
    case UdicOutcome::kInconsistent:
      // The sample is in the learning file without its pattern: the next start registers it.
      UdicMessage(kMsgWarn, Msg("辞書登録に失敗しました [%d]"), r.code);
      return;
    case UdicOutcome::kDone:
      break;
  }
  UdicTellCopies(r);
  RestartEngine();
  Trace("UDIC registered %s", Utf8Of(code).c_str());
  UdicCleaEx(2);
}

void Udic_Click(int value) {
  if (value >= 41) {
    DrawAlternative(value - 40, kFaceReleased, "65");
    return;
  } else if (value >= 31) {
    DrawAlternative(value - 30, kFacePressed, "66");
    return;
  } else {
    Trace("UDIC key %d", value);
  }
  if (value >= 11 && value <= 19) {
    if (!UdicSwapCandidate(&Dic_data, value - 10)) {
      gdk_beep();
      return;
    }
    ShowName();
    DrawAlternative(value - 10, kFaceReleased, "65");
    return;
  }
  switch (value) {
    case 1: LeaDicSave(); break;
    case 2:
      if (Pending() && !MessageBox(Msg("未登録情報があります\nが表示しますか？"), kMsgAsk)) return;
      LeaDicStrt();
      break;
    case 3: ClearAll(); break;
    case 4: UdicCleaEx(2); break;
    case 5:
      if (Pending() && !MessageBox(Msg("未登録情報がありますが\n終了しますか？"), kMsgAsk)) return;
      CloseDialog();
      break;
    default: break;
  }
}

void Udic_Redraw() {
  if (!Dic_data.pattern.empty()) UdicDrawPen(Wid.Udic_wid[1], Dic_data.pattern, 1, false);
}

// --- The registration window -----------------------------------------------------

namespace {

void on_Udic_clicked(GtkButton*, gpointer value) { Udic_Click(GPOINTER_TO_INT(value)); }

GtkWidget* DialogKey(GtkWidget* top, const char* name, const char* face, const char* pressed, int value) {
  return UdicKey(top, name, face, pressed, G_CALLBACK(on_Udic_clicked), value);
}

gboolean on_Udic_expose(GtkWidget*, GdkEventExpose*, gpointer) {
  Udic_Redraw();
  return FALSE;
}

gboolean on_Udic_MouseDown(GtkWidget*, GdkEventButton* event, gpointer) {
  Usdic_Down(event);
  return FALSE;
}

gboolean on_Udic_MouseMove(GtkWidget*, GdkEventMotion* event, gpointer) {
  Usdic_Move(event);
  return FALSE;
}

gboolean on_Udic_MouseUp_event(GtkWidget*, GdkEventButton* event, gpointer) {
  Usdic_Upex(event);
  return FALSE;
}

gboolean on_Udic_button_event(GtkWidget*, GdkEventButton*, gpointer value) {
  Udic_Click(GPOINTER_TO_INT(value));
  return FALSE;
}

}  // namespace

GtkWidget* create_Udic() {
  GtkWidget* Udic = UdicPopup("sorenix-udic");
  g_object_set_data(G_OBJECT(Udic), "Udic", Udic);
  gtk_widget_set_events(Udic, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_BUTTON1_MOTION_MASK);
  g_signal_connect(Udic, "button_press_event", G_CALLBACK(on_Udic_MouseDown), nullptr);
  g_signal_connect(Udic, "motion_notify_event", G_CALLBACK(on_Udic_MouseMove), nullptr);
  g_signal_connect(Udic, "button_release_event", G_CALLBACK(on_Udic_MouseUp_event), nullptr);

  GtkWidget* table = AddNamed(Udic, gtk_table_new(2, 2, FALSE), "Table511");
  gtk_table_set_col_spacings(GTK_TABLE(table), 3);
  gtk_container_add(GTK_CONTAINER(Udic), table);
  GtkWidget* left = UdicInkArea(Udic, "Frame521", "手書入力欄", "Draw531", 220, 200, &Wid.Udic_wid[0]);
  GtkWidget* right = UdicInkArea(Udic, "Frame522", "登録するパターン", "Draw532", 220, 200, &Wid.Udic_wid[1]);
  gtk_container_set_border_width(GTK_CONTAINER(left), 5);
  gtk_container_set_border_width(GTK_CONTAINER(right), 5);
  g_signal_connect_after(Wid.Udic_wid[1], "expose_event", G_CALLBACK(on_Udic_expose), GINT_TO_POINTER(1));
  gtk_table_attach(GTK_TABLE(table), left, 0, 1, 0, 1, GTK_FILL, GTK_FILL, 0, 0);
  gtk_table_attach(GTK_TABLE(table), right, 1, 2, 0, 1, GTK_FILL, GTK_FILL, 0, 0);

  GtkWidget* column = AddNamed(Udic, gtk_vbox_new(FALSE, 5), "Vbox521");
  gtk_table_attach(GTK_TABLE(table), column, 0, 1, 1, 2, GTK_FILL, GTK_FILL, 0, 0);
  GtkWidget* nameRow = AddNamed(Udic, gtk_hbox_new(FALSE, 0), "Hbox531");
  gtk_box_pack_start(GTK_BOX(column), nameRow, FALSE, FALSE, 0);
  GtkWidget* label = AddNamed(Udic, gtk_label_new(Msg("正しい文字")), "Label541");
  gtk_widget_set_size_request(label, 170, -1);
  gtk_box_pack_start(GTK_BOX(nameRow), label, FALSE, FALSE, 0);
  Wid.Udic_wid[2] = UdicCharEntry(Udic, "DicCode", 24);
  gtk_box_pack_end(GTK_BOX(nameRow), Wid.Udic_wid[2], FALSE, FALSE, 0);
  GtkWidget* alternatives = AddNamed(Udic, gtk_hbox_new(FALSE, 0), "Hbox532");
  gtk_box_pack_start(GTK_BOX(column), alternatives, FALSE, FALSE, 0);
  for (int i = 0; i < 9; ++i) {
    char name[16];
    g_snprintf(name, sizeof name, "Dkoho%d", i + 2);
    GtkWidget* key = AddNamed(Udic, button_basedisp(kFaceNewButton, nullptr, MsgEuc("65")), name);
    gtk_widget_set_size_request(key, 24, kUdicKeyHeight);
    g_signal_connect(key, "clicked", G_CALLBACK(on_Udic_clicked), GINT_TO_POINTER(11 + i));
    g_signal_connect(key, "button_press_event", G_CALLBACK(on_Udic_button_event), GINT_TO_POINTER(31 + i));
    g_signal_connect(key, "button_release_event", G_CALLBACK(on_Udic_button_event), GINT_TO_POINTER(41 + i));
    gtk_box_pack_start(GTK_BOX(alternatives), key, FALSE, FALSE, 0);
    Wid.Udic_wid[3 + i] = key;
  }

  GtkWidget* keys = AddNamed(Udic, gtk_table_new(2, 3, FALSE), "Table521");
  gtk_table_set_row_spacings(GTK_TABLE(keys), 5);
  gtk_table_set_col_spacings(GTK_TABLE(keys), 10);
  gtk_container_set_border_width(GTK_CONTAINER(keys), 5);
  gtk_table_attach(GTK_TABLE(table), keys, 1, 2, 1, 2, GTK_FILL, GTK_FILL, 0, 0);
  auto place = [&](GtkWidget* key, int col, int row) {
    gtk_table_attach(GTK_TABLE(keys), key, col, col + 1, row, row + 1, GTK_FILL, GTK_FILL, 0, 0);
  };
  place(DialogKey(Udic, "DicOK", "59;16:17:登録", "60;16:17:登録", 1), 1, 0);
  place(DialogKey(Udic, "DicCancel", "59;16:17:取消", "60;16:17:取消", 4), 2, 0);
  place(DialogKey(Udic, "DicElace", "67;8:17:全削除", "60;8:17:全削除", 3), 0, 1);
  place(DialogKey(Udic, "DicTable", "59;16:17:一覧", "60;16:17:一覧", 2), 1, 1);
  place(DialogKey(Udic, "DicEnd", "59;16:17:終了", "60;16:17:終了", 5), 2, 1);
  return Udic;
}
