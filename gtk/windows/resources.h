// Drawing resources made at start-up: the two window styles, the graphics contexts on
// the root window, the two face fonts, and the saved screen under the ink.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>

// The pad's drawing resources, owned in one record; its members keep their names.
struct DrawingResources {
  GtkStyle* WinStyle[2];    // 0 windows (back_color), 1 title strips (head_color)
  GdkGC* Pens_gc;           // ink: pen colour and width, through child windows
  GdkGC* Vfrm_gc;           // variable frame: inverting
  GdkGC* Clea_gc;           // copies of the screen
  GdkGC* Butn_gc[4];        // face texts: pressed text, pressed shadow, normal text, normal shadow
  // 0 normal 14 pixels, 1 small 9 pixels (the two face fonts); 2 the 12-pixel font of
  // the narrow read-only entries.
  PangoFontDescription* Fonts[3];
  // The saved screen under the ink (pen input), made when the pad is first shown.
  GdkPixmap* Clea_pmap;
};
extern DrawingResources Res;

// Index of Butn_gc.
constexpr int kGcPressedText = 0;
constexpr int kGcPressedShadow = 1;
constexpr int kGcNormalText = 2;
constexpr int kGcNormalShadow = 3;
// The context of Butn_gc that draws in face-text colour `colorIndex`.
GdkGC* FaceTextGc(int colorIndex);

// Two copies of the toolkit's default style.
void MakeWinStyles();
// Normal background of style `which` from 0xRRGGBB.
void SetStyleColor(int which, uint32_t rgb);
// A new ink context from a colour-table entry and a width, replacing Pens_gc (ink
// already on the screen stays as it was drawn).
void MakePenGc(int penColor, int penBold);
// The graphics contexts (pen context from pen_color and pen_bold first) and the fonts.
void CreateDrawingResources(int penColor, int penBold);

// Fills `color` from the colour table (pixel 0 first) and allocates it.
void Color_Aloc(int index, GdkColor* color);
