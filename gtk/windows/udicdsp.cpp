// The browser of taught samples: eight per page, each with its character and its ink
// at a third of its size; replaying a sample and deleting it from the user dictionary
// and the learning file. The learning file is read whole when the browser opens.
#include <sys/stat.h>

#include <string>

#include "app/i18n.h"
#include "app/trace.h"
#include "codes.h"
#include "dialogs/udicdata.h"
#include "dialogs/udicstore.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/support.h"
#include "gtk/windows/udic_shared.h"
#include "gtk/windows/udicdsp.h"
#include "gtk/windows/udic_widgets.h"
#include "gtk/windows/widgets.h"
#include "textconv.h"

namespace {

constexpr int kMsgWarn = kMboxBeep | kMboxStayReleased;
constexpr int kMsgAsk = kMboxWithCancel | kMboxStayReleased;
constexpr int kInkDivisor = 3;

GtkWidget* Entry(int cell) { return Wid.Udic_wid[19 + cell]; }
GtkWidget* Ink(int cell) { return Wid.Udic_wid[11 + cell]; }

std::string Utf8OfRecord(const LearnRecord& r) {
  std::string utf8;
  if (!EucToUtf8(std::string(reinterpret_cast<const char*>(r.euc), 2), &utf8)) return "?";
  return utf8;
}

const LearnRecord* RecordOfCell(int cell) {
  const int r = UdicRecordAt(Dic_data.page, cell, Dic_data.entries);
  return r < 0 || r >= static_cast<int>(Dic_data.records.size()) ? nullptr : &Dic_data.records[r];
}

void Unselect() {
  if (Dic_data.cell > 0) gtk_editable_select_region(GTK_EDITABLE(Entry(Dic_data.cell)), 0, 0);
  Dic_data.cell = 0;
}

void TraceShown() {
  if (!TraceOn()) return;
  std::string keys, cells;
  for (const char* name : {"Dback", "Dnext", "Ddisp", "Ddelete", "Dreturn"}) {
    int x, y;
    WidgetCentre(lookup_widget(Wid.Wdlg_wid[2], name), &x, &y);
    keys += std::string(keys.empty() ? "" : ";") + std::to_string(x) + "," + std::to_string(y);
  }
  for (int c = 1; c <= kUdicCells; ++c) {
    int x, y;
    WidgetCentre(Ink(c), &x, &y);
    cells += std::string(cells.empty() ? "" : ";") + std::to_string(x) + "," + std::to_string(y);
  }
  Trace("UDICDSP shown keys=%s cells=%s", keys.c_str(), cells.c_str());
}

gboolean OnMapped(GtkWidget*, GdkEvent*, gpointer) {
  TraceShown();
  return FALSE;
}

void ReturnToDialog() {
  gtk_widget_hide(Wid.Wdlg_wid[2]);
  UdicCleaEx(3);
  gtk_widget_show(Wid.Wdlg_wid[1]);
  Trace("UDICDSP closed");
}

}  // namespace

void LeaDicStrt() {
  UdicFiles files;
  UdicListing listing = UdicBrowserRecords(&files);
  if (listing.read != LearnRead::kRead) {
    UdicTellUnreadable();
    if (listing.records.empty()) return;  // patterns without samples are still listed
  } else if (!listing.clean) {
    // The records after the damage stay in the file until a change keeps a copy of it.
    MessageBox(Msg("学習辞書の一部が読めませんでした"), kMsgWarn);
  }
  if (listing.records.empty()) {
    struct stat st;
    const bool exists = ::stat(LearnFilePath().c_str(), &st) == 0;
    if (listing.clean) MessageBox(exists ? Msg("学習辞書が空です") : Msg("学習辞書はありません"), kMsgWarn);
    return;
  }
  std::vector<LearnRecord> records = std::move(listing.records);
  UdicCleaEx(2);
  gtk_widget_hide(Wid.Wdlg_wid[1]);
  UdicCleaEx(1);
  if (!Wid.Wdlg_wid[2]) {
    Wid.Wdlg_wid[2] = create_UdicDsp();
    g_signal_connect(Wid.Wdlg_wid[2], "map-event", G_CALLBACK(OnMapped), nullptr);
  }
  Dic_data.records = std::move(records);
  Dic_data.entries = static_cast<int16_t>(Dic_data.records.size() > 32767 ? 32767 : Dic_data.records.size());
  Dic_data.page = 1;
  Dic_data.cell = 0;
  gtk_widget_show(Wid.Wdlg_wid[2]);
  LeaDicDisp();
}

