// Rectangle helpers of the pad: growing a box by a point, point and overlap tests.
#pragma once

#include "app/geometry.h"

// Grows `rect` so that it holds (x, y).
void RECT_add(Rect16* rect, int x, int y);

// 1 when rect.x <= x <= rect.x + width and rect.y <= y <= rect.y + height, else 0.
int PtInRect(const Rect16& rect, int x, int y);

// True when the two rectangles overlap or touch (edges included).
bool RectsTouch(const Rect16& a, const Rect16& b);

// The smallest rectangle holding both.
Rect16 RectUnion(const Rect16& a, const Rect16& b);
