// A coarse descriptor of a shape, cheap to compare: its ink in a grid of cells by
// direction, weighted by length. The search compares it first and gives the full
// comparison only to the patterns whose descriptors are nearest the writing's.
#pragma once

#include <cstdint>

#include "types.h"

constexpr int kCoarseCells = 6;       // cells across and down
constexpr int kCoarseDirections = 8;  // directions, 45 degrees apart
constexpr int kCoarseBins = kCoarseCells * kCoarseCells * kCoarseDirections;

// Fills out[kCoarseBins] for the first `count` segments (normalised coordinates).
// A bin holds twice the ink length it received (at most 255).
void CoarseDescriptor(const KusabiSegment* segments, int count, uint8_t* out);

// City-block distance of two descriptors (bytes, so that it vectorises well: it
// runs for every pattern inside the windows).
int CoarseDistance(const uint8_t* a, const uint8_t* b);
