// Building the block copies of patterns used by the greedy pass.
#include "patscan.h"

#include <algorithm>

#include "coarse.h"
#include "dicfile.h"
#include "segdist.h"

namespace {

constexpr int kArrays = 5;
constexpr int kCoarseWords = (kCoarseBins + 1) / 2;  // the descriptor's bytes in 16-bit words

bool Narrow(int v) { return v >= -kScanNarrowLimit && v <= kScanNarrowLimit; }

}  // namespace

size_t AppendPatternScan(const KusabiSegment* segments, int count, const int16_t* lengths,
                         std::vector<int16_t>* store) {
  count = std::clamp(count, 0, kMaxSegments);
  const int blocks = (count + kScanLanes - 1) / kScanLanes;
  const int slots = blocks * kScanLanes;
  const size_t offset = store->size();
  store->resize(offset + kScanLanes + static_cast<size_t>(kArrays) * slots + kCoarseWords, 0);
  int16_t* head = store->data() + offset;
  int16_t* x0 = head + kScanLanes;
  int16_t *y0 = x0 + slots, *x1 = y0 + slots, *y1 = x1 + slots, *len = y1 + slots;
  int16_t total = 0;
  bool narrow = true;
  for (int j = 0; j < count; ++j) {
    const KusabiSegment& g = segments[j];
    x0[j] = g.x0, y0[j] = g.y0, x1[j] = g.x1, y1[j] = g.y1;
    len[j] = lengths ? lengths[j] : SegmentLength(g);
    total = static_cast<int16_t>(total + len[j]);
    narrow = narrow && Narrow(g.x0) && Narrow(g.y0) && Narrow(g.x1) && Narrow(g.y1);
  }
  CoarseDescriptor(segments, count, reinterpret_cast<uint8_t*>(len + slots));
  head[kHeadSegments] = static_cast<int16_t>(count);
  head[kHeadBlocks] = static_cast<int16_t>(blocks);
  head[kHeadTotal] = total;
  head[kHeadNarrow] = narrow ? 1 : 0;
  return offset;
}

size_t AppendRecordScan(const uint8_t* record, std::vector<int16_t>* store) {
  KusabiSegment segments[kMaxSegments];
  const int n = std::clamp<int>(static_cast<int16_t>(DicU16(record + 2)), 0, kMaxSegments);
  const int8_t* s = reinterpret_cast<const int8_t*>(record + 4);
  for (int i = 0; i < n; ++i, s += 4) segments[i] = KusabiSegment{s[0], s[1], s[2], s[3]};
  return AppendPatternScan(segments, n, nullptr, store);
}
