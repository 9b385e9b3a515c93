// Tracing a reference form and extracting its feature pattern with ZkRNKinji.
#include "pattern_maker.h"

#include "pen_trace.h"
#include "preprocess.h"

std::vector<uint16_t> FormPenData(const ReferenceForm& form, const PatternMakerOptions& options, int* strokes) {
  TraceOptions trace;
  trace.box = form.box;
  trace.size = options.boxPixels;
  trace.spacing = options.spacing;
  return EncodePenData(TraceStrokes(form.strokes, trace), strokes);
}

bool MakePattern(const ReferenceForm& form, const PatternMakerOptions& options, BuiltPattern* out) {
  int strokes = 0;
  const std::vector<uint16_t> pen = FormPenData(form, options, &strokes);
  KusabiPattern pattern{};
  NormState norm{};
  ZkRNKinji(pen.data(), &pattern, &norm, strokes);
  if (pattern.segments <= 0) return false;
  out->strokes = pattern.strokes;
  out->stored = PatternToSpec(form.code, pattern);
  return true;
}
