// The screen area saved under pen-input ink and frames (PadInk.Clear_rct): how it
// grows to cover each new point, strip by strip, so only newly covered pixels are
// copied.
#pragma once

#include "app/geometry.h"

constexpr int kSaveMargin = 3;  // pixels kept around every point

// Grows `area` to cover (x, y) with the margin, after clamping the point to
// 4..screenW - 3 and 4..screenH - 3. An empty area (x below 1) starts as 10 x 10
// around the point. Writes the newly covered strips (to be copied before they are
// drawn over) to `strips` and returns how many there are (at most 4).
int ClearAreaGrow(Rect16* area, int x, int y, int screenW, int screenH, Rect16 strips[4]);
