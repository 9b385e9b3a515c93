// Even-spaced sampling of polylines onto the pixel grid, and pen-data encoding.
#include "pen_trace.h"

#include <algorithm>
#include <cmath>

#include "types.h"

namespace {

constexpr int kPadMaxPoints = 1024;  // points the pad keeps per stroke

PixelPoint ToPixel(PointF p, const TraceOptions& o) {
  const double scale = o.size / o.box;
  return {static_cast<int>(std::lround(o.left + p.x * scale)), static_cast<int>(std::lround(o.top + p.y * scale))};
}

void AddPixel(PixelStroke* stroke, PixelPoint p) {
  if (stroke->empty() || stroke->back().x != p.x || stroke->back().y != p.y) stroke->push_back(p);
}

int16_t Clamp16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

}  // namespace

std::vector<PixelStroke> TraceStrokes(const StrokeList& strokes, const TraceOptions& options) {
  std::vector<PixelStroke> out;
  const double scale = options.size / options.box;
  const double step = options.spacing > 0 ? options.spacing / scale : 1.0;  // in box units
  for (const Polyline& line : strokes) {
    if (line.empty()) continue;
    PixelStroke stroke;
    AddPixel(&stroke, ToPixel(line.front(), options));
    double carried = 0;  // path length since the last emitted point
    for (size_t i = 1; i < line.size(); ++i) {
      const PointF a = line[i - 1], b = line[i];
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      double at = step - carried;
      while (at <= len) {
        const double t = at / len;
        AddPixel(&stroke, ToPixel({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}, options));
        at += step;
      }
      carried = len - (at - step);
    }
    AddPixel(&stroke, ToPixel(line.back(), options));
    if (stroke.size() == 1) stroke.push_back(stroke.front());
    out.push_back(std::move(stroke));
  }
  return out;
}

std::vector<uint16_t> EncodePenData(const std::vector<PixelStroke>& strokes, int* strokeCount) {
  std::vector<uint16_t> pen;
  int written = 0;
  for (const PixelStroke& stroke : strokes) {
    if (written == kMaxStrokes) break;
    if (stroke.empty()) continue;
    const int n = std::min(static_cast<int>(stroke.size()), kPadMaxPoints);
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(n));
    for (int i = 0; i < n; ++i) {
      pen.push_back(static_cast<uint16_t>(Clamp16(stroke[i].x)));
      pen.push_back(static_cast<uint16_t>(Clamp16(stroke[i].y)));
    }
    ++written;
  }
  pen.push_back(kPenEnd);
  if (strokeCount) *strokeCount = written;
  return pen;
}
