// Handwriting-like samples from reference strokes: the character is slanted,
// scaled and rotated as a whole, each stroke shifted and resized a little, the
// lines wobble, stroke ends overshoot, and the pen is sampled like mouse events
// (uneven spacing, pixel jitter) inside a writing frame.
#pragma once

#include <vector>

#include "bench_rng.h"
#include "geometry.h"
#include "pen_trace.h"

struct DistortOptions {
  double slant = 0.15;          // largest shear of x by y
  double rotate = 5;            // largest rotation, degrees
  double scale = 0.12;          // largest change of overall size (fraction)
  double aspect = 0.10;         // largest change of width against height
  double strokeOffset = 0.025;  // spread of per-stroke shifts, fraction of the box
  double strokeScale = 0.10;    // largest per-stroke size change
  double wobble = 0.012;        // amplitude of the smooth wobble, fraction of the box
  double overshoot = 0.35;      // chance that a stroke end runs on
  double jitter = 0.5;          // spread of per-point noise, pixels
  double minStep = 1;           // pixels between mouse events, slowest
  double maxStep = 10;          // and fastest
  int minFrame = 80;            // writing frame size range, pixels
  int maxFrame = 200;
  // Small kana and small letters: the larger side of the drawing as a fraction of the
  // frame, and how far down the frame the drawing starts at the least.
  double smallMin = 0.25;
  double smallMax = 0.38;
  double smallTop = 0.40;
};

struct Sample {
  std::vector<PixelStroke> strokes;
  int width = 0;
  int height = 0;
};

// One sample of strokes drawn in a box x box square (y down). The same rng state
// gives the same sample. smallForm writes a small kana or small letter as people do:
// clearly smaller than the frame and in its lower part (the engine tells these from
// their large forms only by the size of the writing).
Sample DistortSample(const StrokeList& strokes, double box, const DistortOptions& options, BenchRng* rng,
                     bool smallForm = false);
