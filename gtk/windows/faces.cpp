// Drawing key faces: the key picture, then each text item (shadow first) with Pango.
#include "gtk/windows/faces.h"

#include <array>
#include <cstdio>
#include <string>

#include "gtk/windows/resources.h"
#include "textconv.h"
#include "ui/facetext.h"
#include "ui/keypics.h"

namespace {

int unknownGlyphs = 0;

// Widget name of face keys, which the key style applies to.
constexpr const char* kFaceKeyName = "sorenix-key";

struct BasePicture {
  GdkPixmap* pixmap = nullptr;
  GdkBitmap* mask = nullptr;
};

// The key pictures as pixmaps, made once; every face copies one and draws on the copy.
const BasePicture& Picture(int index) {
  static std::array<BasePicture, kFaceCount> pictures;
  BasePicture& p = pictures[static_cast<size_t>(index)];
  if (!p.pixmap) {
    p.pixmap = gdk_pixmap_create_from_xpm_d(gdk_get_default_root_window(), &p.mask, nullptr,
                                            const_cast<gchar**>(ButtonXpm(index)));
  }
  return p;
}

PangoContext* FaceContext() {
  static PangoContext* context = gdk_pango_context_get();
  return context;
}

void DrawItem(GdkPixmap* pixmap, const FaceItem& item, GdkGC* text, GdkGC* shadow) {
  std::string utf8;
  if (!EucToUtf8(item.text, &utf8)) {
    std::fprintf(stderr, "sorenix: face text is not EUC-JP: \"%s\"\n", item.text.c_str());
    return;
  }
  PangoLayout* layout = pango_layout_new(FaceContext());
  pango_layout_set_font_description(layout, Res.Fonts[item.small ? 1 : 0]);
  pango_layout_set_text(layout, utf8.c_str(), -1);
  unknownGlyphs += pango_layout_get_unknown_glyphs_count(layout);
  // Drawn by lines: (x, y) is the baseline origin, as the face texts give it.
  PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
  if (line) {
    gdk_draw_layout_line(pixmap, shadow, item.x + 1, item.y + 1, line);
    gdk_draw_layout_line(pixmap, text, item.x, item.y, line);
  }
  g_object_unref(layout);
}

// A new image widget showing the face.
GtkWidget* FaceImage(const FaceText& face) {
  const BasePicture& base = Picture(face.index);
  const KeySize size = KeyPictureSize(face.index);
  GdkPixmap* pixmap = gdk_pixmap_new(base.pixmap, size.width, size.height, -1);
  GdkGC* copy = gdk_gc_new(pixmap);
  gdk_draw_drawable(pixmap, copy, base.pixmap, 0, 0, 0, 0, size.width, size.height);
  g_object_unref(copy);
  const FaceTextColors colors = TextColorsOn(face.index);
  GdkGC* text = FaceTextGc(colors.text);
  GdkGC* shadow = FaceTextGc(colors.shadow);
  for (const FaceItem& item : face.items) DrawItem(pixmap, item, text, shadow);
  // The image holds its own references; the old image and its pixmap go when replaced.
  GtkWidget* image = gtk_image_new_from_pixmap(pixmap, base.mask);
  g_object_unref(pixmap);
  return image;
}

}  // namespace

GtkWidget* button_basedisp(int mode, GtkWidget* button, const char* face_text) {
  const FaceText face = ParseFaceText(face_text);
  if (!face.valid)
    std::fprintf(stderr, "sorenix: bad face text \"%s\"\n", face_text ? face_text : "(null)");

  if (mode == kFaceNewButton || mode == kFaceNewToggle) {
    button = mode == kFaceNewToggle ? gtk_toggle_button_new() : gtk_button_new();
    gtk_widget_set_name(button, kFaceKeyName);
    gtk_button_set_relief(GTK_BUTTON(button), GTK_RELIEF_NONE);  // cut corners show the window
    gtk_widget_set_can_focus(button, FALSE);
  } else {
    if (!button || !GTK_IS_BUTTON(button)) return nullptr;
    if (GTK_IS_TOGGLE_BUTTON(button)) {
      const bool active = gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button));
      if (mode == kFacePressed && active) return nullptr;    // keeps its pressed look
      if (mode == kFaceReleased && !active) return nullptr;  // already looks released
    }
    if (!face.valid) return nullptr;  // keep the face it has
    if (GtkWidget* old = gtk_bin_get_child(GTK_BIN(button)))
      gtk_container_remove(GTK_CONTAINER(button), old);
  }
  if (!face.valid) return button;  // a new key without a picture
  GtkWidget* image = FaceImage(face);
  gtk_container_add(GTK_CONTAINER(button), image);
  gtk_widget_show(image);
  return button;
}

gboolean on_button_event(GtkWidget* button, GdkEventButton* event, gpointer face_text) {
  const int mode = event->type == GDK_BUTTON_RELEASE ? kFaceReleased : kFacePressed;
  button_basedisp(mode, button, static_cast<const char*>(face_text));
  return FALSE;
}

gboolean on_s10_button_down(GtkWidget* button, GdkEventButton*, gpointer face_text) {
  button_basedisp(kFaceRedraw, button, static_cast<const char*>(face_text));
  return FALSE;
}

gboolean on_s10_button_up(GtkWidget* button, GdkEventButton*, gpointer face_text) {
  if (!gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button)))
    button_basedisp(kFaceRedraw, button, static_cast<const char*>(face_text));
  return FALSE;
}

void InstallKeyStyle() {
  // A face key is its picture: the image gets the whole button (no frame, focus line or
  // padding) and does not shift while pressed (the pressed picture shows it). Buttons
  // with a plain label keep a thin frame and lose only the padding. The selector
  // entries are narrow: their text gets the whole width.
  gtk_rc_parse_string(
      "style \"sorenix-key\" {\n"
      "  GtkButton::child-displacement-x = 0\n"
      "  GtkButton::child-displacement-y = 0\n"
      "  GtkButton::default-border = {0, 0, 0, 0}\n"
      "  GtkButton::inner-border = {0, 0, 0, 0}\n"
      "  GtkWidget::focus-line-width = 0\n"
      "  GtkWidget::focus-padding = 0\n"
      "  xthickness = 0\n"
      "  ythickness = 0\n"
      "}\n"
      "style \"sorenix-label-key\" = \"sorenix-key\" {\n"
      "  xthickness = 1\n"
      "  ythickness = 1\n"
      "}\n"
      "style \"sorenix-entry\" {\n"
      "  xthickness = 0\n"
      "  ythickness = 1\n"
      "  GtkEntry::inner-border = {0, 0, 1, 1}\n"
      "}\n"
      "class \"GtkButton\" style \"sorenix-label-key\"\n"
      "class \"GtkEntry\" style \"sorenix-entry\"\n"
      "widget \"*.sorenix-key\" style \"sorenix-key\"\n");
}

int FaceUnknownGlyphs() { return unknownGlyphs; }
