// Sub-dictionary selection, group iteration and the length index.
#include "dicindex.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "patscan.h"

namespace {

// Walk state of ZkGetDicPattern, shared by all callers.
const uint8_t* g_cursor = nullptr;
unsigned g_count = 0;

// Unpacks the record at p; returns the code (0 read as the full-width space).
uint16_t UnpackRecord(const uint8_t* p, KusabiPattern* pattern) {
  uint16_t code = DicU16(p);
  if (code == 0) code = kEmptyCode;
  int n = static_cast<int16_t>(DicU16(p + 2));
  if (n < 0) n = 0;
  if (n > kMaxSegments) n = kMaxSegments;  // validated on loading; never trust twice
  pattern->segments = static_cast<int16_t>(n);
  const int8_t* s = reinterpret_cast<const int8_t*>(p + 4);
  for (int i = 0; i < n; ++i, s += 4) {
    pattern->segment[i].x0 = s[0];
    pattern->segment[i].y0 = s[1];
    pattern->segment[i].x1 = s[2];
    pattern->segment[i].y1 = s[3];
  }
  return code;
}

size_t RecordBytes(const uint8_t* p) {
  const int n = static_cast<int16_t>(DicU16(p + 2));
  return 4 + 4 * static_cast<size_t>(n < 0 ? 0 : n);
}

// Appends the entries of one table that take part for `mask`; false when the walk
// stops at an entry of another kind than the end entry.
bool SelectFrom(DicEntry* table, uint16_t kind, uint32_t mask, bool honourExclusive,
                DicEntry** out, int* n) {
  int i = 0;
  for (; i < kDicDirEntries && table[i].kind == kind; ++i) {
    const DicEntry& e = table[i];
    if ((mask & e.typeMask) == 0) continue;
    if (honourExclusive && (e.flags & kSubDicExclusive) && mask != e.typeMask) continue;
    out[(*n)++] = &table[i];
  }
  return i < kDicDirEntries && table[i].kind == kDicEnd;
}

}  // namespace

int ZkSetRequiredRecDic(uint32_t mask, DicEntry* sys, DicEntry* usr, DicEntry** table) {
  int n = 0;
  table[0] = nullptr;
  if (!SelectFrom(usr, kDicUser, mask, false, table, &n)) {
    table[n] = nullptr;
    return 0;
  }
  if (!SelectFrom(sys, kDicSystem, mask, true, table, &n)) {
    table[n] = nullptr;
    return 0;
  }
  table[n] = nullptr;
  return 1;
}

uint16_t ZkGetDicPattern(const DicEntry* entry, int group, int index, KusabiPattern* pattern,
                         const uint8_t** record) {
  if (index == 0) {
    g_cursor = nullptr;
    g_count = 0;
    if (group < 0 || group >= kDicGroups || entry->block == nullptr) return 0;
    const uint16_t start = DicU16(entry->block + 2 * group);
    if (start == 0) return 0;
    g_cursor = entry->block + 16 * static_cast<size_t>(start);
    g_count = DicU16(g_cursor);
    g_cursor += 16;
  }
  if (g_cursor == nullptr || index < 0 || static_cast<unsigned>(index) >= g_count) return 0;
  *record = g_cursor;
  const uint16_t code = UnpackRecord(g_cursor, pattern);
  g_cursor += RecordBytes(g_cursor);
  return code;
}

uint16_t ZkGetDicOnePattern(const uint8_t* record, KusabiPattern* pattern) {
  if (record == nullptr) return 0;
  return UnpackRecord(record, pattern);
}

uint16_t DicRecordLength(const uint8_t* record) {
  const int n = static_cast<int16_t>(DicU16(record + 2));
  const int8_t* s = reinterpret_cast<const int8_t*>(record + 4);
  unsigned length = 0;
  for (int i = 0; i < n && i < kMaxSegments; ++i, s += 4)
    length += static_cast<unsigned>(std::abs(s[2] - s[0]) + std::abs(s[3] - s[1]));
  return static_cast<uint16_t>(length);
}

