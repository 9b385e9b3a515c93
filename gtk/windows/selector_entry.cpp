// The selector entries are narrow (down to 14 pixels) and show texts such as "割当"
// and "50音KB", which the entry font would cut.
#include "gtk/windows/selector_entry.h"

#include "app/trace.h"
#include "gtk/windows/resources.h"

namespace {

constexpr int kEntryFont = 2;
constexpr int kLargestPixels = 12;
constexpr int kSmallestPixels = 7;
constexpr int kDefaultInnerBorder = 2;  // GtkEntry's own when no style sets one

// Pixels left for the text: the requested width less the frame and inner border.
int TextRoom(GtkWidget* entry) {
  int width = -1;
  gtk_widget_get_size_request(entry, &width, nullptr);
  GtkBorder* inner = nullptr;
  gtk_widget_style_get(entry, "inner-border", &inner, nullptr);
  const int innerSides = inner ? inner->left + inner->right : 2 * kDefaultInnerBorder;
  if (inner) gtk_border_free(inner);
  const GtkStyle* style = gtk_widget_get_style(entry);
  return width - 2 * (style ? style->xthickness : 0) - innerSides;
}

int TextWidth(GtkWidget* entry, const char* text, const PangoFontDescription* font) {
  PangoLayout* layout = gtk_widget_create_pango_layout(entry, text);
  pango_layout_set_font_description(layout, font);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return width;
}

// Only a realised entry has the style of its window, with its frame and inner border.
void FitText(GtkWidget* entry) {
  const char* text = gtk_entry_get_text(GTK_ENTRY(entry));
  if (!gtk_widget_get_realized(entry) || !text || !*text) return;
  const int room = TextRoom(entry);
  PangoFontDescription* font = pango_font_description_copy(Res.Fonts[kEntryFont]);
  int pixels = kLargestPixels, width = 0;
  for (;; --pixels) {
    pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
    width = TextWidth(entry, text, font);
    if (width <= room || pixels == kSmallestPixels) break;
  }
  gtk_widget_modify_font(entry, font);
  pango_font_description_free(font);
  Trace("ENTRY text=%s room=%d width=%d pixels=%d", text, room, width, pixels);
}

void OnChangedOrRealized(GtkWidget* entry, gpointer) { FitText(entry); }

// Setting the font sets the style again, which must not fit once more.
void OnStyleSet(GtkWidget* entry, GtkStyle*, gpointer) {
  static bool fitting = false;
  if (fitting) return;
  fitting = true;
  FitText(entry);
  fitting = false;
}

}  // namespace

GtkWidget* NewSelectorEntry(int width, int height) {
  GtkWidget* entry = gtk_entry_new();
  gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
  gtk_widget_set_can_focus(entry, FALSE);
  gtk_widget_set_size_request(entry, width, height);
  gtk_widget_modify_font(entry, Res.Fonts[kEntryFont]);
  g_signal_connect_after(entry, "realize", G_CALLBACK(OnChangedOrRealized), nullptr);
  g_signal_connect(entry, "changed", G_CALLBACK(OnChangedOrRealized), nullptr);
  g_signal_connect(entry, "style-set", G_CALLBACK(OnStyleSet), nullptr);
  return entry;
}
