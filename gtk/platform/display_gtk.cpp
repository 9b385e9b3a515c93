// The pending line and the alternative and enter keys, drawn with GDK and Pango.
#include "pad/display.h"

#include <gtk/gtk.h>

#include <string>

#include "app/appstate.h"
#include "app/i18n.h"
#include "gtk/windows/faces.h"
#include "gtk/windows/resources.h"
#include "gtk/windows/widgets.h"
#include "pad/inkdata.h"
#include "pad/keyfaces.h"
#include "pad/pending.h"
#include "pad/platform.h"
#include "textconv.h"

namespace {

constexpr int kTextPitch = 15;
constexpr int kTextBaseline = 18;
constexpr int kInvertTop = 5;
constexpr int kInvertHeight = 16;
constexpr int kCaretOffset = 6;  // in the gap between two 15-pixel character cells
constexpr int kCaretWidth = 1;

class GtkPadDisplay : public PadDisplay {
 public:
  void PendingText() override {
    TxbuffDisp();
    TracePending();
  }
  void CandidateKeys(int n) override { ResultDisp(n); }
  void EnterKey(int n) override { EnterDisp(n); }
  void Beep() override { gdk_beep(); }
};

void DrawChar(GdkWindow* window, const std::string& euc, int x) {
  std::string utf8;
  if (!EucToUtf8(euc, &utf8)) return;
  PangoLayout* layout = gtk_widget_create_pango_layout(Wid.Main_wid[kSlotPendingArea], utf8.c_str());
  pango_layout_set_font_description(layout, Res.Fonts[0]);
  if (PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0))
    gdk_draw_layout_line(window, Res.Butn_gc[kGcNormalText], x, kTextBaseline, line);
  g_object_unref(layout);
}

}  // namespace

void TxbuffDisp() {
  GtkWidget* area = Wid.Main_wid[kSlotPendingArea];
  if (!App.wind_dsp[kShownMain] || !area || !gtk_widget_get_realized(area)) return;
  GdkWindow* window = gtk_widget_get_window(area);
  GtkAllocation alloc;
  gtk_widget_get_allocation(area, &alloc);
  gdk_draw_rectangle(window, gtk_widget_get_style(area)->white_gc, TRUE, 0, 0, alloc.width,
                     alloc.height);
  const char* text = Pad.Tbuff;
  for (int i = 0; i < kPadChars; ++i) {
    const size_t bytes = EucCharBytes(text);
    if (bytes == 0) break;
    const int w = static_cast<int>(bytes);
    const int x = (i + 1) * kTextPitch - 4 * w;
    DrawChar(window, std::string(text, bytes), x);
    if (Pad.Rang.start <= i && i < Pad.Rang.end)
      gdk_draw_rectangle(window, Res.Vfrm_gc, TRUE, x, kInvertTop, 22 - 4 * w, kInvertHeight);
    text += bytes;
  }
  // The caret shows where the cursor stands: the nine alternatives belong to the
  // character before it, and new characters go in there.
  if (Pad.Rang.start == Pad.Rang.end && Pad.Ink_data.pending > 0) {
    const int x = Pad.Rang.end * kTextPitch + kCaretOffset;
    gdk_draw_rectangle(window, Res.Butn_gc[kGcNormalText], TRUE, x, kInvertTop, kCaretWidth,
                       kInvertHeight);
  }
}

void ResultDisp(int n) {
  const int e = CandidateEntry();
  for (int k = 1; k <= 9; ++k) {
    if (n != 0 && n != 10 && n != k && n != -k) continue;
    GtkWidget* key = Wid.Main_wid[kKeyCandidateFirst + k - 1];
    if (!key) continue;
    const bool pressed = n == -k;
    const size_t bytes = CellBytes(Pad.Result[e][k]);
    std::string face = pressed ? "54" : "53";  // blank key
    if (n != 0 && bytes > 0)
      face = MsgEuc(pressed ? "54;8:20:" : "53;8:20:") + std::string(Pad.Result[e][k], bytes);
    button_basedisp(pressed ? kFacePressed : kFaceReleased, key, face.c_str());
  }
}

void EnterDisp(int n) {
  GtkWidget* key = Wid.Main_wid[kKeyEnter];
  if (!key) return;
  const char* face = "57;5:22:改行";
  switch (n) {
    case 1: face = "58;5:22:改行"; break;
    case 2: face = "58;5:22:貼付"; break;
    case -2: face = "57;5:22:貼付"; break;
    default: break;
  }
  button_basedisp(n > 0 ? kFacePressed : kFaceReleased, key, MsgEuc(face));
}

void InstallPadDisplay() {
  static GtkPadDisplay display;
  SetPadDisplay(&display);
}
