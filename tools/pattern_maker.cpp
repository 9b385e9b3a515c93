// Tracing a reference form and extracting its feature pattern with ZkRNKinji.
#include "pattern_maker.h"

#include "pen_trace.h"
#include "preprocess.h"

bool MakePattern(const ReferenceForm& form, const PatternMakerOptions& options, BuiltPattern* out) {
  TraceOptions trace;
  trace.box = form.box;
  trace.size = options.boxPixels;
  trace.spacing = options.spacing;
  int strokes = 0;
  const std::vector<uint16_t> pen = EncodePenData(TraceStrokes(form.strokes, trace), &strokes);
  KusabiPattern pattern{};
  NormState norm{};
  ZkRNKinji(pen.data(), &pattern, &norm, strokes);
  if (pattern.segments <= 0) return false;
  out->strokes = pattern.strokes;
  out->spec = PatternToSpec(form.code, pattern);
  return true;
}
