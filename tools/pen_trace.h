// Turning strokes into pen data as the pad records it: integer pixel points along
// each stroke, the way a mouse reports them, in the engine's stroke format.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry.h"

struct PixelPoint {
  int x = 0;
  int y = 0;
};

using PixelStroke = std::vector<PixelPoint>;

// Where and how densely to trace: the strokes' box (0..box) is mapped onto a square
// of `size` pixels at (left, top); points are emitted every `spacing` pixels of path.
struct TraceOptions {
  double box = 100;
  double size = 120;
  double left = 0;
  double top = 0;
  double spacing = 2;
};

// Samples every stroke at even path-length spacing (first and last point always),
// rounds to pixels and drops repeated points; a stroke that stays on one pixel
// becomes a tap of two equal points, as a press and release give.
std::vector<PixelStroke> TraceStrokes(const StrokeList& strokes, const TraceOptions& options);

// Pen data: per stroke 0xEEEE, point count, x, y pairs; 0xF001 at the end. Keeps
// what the pad would keep: at most 30 strokes, 1024 points per stroke, coordinates
// clamped to 16 bits. *strokes (when given) receives the stroke count written.
std::vector<uint16_t> EncodePenData(const std::vector<PixelStroke>& strokes, int* strokeCount = nullptr);
