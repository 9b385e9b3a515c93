// The distortion chain of a benchmark sample, from reference strokes to mouse-like
// pixel points; every random choice comes from the caller's seeded source.
#include "sample_distort.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

double Length(const Polyline& line) {
  double len = 0;
  for (size_t i = 1; i < line.size(); ++i) len += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
  return len;
}

// The point at path length s (clamped to the ends).
PointF PointAt(const Polyline& line, double s) {
  if (s <= 0) return line.front();
  for (size_t i = 1; i < line.size(); ++i) {
    const double seg = std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
    if (s <= seg && seg > 0) {
      const double t = s / seg;
      return {line[i - 1].x + (line[i].x - line[i - 1].x) * t, line[i - 1].y + (line[i].y - line[i - 1].y) * t};
    }
    s -= seg;
  }
  return line.back();
}

// Points every `step` along the path, ends included: straight hand-made strokes
// have only their corners, and the wobble needs points between them.
Polyline Densify(const Polyline& line, double step) {
  const double len = Length(line);
  Polyline out;
  const int n = std::max(1, static_cast<int>(std::ceil(len / step)));
  for (int i = 0; i <= n; ++i) out.push_back(PointAt(line, len * i / n));
  return out;
}

// A stroke end that runs on a little in the direction the pen was moving.
void Overshoot(Polyline* line, double extra) {
  const double len = Length(*line);
  if (len <= 0) return;
  const PointF end = line->back();
  const PointF before = PointAt(*line, std::max(0.0, len - std::min(0.04, len / 3)));
  const double dx = end.x - before.x, dy = end.y - before.y, d = std::hypot(dx, dy);
  if (d <= 0) return;
  line->push_back({end.x + dx / d * extra, end.y + dy / d * extra});
}

// Smooth displacement along the path: two slow waves of random phase.
void Wobble(Polyline* line, double amplitude, BenchRng* rng) {
  const double waveX = rng->Uniform(0.25, 0.7), waveY = rng->Uniform(0.25, 0.7);
  const double phaseX = rng->Uniform(0, 2 * kPi), phaseY = rng->Uniform(0, 2 * kPi);
  double s = 0;
  Polyline out;
  for (size_t i = 0; i < line->size(); ++i) {
    if (i > 0) s += std::hypot((*line)[i].x - (*line)[i - 1].x, (*line)[i].y - (*line)[i - 1].y);
    out.push_back({(*line)[i].x + amplitude * std::sin(2 * kPi * s / waveX + phaseX),
                   (*line)[i].y + amplitude * std::sin(2 * kPi * s / waveY + phaseY)});
  }
  *line = std::move(out);
}

PointF Centre(const Polyline& line) {
  PointF c;
  for (const PointF& p : line) c.x += p.x, c.y += p.y;
  c.x /= static_cast<double>(line.size());
  c.y /= static_cast<double>(line.size());
  return c;
}

// Mouse events along a pixel path: slow at both ends, faster in the middle, uneven,
// each point rounded to a pixel after a little noise.
PixelStroke MouseEvents(const Polyline& path, const DistortOptions& o, BenchRng* rng) {
  const double len = Length(path);
  const double fastest = rng->Uniform(0.5, 1.0) * o.maxStep;
  std::vector<PointF> points{path.front()};
  for (double s = 0; s < len;) {
    const double t = s / len;
    const double step = o.minStep + std::max(0.0, fastest - o.minStep) * std::sin(kPi * t);
    s = std::min(len, s + step * rng->Uniform(0.6, 1.4));
    points.push_back(PointAt(path, s));
  }
  PixelStroke stroke;
  for (size_t i = 0; i < points.size(); ++i) {
    const double jx = o.jitter * rng->Normal(), jy = o.jitter * rng->Normal();
    const PixelPoint p{static_cast<int>(std::lround(points[i].x + jx)), static_cast<int>(std::lround(points[i].y + jy))};
    if (stroke.empty() || stroke.back().x != p.x || stroke.back().y != p.y) stroke.push_back(p);
  }
  if (stroke.size() == 1) stroke.push_back(stroke.front());  // a tap: press and release
  return stroke;
}

