// Styles, graphics contexts and fonts.
#include "gtk/windows/resources.h"

#include "ui/colors.h"

GtkStyle* WinStyle[2];
GdkGC* Pens_gc;
GdkGC* Vfrm_gc;
GdkGC* Clea_gc;
GdkGC* Butn_gc[4];
PangoFontDescription* Fonts[3];

namespace {

// Fixed-pitch Japanese font first: half-width characters are exactly half as wide as
// full-width ones, which the text positions of the faces assume.
constexpr const char* kFaceFontFamily = "IPAGothic,Monospace";
constexpr int kNormalFontPixels = 14;
constexpr int kSmallFontPixels = 9;
constexpr int kEntryFontPixels = 12;

PangoFontDescription* FaceFont(int pixels) {
  PangoFontDescription* font = pango_font_description_from_string(kFaceFontFamily);
  pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
  return font;
}

// The colours of Butn_gc, in its order.
constexpr int faceColors[4] = {kColorPressedText, kColorPressedShadow, kColorNormalText,
                               kColorNormalShadow};

GdkGC* RootGc() { return gdk_gc_new(gdk_get_default_root_window()); }

void SetForeground(GdkGC* gc, int colorIndex) {
  GdkColor color;
  Color_Aloc(colorIndex, &color);
  gdk_gc_set_foreground(gc, &color);
}

}  // namespace

void MakeWinStyles() {
  for (GtkStyle*& style : WinStyle) style = gtk_style_copy(gtk_widget_get_default_style());
}

void SetStyleColor(int which, uint32_t rgb) {
  GdkColor color;
  color.pixel = 0;
  color.red = static_cast<guint16>(((rgb >> 16) & 0xFF) * 256);
  color.green = static_cast<guint16>(((rgb >> 8) & 0xFF) * 256);
  color.blue = static_cast<guint16>((rgb & 0xFF) * 256);
  gdk_colormap_alloc_color(gdk_colormap_get_system(), &color, FALSE, TRUE);
  WinStyle[which]->bg[GTK_STATE_NORMAL] = color;
}

void MakePenGc(int penColor, int penBold) {
  GdkGC* pen = RootGc();
  SetForeground(pen, penColor);
  gdk_gc_set_line_attributes(pen, penBold, GDK_LINE_SOLID, GDK_CAP_ROUND, GDK_JOIN_ROUND);
  gdk_gc_set_subwindow(pen, GDK_INCLUDE_INFERIORS);
  if (Pens_gc) g_object_unref(Pens_gc);
  Pens_gc = pen;
}

void CreateDrawingResources(int penColor, int penBold) {
  MakePenGc(penColor, penBold);

  Vfrm_gc = RootGc();
  gdk_gc_set_function(Vfrm_gc, GDK_INVERT);
  gdk_gc_set_subwindow(Vfrm_gc, GDK_INCLUDE_INFERIORS);

  Clea_gc = RootGc();
  gdk_gc_set_subwindow(Clea_gc, GDK_INCLUDE_INFERIORS);

  for (int i = 0; i < 4; ++i) {
    Butn_gc[i] = RootGc();
    SetForeground(Butn_gc[i], faceColors[i]);
  }
  Fonts[0] = FaceFont(kNormalFontPixels);
  Fonts[1] = FaceFont(kSmallFontPixels);
  Fonts[2] = FaceFont(kEntryFontPixels);
}

GdkGC* FaceTextGc(int colorIndex) {
  for (int i = 0; i < 4; ++i)
    if (faceColors[i] == colorIndex) return Butn_gc[i];
  return Butn_gc[kGcNormalText];
}

void Color_Aloc(int index, GdkColor* color) {
  if (index < 0 || index >= kColorCount) index = 0;
  color->pixel = 0;
  color->red = ColorTable[index].red;
  color->green = ColorTable[index].green;
  color->blue = ColorTable[index].blue;
  gdk_colormap_alloc_color(gdk_colormap_get_system(), color, FALSE, TRUE);
}
