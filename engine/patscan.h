// A pattern's segments laid out for the greedy pass: end-point coordinates and
// lengths in 16-bit blocks of eight, which the compiler turns into vector code.
// The dictionary keeps one such copy per stored pattern, made when it is indexed,
// so that a comparison neither unpacks the record nor copies the coordinates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "types.h"

constexpr int kScanLanes = 8;
constexpr int kScanSlots = (kMaxSegments + kScanLanes - 1) / kScanLanes * kScanLanes;

// Read-only view of one pattern's copy. Slots past the last segment hold 0.
struct PatternScan {
  const int16_t* x0;
  const int16_t* y0;
  const int16_t* x1;
  const int16_t* y1;
  const int16_t* length;  // SegmentLength of each segment
  const uint8_t* coarse;  // the coarse descriptor, kCoarseBins bytes (coarse.h)
  int segments;
  int blocks;       // blocks of kScanLanes slots in use
  int16_t total;    // sum of the lengths, in 16 bits
  bool narrow;      // every coordinate within +-kScanNarrowLimit
};

// While all coordinates lie within this limit the sum of four coordinate
// differences stays below 32767, so the 16-bit lanes cannot wrap.
constexpr int kScanNarrowLimit = 4095;

// Appends the copy of a shape's segments to `store` and returns its offset there.
// `lengths` may be null (the lengths are computed).
size_t AppendPatternScan(const KusabiSegment* segments, int count, const int16_t* lengths,
                         std::vector<int16_t>* store);

// Appends the copy of a dictionary record (code, segment count, signed-byte points).
size_t AppendRecordScan(const uint8_t* record, std::vector<int16_t>* store);

// Layout at an offset: a head block (segments, blocks, total, narrow), then the
// blocks of x0, y0, x1, y1 and the lengths, each blocks * kScanLanes slots, then the
// coarse descriptor.
enum ScanHead { kHeadSegments, kHeadBlocks, kHeadTotal, kHeadNarrow };

// The view of the copy at `offset` in `store` (inline: the search takes one view per
// pattern inside the windows).
inline PatternScan ScanAt(const std::vector<int16_t>& store, size_t offset) {
  const int16_t* head = store.data() + offset;
  const int blocks = head[kHeadBlocks];
  const int slots = blocks * kScanLanes;
  const int16_t* x0 = head + kScanLanes;
  return PatternScan{x0,
                     x0 + slots,
                     x0 + 2 * slots,
                     x0 + 3 * slots,
                     x0 + 4 * slots,
                     reinterpret_cast<const uint8_t*>(x0 + 5 * slots),
                     head[kHeadSegments],
                     blocks,
                     head[kHeadTotal],
                     head[kHeadNarrow] != 0};
}

// Segment j of a copy, as a segment.
inline KusabiSegment ScanSegment(const PatternScan& scan, int j) {
  return KusabiSegment{scan.x0[j], scan.y0[j], scan.x1[j], scan.y1[j]};
}
