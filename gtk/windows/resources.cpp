// Styles, graphics contexts and fonts.
#include "gtk/windows/resources.h"

#include "ui/colors.h"

DrawingResources Res;

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
  for (GtkStyle*& style : Res.WinStyle) style = gtk_style_copy(gtk_widget_get_default_style());
}

void SetStyleColor(int which, uint32_t rgb) {
  GdkColor color;
  color.pixel = 0;
  color.red = static_cast<guint16>(((rgb >> 16) & 0xFF) * 256);
  color.green = static_cast<guint16>(((rgb >> 8) & 0xFF) * 256);
  color.blue = static_cast<guint16>((rgb & 0xFF) * 256);
  gdk_colormap_alloc_color(gdk_colormap_get_system(), &color, FALSE, TRUE);
  Res.WinStyle[which]->bg[GTK_STATE_NORMAL] = color;
}

void MakePenGc(int penColor, int penBold) {
  GdkGC* pen = RootGc();
  SetForeground(pen, penColor);
  gdk_gc_set_line_attributes(pen, penBold, GDK_LINE_SOLID, GDK_CAP_ROUND, GDK_JOIN_ROUND);
  gdk_gc_set_subwindow(pen, GDK_INCLUDE_INFERIORS);
  if (Res.Pens_gc) g_object_unref(Res.Pens_gc);
  Res.Pens_gc = pen;
}

void CreateDrawingResources(int penColor, int penBold) {
  MakePenGc(penColor, penBold);

  Res.Vfrm_gc = RootGc();
  gdk_gc_set_function(Res.Vfrm_gc, GDK_INVERT);
  gdk_gc_set_subwindow(Res.Vfrm_gc, GDK_INCLUDE_INFERIORS);

  Res.Clea_gc = RootGc();
  gdk_gc_set_subwindow(Res.Clea_gc, GDK_INCLUDE_INFERIORS);

  for (int i = 0; i < 4; ++i) {
    Res.Butn_gc[i] = RootGc();
    SetForeground(Res.Butn_gc[i], faceColors[i]);
  }
  Res.Fonts[0] = FaceFont(kNormalFontPixels);
  Res.Fonts[1] = FaceFont(kSmallFontPixels);
  Res.Fonts[2] = FaceFont(kEntryFontPixels);
}

GdkGC* FaceTextGc(int colorIndex) {
  for (int i = 0; i < 4; ++i)
    if (faceColors[i] == colorIndex) return Res.Butn_gc[i];
  return Res.Butn_gc[kGcNormalText];
}

void Color_Aloc(int index, GdkColor* color) {
  if (index < 0 || index >= kColorCount) index = 0;
  color->pixel = 0;
  color->red = ColorTable[index].red;
  color->green = ColorTable[index].green;
  color->blue = ColorTable[index].blue;
  gdk_colormap_alloc_color(gdk_colormap_get_system(), color, FALSE, TRUE);
}
