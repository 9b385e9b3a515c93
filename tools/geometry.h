// Plain 2-D points and polylines shared by the stroke readers, the pen-data tracer
// and the sample generator (reference strokes live in floating point until traced).
#pragma once

#include <vector>

struct PointF {
  double x = 0;
  double y = 0;
};

using Polyline = std::vector<PointF>;

// Strokes of one character in writing order, x right and y down.
using StrokeList = std::vector<Polyline>;