namespace {

// The block copies of the system sub-dictionaries of the last load, by content: the
// pad loads its dictionaries again each time it returns from a keyboard, and making
// the copies (coarse descriptors included) takes tens of milliseconds.
struct KeptScans {
  uint64_t hash;
  uint32_t size;
  std::shared_ptr<const std::vector<int16_t>> scans;
  std::vector<uint32_t> offsets;  // of each pattern, in index order
};
std::vector<KeptScans> keptScans;

uint64_t BlockHash(const uint8_t* block, size_t size) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (size_t i = 0; i < size; ++i) h = (h ^ block[i]) * 1099511628211ull;
  return h;
}

}  // namespace

int ZkBuildEntryIndex(DicEntry* entry) {
  // One item per pattern plus one end item per group; counted in size_t because a
  // large sub-dictionary holds more than 32767 patterns.
  size_t items = 0;
  for (int k = 0; k < kDicGroups; ++k) {
    const uint16_t start = DicU16(entry->block + 2 * k);
    items += (start ? DicU16(entry->block + 16 * static_cast<size_t>(start)) : 0) + 1;
  }
  const bool system = entry->kind == kDicSystem;
  const uint64_t hash = system ? BlockHash(entry->block, entry->size) : 0;
  const KeptScans* kept = nullptr;
  for (const KeptScans& k : keptScans)
    if (system && k.hash == hash && k.size == entry->size && k.offsets.size() + kDicGroups == items) kept = &k;
  try {
    entry->index.assign(items, DicIndexItem{nullptr, 0});
    auto scans = std::make_shared<std::vector<int16_t>>();
    std::vector<uint32_t> offsets;
    size_t next = 0;
    KusabiPattern pattern;
    for (int k = 0; k < kDicGroups; ++k) {
      entry->groupList[k] = &entry->index[next];
      const uint8_t* record = nullptr;
      for (int i = 0; ZkGetDicPattern(entry, k, i, &pattern, &record) != 0; ++i) {
        size_t scan;
        if (kept) {
          scan = kept->offsets[std::min(offsets.size(), kept->offsets.size() - 1)];
        } else {
          scan = AppendRecordScan(record, scans.get());
          if (scan > UINT32_MAX) return kDicNoMemory;
        }
        offsets.push_back(static_cast<uint32_t>(scan));
        entry->index[next++] = DicIndexItem{record, DicRecordLength(record), static_cast<uint16_t>(pattern.segments),
                                            static_cast<uint32_t>(scan)};
      }
      entry->index[next++] = DicIndexItem{nullptr, 0};
    }
    if (kept) {
      entry->scans = kept->scans;
    } else {
      entry->scans = scans;
      if (system) keptScans.push_back(KeptScans{hash, entry->size, scans, std::move(offsets)});
    }
  } catch (const std::bad_alloc&) {
    return kDicNoMemory;
  }
  return kDicOk;
}

int ZkBuildDicIndex(DicEntry* sys, DicEntry* usr) {
  // Every loaded entry is indexed, exclusive ones included, so that any later
  // selection finds its group lists.
  // Copies kept from an earlier load serve this one; afterwards only this load's are kept.
  const std::vector<KeptScans> earlier = std::move(keptScans);
  keptScans = earlier;
  for (DicEntry* table : {usr, sys}) {
    for (int i = 0; i < kMaxSubDics && table[i].kind != kDicEnd; ++i)
      if (ZkBuildEntryIndex(&table[i]) != kDicOk) return kDicNoMemory;
  }
  std::vector<KeptScans> used;
  for (const KeptScans& k : keptScans)
    for (int i = 0; i < kMaxSubDics && sys[i].kind != kDicEnd; ++i)
      if (sys[i].scans == k.scans) {
        used.push_back(k);
        break;
      }
  keptScans = std::move(used);
  return kDicOk;
}
