// What the registration dialog and the browser of taught samples share: their
// messages, pen data drawn in an area, and the reset of the working record.
#include "gtk/windows/udic_shared.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "app/i18n.h"
#include "app/settings.h"
#include "dialogs/udicdata.h"
#include "dialogs/udicstore.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/msgbox.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"
#include "textconv.h"
#include "usrdic.h"

namespace {

constexpr int kMsgWarn = kMboxBeep | kMboxStayReleased;  // flags 48

}  // namespace

void UdicMessage(int style, const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  MessageBox(text, style);
}

void UdicMessageEuc(int style, const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  std::string utf8;
  MessageBox(EucToUtf8(text, &utf8) ? utf8.c_str() : text, style);
}

void UdicTellCopies(const UdicResult& r) {
  if (!r.learnCopy.empty())
    UdicMessage(kMsgWarn, Msg("学習辞書の一部が読めませんでした。読めた分だけを残し、元のファイルは %s に残しました。"),
                r.learnCopy.c_str());
  // The user dictionary was damaged behind the pad's back since the engine read it;
  // the save just now kept it.
  static std::string told;
  if (ZkUsrDicDamagedCopyFresh() && ZkUsrDicDamagedCopy() != told) {
    told = ZkUsrDicDamagedCopy();
    UdicMessage(kMsgWarn, Msg("ユーザ辞書が壊れていました。読めた分だけを使います。元のファイルは %s に残しました。"),
                told.c_str());
  }
}

void UdicTellUnreadable() {
  UdicMessage(kMsgWarn, Msg("学習辞書 %s が大きすぎるか読めないため、変更しません。"), LearnFilePath().c_str());
}

void UdicCleaEx(int mode) {
  UdicClearCodes(&Dic_data);
  Dic_data.pattern.clear();
  if (mode == 2) {
    if (GdkWindow* right = gtk_widget_get_window(Wid.Udic_wid[1])) gdk_window_clear(right);
    gtk_entry_set_text(GTK_ENTRY(Wid.Udic_wid[2]), "");
    for (int k = 1; k < kUdicCodes; ++k) button_basedisp(kFaceRedraw, Wid.Udic_wid[2 + k], MsgEuc("65"));
  } else if (mode == 3) {
    Dic_data.records.clear();
    Dic_data.entries = 0;
    Dic_data.cell = 0;
  }
}

void UdicDrawPen(GtkWidget* area, const std::vector<uint16_t>& pen, int divisor, bool pause) {
  GdkWindow* window = gtk_widget_get_window(area);
  if (!window) return;
  size_t i = 0;
  while (i + 1 < pen.size() && pen[i] == kStrokeMark) {
    const size_t n = pen[i + 1];
    const size_t first = i + 2;
    if (first + 2 * n > pen.size()) break;
    for (size_t p = 1; p < n; ++p) {
      const int x0 = static_cast<int16_t>(pen[first + 2 * p - 2]) / divisor;
      const int y0 = static_cast<int16_t>(pen[first + 2 * p - 1]) / divisor;
      const int x1 = static_cast<int16_t>(pen[first + 2 * p]) / divisor;
      const int y1 = static_cast<int16_t>(pen[first + 2 * p + 1]) / divisor;
      gdk_draw_line(window, Res.Pens_gc, x0, y0, x1, y1);
      if (pause) {
        gdk_flush();
        g_usleep(static_cast<gulong>(Ap_table.dsleep) * 100);  // the replay pause setting
      }
    }
    i = first + 2 * n;
  }
  gdk_flush();
}
