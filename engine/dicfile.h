// The pattern dictionary container shared by the system and the user dictionary:
// the in-memory tables, the two loaders and the validation of what they read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "types.h"

// File layout (all numbers little-endian).
constexpr uint32_t kDicMagic = 0x02000100;
constexpr int kDicDirEntries = 65;
constexpr int kMaxSubDics = 64;
constexpr size_t kDicDirOffset = 8;
constexpr size_t kDicBlockArea = 528;   // 8-byte head + 65 x (u32 size, u32 offset)
constexpr size_t kBlockTypeMaskAt = 64;
constexpr size_t kBlockFlagsAt = 68;
constexpr size_t kBlockFieldsEnd = 72;  // the header fields read from every block
constexpr size_t kUserBlockHeader = 256;
constexpr size_t kUserNewBlockSize = kUserBlockHeader + kDicGroups * 16;  // 592
constexpr uint32_t kSubDicExclusive = 0x1;

constexpr uint16_t kDicEnd = 0;     // DicEntry kinds
constexpr uint16_t kDicSystem = 1;
constexpr uint16_t kDicUser = 2;

// Results of the loaders and of engine initialisation.
constexpr int kDicOk = 0;
constexpr int kDicNoMemory = 100;
constexpr int kDicNoSystem = 101;
// The user dictionary file is there but damaged: the sub-dictionaries that validate
// were loaded, the rest left out. The engine runs; the file must be kept before it
// is written over (ZkSaveUsrDic does so).
constexpr int kDicUserDamaged = 102;

struct DicIndexItem {
  const uint8_t* pattern;  // the record's code field; null ends a group's list
  uint16_t length;         // sum of |x1 - x0| + |y1 - y0| over the segments
  uint16_t segments = 0;   // segment count, as the record is unpacked
  uint32_t scan = 0;       // offset of the pattern's block copy in DicEntry::scans
};

using DicBytes = std::shared_ptr<std::vector<uint8_t>>;

// One loaded sub-dictionary.
struct DicEntry {
  uint16_t kind = kDicEnd;
  DicBytes base;             // system: the shared block area; user: its own block
  uint8_t* block = nullptr;  // start of the sub-dictionary block inside base
  uint32_t typeMask = 0;
  uint32_t flags = 0;
  uint32_t size = 0;
  std::vector<DicIndexItem> index;
  // Block copies of the patterns for the greedy pass (patscan.h); a system
  // sub-dictionary's are kept across loads of the same dictionary.
  std::shared_ptr<const std::vector<int16_t>> scans;
  const DicIndexItem* groupList[kDicGroups] = {};
};

// The loaded dictionaries, owned in one record; the tables keep their names.
struct LoadedDics {
  DicEntry ZkRecDic[kDicDirEntries];  // the system sub-dictionaries, ended by kDicEnd
  DicEntry ZkUsrDic[kDicDirEntries];  // the user sub-dictionaries, ended by kDicEnd
  // A selection of sub-dictionaries for a character-type mask, null-terminated (a
  // recognition makes its own).
  DicEntry* ZkRecDicTbl[2 * kDicDirEntries];
};
extern LoadedDics Dic;

// Reads size bytes into a new zero-filled block; *got receives the bytes the file
// supplied. Null when memory is exhausted.
DicBytes HiRecReadBlock(std::FILE* file, size_t size, size_t* got);

// Loads the user dictionary into usr (path null: the default path). 0 = loaded, or
// no file there (an empty table); 102 = the file is there but not a dictionary or
// partly damaged: what validates is loaded; 100 = memory.
int HiRecLoadUsrDic(DicEntry* usr, const char* path = nullptr);

// Loads the user dictionary, then the system dictionary. 0 = loaded, 100 = memory,
// 101 = the system file is missing, not a dictionary, truncated or corrupt, 102 = both
// loaded but the user file was damaged (see HiRecLoadUsrDic).
int HiRecLoadRecDic(DicEntry* sys, DicEntry* usr, const char* sysPath = nullptr,
                    const char* usrPath = nullptr);

// Empties a table and releases its blocks and indexes.
void ZkReleaseDicTable(DicEntry* table);

// Checks one sub-dictionary block: every group start, count and record lies inside
// the block and no record has more than kMaxSegments segments. User blocks must also
// keep the layout the user-dictionary operations rely on (256-byte header, every
// group present and in order, size a multiple of 16).
bool ValidateSubDicBlock(const uint8_t* block, size_t size, bool userLayout);

// Little-endian readers for the block bytes.
inline uint16_t DicU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t DicU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
