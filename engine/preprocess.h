// Preprocessing of pen data: resampling, normalisation and the feature points that
// turn a written character into a KusabiPattern of straight segments.
#pragma once

#include <cstddef>
#include <cstdint>

#include "types.h"

// Words of one point stream buffer (the size of the engine's pen copy). A
// resampled character of at most 1536 input points needs well under half of it.
constexpr size_t kPenStreamWords = 65532 / 2;

// Total number of resampled points the step is chosen for.
constexpr int kResampleBudget = 1536;

// Normalised coordinates are kept within +-kNormLimit: a writing lies within about
// +-100, and the limit keeps every later distance within 16 bits.
constexpr int kNormLimit = 4095;

// Resampling with step 4, normalisation and feature extraction of pen data (the
// stroke format of the pad, ended by 0xF001; at most `strokes` strokes are read)
// into pattern; norm receives centroid, spread and bounding box of the resampled
// points (its size-class fields are left alone).
void ZkRNKinji(const uint16_t* pen, KusabiPattern* pattern, NormState* norm, int strokes);

// The same chain with the finer parameters the look-alike checks use.
void ZkKusabi_Saikinji(const uint16_t* pen, KusabiPattern* pattern, int strokes);

// Resamples at most `strokes` strokes of `in` to an even spacing of at least `step`
// city-block units into out (outWords words). A stroke with no points stays a
// stroke of no points; a negative point count ends the input. Returns the words
// written, end mark included; when out is full the last stroke is cut short.
size_t ZkRsmp(const uint16_t* in, uint16_t* out, size_t outWords, int step, int strokes);

// Moves the centroid of the points of `in` to (0, 0), scales their mean city-block
// deviation to 30 units and turns y upwards. out must hold as many words as in.
void ZkNorm(const uint16_t* in, uint16_t* out, NormState* norm);

// Feature extraction parameters: the straight-run merge angle and the deviation a
// point needs to be inserted as a high point.
struct KusabiParams {
  int mergeAngle;
  int highPointThreshold;
};
constexpr KusabiParams kKusabiNormal = {48, 210};
constexpr KusabiParams kKusabiFine = {30, 16};

// Feature points of a normalised stream into pattern.
void ZkKusabi(const uint16_t* normalised, KusabiPattern* pattern,
              const KusabiParams& params = kKusabiNormal);
