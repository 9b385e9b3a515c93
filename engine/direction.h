// Directions and turns of vectors in whole degrees, counter-clockwise from the
// positive x axis in the normalised, y-up coordinates.
#pragma once

#include <cstdint>

// Angle of (dx, dy), 0..359.
int16_t ZkDirection(int dx, int dy);

// Signed turn from vector u to vector w, -179..179 (a reversal counts as 0). Each
// vector is packed as x in the low and y in the high 16 bits.
int16_t ZkDistDirection(uint32_t u, uint32_t w);

inline uint32_t PackVector(int dx, int dy) {
  return static_cast<uint32_t>(static_cast<uint16_t>(dx)) |
         (static_cast<uint32_t>(static_cast<uint16_t>(dy)) << 16);
}

// The turn between two unpacked vectors (ZkDistDirection without the packing).
int16_t TurnBetween(int ux, int uy, int wx, int wy);