// The strokes moved and scaled so that their drawing fills the box: its larger side
// spans the box, centred. Reference drawings of small forms sit at about half their
// box, in places that differ from one source to the next.
StrokeList FillBox(const StrokeList& strokes, double box) {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool first = true;
  for (const Polyline& line : strokes) {
    for (const PointF& p : line) {
      x0 = first ? p.x : std::min(x0, p.x);
      y0 = first ? p.y : std::min(y0, p.y);
      x1 = first ? p.x : std::max(x1, p.x);
      y1 = first ? p.y : std::max(y1, p.y);
      first = false;
    }
  }
  const double extent = std::max(x1 - x0, y1 - y0);
  if (first || extent <= 0) return strokes;
  const double scale = box / extent, cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  StrokeList filled = strokes;
  for (Polyline& line : filled)
    for (PointF& p : line) p = {box / 2 + (p.x - cx) * scale, box / 2 + (p.y - cy) * scale};
  return filled;
}

}  // namespace

Sample DistortSample(const StrokeList& reference, double box, const DistortOptions& o, BenchRng* rng,
                     bool smallForm) {
  Sample sample;
  const int frame = static_cast<int>(std::lround(rng->Uniform(o.minFrame, o.maxFrame)));
  sample.width = sample.height = frame;
  double size, left, top;  // the box becomes the size x size square at (left, top)
  StrokeList strokes;
  if (smallForm) {
    // People write small kana and small letters clearly smaller than the box and in
    // its lower part; the drawing itself gets the size.
    strokes = FillBox(reference, box);
    size = frame * rng->Uniform(o.smallMin, o.smallMax);
    left = rng->Uniform(0, frame - size);
    top = rng->Uniform(std::min(o.smallTop * frame, frame - size), frame - size);
  } else {
    strokes = reference;
    size = frame * rng->Uniform(0.65, 0.9);
    left = rng->Uniform(0, frame - size);
    top = rng->Uniform(0, frame - size);
  }

  // The whole character: size, proportions, slant (mostly to the right), rotation.
  // A small form's size is already drawn from its own range.
  const double sizeJitter = rng->Uniform(-o.scale, o.scale);
  const double scale = smallForm ? 1 : 1 + sizeJitter;
  const double aspect = rng->Uniform(-o.aspect, o.aspect);
  const double sx = scale * (1 + aspect), sy = scale * (1 - aspect);
  const double shear = rng->Uniform(-o.slant / 2, o.slant);
  const double angle = rng->Uniform(-o.rotate, o.rotate) * kPi / 180;
  const double cosA = std::cos(angle), sinA = std::sin(angle);

  for (const Polyline& reference : strokes) {
    if (reference.empty()) continue;
    Polyline line;
    for (const PointF& p : reference) line.push_back({p.x / box, p.y / box});
    line = Densify(line, 0.01);
    if (rng->Chance(o.overshoot)) Overshoot(&line, rng->Uniform(0.01, 0.05));
    Wobble(&line, o.wobble, rng);

    // Each stroke a little off its place and size.
    const PointF c = Centre(line);
    const double strokeScale = 1 + rng->Uniform(-o.strokeScale, o.strokeScale);
    const double offX = o.strokeOffset * rng->Normal(), offY = o.strokeOffset * rng->Normal();
    Polyline pixels;
    for (const PointF& p : line) {
      double x = c.x + (p.x - c.x) * strokeScale + offX - 0.5;
      double y = c.y + (p.y - c.y) * strokeScale + offY - 0.5;
      x -= shear * y;  // y grows downwards: the top leans right
      x *= sx;
      y *= sy;
      const double rx = x * cosA - y * sinA, ry = x * sinA + y * cosA;
      pixels.push_back({left + (rx + 0.5) * size, top + (ry + 0.5) * size});
    }
    sample.strokes.push_back(MouseEvents(pixels, o, rng));
  }
  return sample;
}
