// Serialising sub-dictionaries into the container format.
#include "dicwriter.h"

#include "safewrite.h"

#include <cstdio>
#include <ctime>

#include "dicfile.h"

namespace {

size_t RecordSize(const DicPatternSpec& p) { return 4 + 4 * p.segments.size(); }

size_t RoundUp16(size_t n) { return (n + 15) & ~static_cast<size_t>(15); }

void PutU16(std::vector<uint8_t>* out, size_t at, uint16_t v) {
  (*out)[at] = static_cast<uint8_t>(v);
  (*out)[at + 1] = static_cast<uint8_t>(v >> 8);
}

void PutU32(std::vector<uint8_t>* out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*out)[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Group k's bytes: a 16-byte header and its records, padded to 16 bytes.
size_t GroupBytes(const std::vector<DicPatternSpec>& group) {
  size_t bytes = 16;
  for (const auto& p : group) bytes += RecordSize(p);
  return RoundUp16(bytes);
}

void AppendBlock(const SubDicSpec& sub, bool keepEmptyGroups, std::vector<uint8_t>* out) {
  const size_t base = out->size();
  out->resize(base + SubDicBlockSize(sub, keepEmptyGroups), 0);
  PutU32(out, base + kBlockTypeMaskAt, sub.typeMask);
  PutU32(out, base + kBlockFlagsAt, sub.flags);
  size_t pos = kUserBlockHeader;
  for (int k = 0; k < kDicGroups; ++k) {
    const auto& group = sub.groups[k];
    if (group.empty() && !keepEmptyGroups) continue;
    PutU16(out, base + 2 * k, static_cast<uint16_t>(pos / 16));
    PutU16(out, base + pos, static_cast<uint16_t>(group.size()));
    size_t rec = pos + 16;
    for (const auto& p : group) {
      PutU16(out, base + rec, p.code);
      PutU16(out, base + rec + 2, static_cast<uint16_t>(p.segments.size()));
      for (size_t s = 0; s < p.segments.size(); ++s)
        for (int c = 0; c < 4; ++c)
          (*out)[base + rec + 4 + 4 * s + c] = static_cast<uint8_t>(p.segments[s][c]);
      rec += RecordSize(p);
    }
    pos += GroupBytes(group);
  }
}

}  // namespace

size_t SubDicBlockSize(const SubDicSpec& sub, bool keepEmptyGroups) {
  size_t size = kUserBlockHeader;
  for (const auto& group : sub.groups)
    if (!group.empty() || keepEmptyGroups) size += GroupBytes(group);
  return size;
}

bool SubDicFits(const SubDicSpec& sub, bool keepEmptyGroups, std::string* why) {
  size_t pos = kUserBlockHeader;
  for (int k = 0; k < kDicGroups; ++k) {
    const auto& group = sub.groups[k];
    if (group.empty() && !keepEmptyGroups) continue;
    if (pos / 16 > 0xFFFF) {
      if (why) *why = "group " + std::to_string(k) + " starts beyond 65535 x 16 bytes";
      return false;
    }
    if (group.size() > 0xFFFF) {
      if (why) *why = "group " + std::to_string(k) + " holds more than 65535 patterns";
      return false;
    }
    for (const auto& p : group) {
      if (p.segments.size() > static_cast<size_t>(kMaxSegments)) {
        if (why) *why = "a pattern has more than 90 segments";
        return false;
      }
    }
    pos += GroupBytes(group);
  }
  if (pos > 0xFFFFFFFFu) {
    if (why) *why = "block larger than 4 GiB";
    return false;
  }
  return true;
}

bool BuildDicImage(const std::vector<SubDicSpec>& subs, const DicWriteOptions& options,
                   std::vector<uint8_t>* image, std::string* error) {
  if (subs.size() > static_cast<size_t>(kMaxSubDics)) {
    *error = "more than 64 sub-dictionaries";
    return false;
  }
  for (size_t i = 0; i < subs.size(); ++i) {
    std::string why;
    if (!SubDicFits(subs[i], options.keepEmptyGroups, &why)) {
      *error = "sub-dictionary " + std::to_string(i) + ": " + why;
      return false;
    }
  }
  image->assign(kDicBlockArea, 0);
  PutU32(image, 0, kDicMagic);
  PutU32(image, 4, options.timeStamp ? options.timeStamp : static_cast<uint32_t>(std::time(nullptr)));
  uint32_t offset = 0;
  for (size_t i = 0; i < subs.size(); ++i) {
    const size_t before = image->size();
    AppendBlock(subs[i], options.keepEmptyGroups, image);
    const uint32_t size = static_cast<uint32_t>(image->size() - before);
    PutU32(image, kDicDirOffset + 8 * i, size);
    PutU32(image, kDicDirOffset + 8 * i + 4, offset);
    offset += size;
  }
  return true;
}

bool WriteDicFile(const std::string& path, const std::vector<SubDicSpec>& subs,
                  const DicWriteOptions& options, std::string* error) {
  std::vector<uint8_t> image;
  if (!BuildDicImage(subs, options, &image, error)) return false;
  return WriteFileAtomically(path, image.data(), image.size(), error);
}

std::vector<uint8_t> BuildSubDicBlock(const SubDicSpec& sub, bool keepEmptyGroups) {
  std::vector<uint8_t> block;
  AppendBlock(sub, keepEmptyGroups, &block);
  return block;
}

SubDicSpec SubDicFromBlock(const uint8_t* block, size_t size) {
  SubDicSpec sub;
  if (size < kBlockFieldsEnd) return sub;
  sub.typeMask = DicU32(block + kBlockTypeMaskAt);
  sub.flags = DicU32(block + kBlockFlagsAt);
  for (int k = 0; k < kDicGroups; ++k) {
    const size_t start = 16 * static_cast<size_t>(DicU16(block + 2 * k));
    if (start == 0 || start + 16 > size) continue;
    const unsigned count = DicU16(block + start);
    size_t rec = start + 16;
    for (unsigned i = 0; i < count && rec + 4 <= size; ++i) {
      DicPatternSpec p;
      p.code = DicU16(block + rec);
      const int n = static_cast<int16_t>(DicU16(block + rec + 2));
      if (n < 0 || n > kMaxSegments || rec + 4 + 4 * static_cast<size_t>(n) > size) break;
      for (int s = 0; s < n; ++s) {
        const uint8_t* q = block + rec + 4 + 4 * s;
        p.segments.push_back({static_cast<int8_t>(q[0]), static_cast<int8_t>(q[1]),
                              static_cast<int8_t>(q[2]), static_cast<int8_t>(q[3])});
      }
      sub.groups[k].push_back(std::move(p));
      rec += RecordSize(sub.groups[k].back());
    }
  }
  return sub;
}

DicPatternSpec PatternToSpec(uint16_t code, const KusabiPattern& pattern) {
  auto clamp = [](int16_t v) { return static_cast<int8_t>(v < -128 ? -128 : (v > 127 ? 127 : v)); };
  DicPatternSpec stored;
  stored.code = code;
  const int n = pattern.segments < 0 ? 0 : (pattern.segments > kMaxSegments ? kMaxSegments : pattern.segments);
  for (int i = 0; i < n; ++i) {
    const KusabiSegment& s = pattern.segment[i];
    stored.segments.push_back({clamp(s.x0), clamp(s.y0), clamp(s.x1), clamp(s.y1)});
  }
  return stored;
}