void LeaDicDisp() {
  Unselect();
  std::string shown;
  for (int c = 1; c <= kUdicCells; ++c) {
    const LearnRecord* r = RecordOfCell(c);
    gtk_entry_set_text(GTK_ENTRY(Entry(c)), r ? Utf8OfRecord(*r).c_str() : "");
    if (gtk_widget_get_window(Ink(c))) gdk_window_clear(gtk_widget_get_window(Ink(c)));
    if (r) UdicDrawPen(Ink(c), r->pen, kInkDivisor, false);
    shown += std::string(c > 1 ? "|" : "") + (r ? Utf8OfRecord(*r) : "");
  }
  char page[32];
  std::snprintf(page, sizeof page, "%d/%d", Dic_data.page, UdicPageCount(Dic_data.entries));
  gtk_label_set_text(GTK_LABEL(Wid.Udic_wid[28]), page);
  gdk_flush();
  Trace("UDICDSP page=%s cells=%s", page, shown.c_str());
}

void Udic_RedrawCell(int cell) {
  if (!Wid.Wdlg_wid[2] || !gtk_widget_get_visible(Wid.Wdlg_wid[2])) return;
  const LearnRecord* r = RecordOfCell(cell);
  if (r) UdicDrawPen(Ink(cell), r->pen, kInkDivisor, false);
}

void LeaInkDisp() {
  const LearnRecord* r = RecordOfCell(Dic_data.cell);
  if (r && r->pen.empty()) gdk_beep();  // a pattern whose sample was lost: nothing to replay
  if (r && !r->pen.empty()) {
    GtkWidget* area = Ink(Dic_data.cell);
    if (gtk_widget_get_window(area)) gdk_window_clear(gtk_widget_get_window(area));
    UdicDrawPen(area, r->pen, kInkDivisor, true);
  }
  Unselect();
}

void LeaDicDelt() {
  const int index = UdicRecordAt(Dic_data.page, Dic_data.cell, Dic_data.entries);
  Unselect();
  if (index < 0) return;
  const LearnRecord record = Dic_data.records[index];
  UdicFiles files;
  const UdicResult r = UdicDeleteRecord(&files, &Dic_data.records, index);
  switch (r.outcome) {
    case UdicOutcome::kDone:
      break;
    case UdicOutcome::kDictionaryFailed:
      UdicMessageEuc(kMsgWarn, MsgEuc("[%.2s]が削除できません :%d,%x"), reinterpret_cast<const char*>(record.euc),
                     r.code, EucToSjis(record.euc[0], record.euc[1]));
      return;
    case UdicOutcome::kLearnFailed:
      MessageBox(Msg("一時ファイル作成失敗"), kMsgWarn);
      return;
    case UdicOutcome::kLearnUnreadable:
      UdicTellUnreadable();
      return;
    default:
      // The sample is gone, its pattern stays: it is listed and can be deleted again.
      UdicMessageEuc(kMsgWarn, MsgEuc("[%.2s]が削除できません :%d,%x"), reinterpret_cast<const char*>(record.euc),
                     r.code, EucToSjis(record.euc[0], record.euc[1]));
      return;
  }
  UdicTellCopies(r);
  Trace("UDICDSP deleted %s", Utf8OfRecord(record).c_str());
  Dic_data.entries = static_cast<int16_t>(Dic_data.records.size());
  if (Dic_data.entries == 0) {
    ReturnToDialog();
    return;
  }
  Dic_data.page = static_cast<int16_t>(UdicPageAfterDelete(Dic_data.page, Dic_data.entries));
  LeaDicDisp();
}

void Udic_Selct(GdkEventButton* event) {
  if (!Wid.Wdlg_wid[2] || event->window != gtk_widget_get_window(Wid.Wdlg_wid[2])) return;
  Unselect();
  for (int c = 1; c <= kUdicCells; ++c) {
    GtkAllocation a;
    gtk_widget_get_allocation(Ink(c), &a);
    const int x = static_cast<int>(event->x), y = static_cast<int>(event->y);
    if (x < a.x || x >= a.x + a.width || y < a.y || y >= a.y + a.height) continue;
    if (!RecordOfCell(c)) {
      gdk_beep();
      return;
    }
    Dic_data.cell = static_cast<int16_t>(c);
    gtk_editable_select_region(GTK_EDITABLE(Entry(c)), 0, -1);
    Trace("UDICDSP selected %d", c);
    return;
  }
}

void Udic_BrowserKey(int value) {
  const int pages = UdicPageCount(Dic_data.entries);
  switch (value) {
    case 101:
      if (Dic_data.page <= 1) return gdk_beep();
      --Dic_data.page;
      LeaDicDisp();
      break;
    case 102:
      if (Dic_data.page >= pages) return gdk_beep();
      ++Dic_data.page;
      LeaDicDisp();
      break;
    case 103:
      if (Dic_data.cell == 0) return gdk_beep();
      LeaInkDisp();
      break;
    case 104:
      if (Dic_data.cell == 0) return gdk_beep();
      if (MessageBox(Msg("削除しますか？"), kMsgAsk))
        LeaDicDelt();
      else
        Unselect();
      break;
    case 105: ReturnToDialog(); break;
    default: break;
  }
}

// --- The window ------------------------------------------------------------------

