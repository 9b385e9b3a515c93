// Preprocessing of pen data: resampling, normalisation and the feature points that
// turn a written character into a KusabiPattern of straight segments.
#pragma once

#include <cstddef>
#include <cstdint>

#include "types.h"

// Resampling with step 4, normalisation and feature extraction of pen data (the
// stroke format of the pad, ended by 0xF001, at most kMaxStrokes strokes) into
// pattern; norm receives centroid, spread and bounding box of the resampled points.
void ZkRNKinji(const uint16_t* pen, KusabiPattern* pattern, NormState* norm, int strokes);

// The same chain with the finer parameters the look-alike checks use.
void ZkKusabi_Saikinji(const uint16_t* pen, KusabiPattern* pattern, int strokes);
