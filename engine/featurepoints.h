// The feature-point passes of preprocessing. Each reads one FeatureList and writes
// another; the lists refer to points of the normalised stream, never copy them.
#pragma once

#include <cstdint>

#include "types.h"

// Feature points of a character, stroke by stroke.
struct FeatureList {
  int16_t strokes;
  int16_t end[kMaxStrokes];      // per stroke: one past its last point (cumulative)
  uint16_t point[kMaxSegments];  // word offsets of the points' x in the stream
};

inline int FeatureCount(const FeatureList& list) { return list.strokes > 0 ? list.end[list.strokes - 1] : 0; }
inline int FeatureStrokeBegin(const FeatureList& list, int stroke) { return stroke > 0 ? list.end[stroke - 1] : 0; }

// The end points of every stroke of two or more points and every point where its x
// or y movement reverses; at most 30 strokes, stopping once 88 points are listed.
void ExtractTurnPoints(const uint16_t* stream, FeatureList* out);

// Drops points closer than the thresholds to their neighbours, keeping sharp hooks.
void ThinFeaturePoints(const uint16_t* stream, const FeatureList& in, FeatureList* out, int smallThreshold,
                       int largeThreshold);

// Joins consecutive segments whose directions differ by at most `angle` degrees.
void MergeStraightRuns(const uint16_t* stream, const FeatureList& in, FeatureList* out, int angle);

// Joins consecutive segments that run into the same quadrant.
void MergeSameQuadrant(const uint16_t* stream, const FeatureList& in, FeatureList* out);

// Inserts, between two feature points, the stream point farthest from the line
// through them when its squared distance exceeds `threshold`.
void KSBGetHighPoint(const uint16_t* stream, const FeatureList& in, FeatureList* out, int threshold);

// One segment per pair of consecutive feature points of a stroke.
void FeaturesToPattern(const uint16_t* stream, const FeatureList& in, KusabiPattern* pattern);