namespace {

gboolean on_UdicDsp_button_press_event(GtkWidget*, GdkEventButton* event, gpointer) {
  Udic_Selct(event);
  return FALSE;
}

gboolean on_UdicDsp_expose(GtkWidget*, GdkEventExpose*, gpointer cell) {
  Udic_RedrawCell(GPOINTER_TO_INT(cell));
  return FALSE;
}

void on_UdicDsp_clicked(GtkButton*, gpointer value) {
  Trace("UDIC key %d", GPOINTER_TO_INT(value));
  Udic_BrowserKey(GPOINTER_TO_INT(value));
}

GtkWidget* BrowserKey(GtkWidget* top, const char* name, const char* face, const char* pressed, int value) {
  return UdicKey(top, name, face, pressed, G_CALLBACK(on_UdicDsp_clicked), value);
}

}  // namespace

GtkWidget* create_UdicDsp() {
  GtkWidget* UdicDsp = UdicPopup("sorenix-udicdsp");
  g_object_set_data(G_OBJECT(UdicDsp), "UdicDsp", UdicDsp);
  gtk_widget_set_events(UdicDsp, GDK_BUTTON_PRESS_MASK);
  g_signal_connect(UdicDsp, "button_press_event", G_CALLBACK(on_UdicDsp_button_press_event), nullptr);

  GtkWidget* column = AddNamed(UdicDsp, gtk_vbox_new(FALSE, 0), "Vbox611");
  gtk_container_add(GTK_CONTAINER(UdicDsp), column);
  GtkWidget* frame = AddNamed(UdicDsp, gtk_frame_new(nullptr), "Frame621");
  gtk_box_pack_start(GTK_BOX(column), frame, FALSE, FALSE, 0);
  GtkWidget* cells = AddNamed(UdicDsp, gtk_vbox_new(FALSE, 0), "Vbox631");
  gtk_container_set_border_width(GTK_CONTAINER(cells), 3);
  gtk_container_add(GTK_CONTAINER(frame), cells);
  for (int half = 0; half < 2; ++half) {
    GtkWidget* entries = AddNamed(UdicDsp, gtk_hbox_new(FALSE, 0), half ? "Hbox643" : "Hbox641");
    GtkWidget* inks = AddNamed(UdicDsp, gtk_hbox_new(FALSE, 10), half ? "Hbox644" : "Hbox642");
    gtk_widget_set_size_request(inks, -1, 100);
    gtk_box_pack_start(GTK_BOX(cells), entries, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(cells), inks, FALSE, FALSE, 0);
    for (int i = 0; i < 4; ++i) {
      const int c = 4 * half + i;
      char name[16];
      g_snprintf(name, sizeof name, "DTable_c%d", c + 1);
      Wid.Udic_wid[20 + c] = UdicCharEntry(UdicDsp, name, 24);
      gtk_box_pack_start(GTK_BOX(entries), Wid.Udic_wid[20 + c], FALSE, FALSE, 44);
      char frameName[16], areaName[16];
      g_snprintf(frameName, sizeof frameName, "Frame65%d", c + 1);
      g_snprintf(areaName, sizeof areaName, "Draw66%d", c + 1);
      GtkWidget* cell = UdicInkArea(UdicDsp, frameName, nullptr, areaName, 105, 100, &Wid.Udic_wid[12 + c]);
      g_signal_connect_after(Wid.Udic_wid[12 + c], "expose_event", G_CALLBACK(on_UdicDsp_expose),
                             GINT_TO_POINTER(c + 1));
      gtk_box_pack_start(GTK_BOX(inks), cell, FALSE, FALSE, 0);
    }
  }
  GtkWidget* row = AddNamed(UdicDsp, gtk_hbox_new(FALSE, 0), "Hbox621");
  gtk_widget_set_size_request(row, -1, kUdicKeyHeight);
  gtk_box_pack_start(GTK_BOX(column), row, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), BrowserKey(UdicDsp, "Dback", "59;16:17:前頁", "60;16:17:前頁", 101), FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(row), BrowserKey(UdicDsp, "Dnext", "59;16:17:次頁", "60;16:17:次頁", 102), FALSE, FALSE, 0);
  Wid.Udic_wid[28] = AddNamed(UdicDsp, gtk_label_new(""), "Label631");
  gtk_widget_set_size_request(Wid.Udic_wid[28], 150, -1);
  gtk_box_pack_start(GTK_BOX(row), Wid.Udic_wid[28], FALSE, FALSE, 30);
  GtkWidget* buttons = AddNamed(UdicDsp, gtk_hbutton_box_new(), "Hbbtn631");
  gtk_widget_set_size_request(buttons, 190, -1);
  gtk_box_pack_start(GTK_BOX(row), buttons, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(buttons), BrowserKey(UdicDsp, "Ddisp", "59;16:17:筆順", "60;16:17:筆順", 103));
  gtk_container_add(GTK_CONTAINER(buttons), BrowserKey(UdicDsp, "Ddelete", "59;16:17:削除", "60;16:17:削除", 104));
  gtk_container_add(GTK_CONTAINER(buttons), BrowserKey(UdicDsp, "Dreturn", "59;16:17:戻る", "60;16:17:戻る", 105));
  return UdicDsp;
}
