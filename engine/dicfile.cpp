// Loading the pattern dictionaries. The files are not trusted: every size, offset,
// group start, count and record length is checked before the engine uses it.
#include "dicfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "paths.h"
#include "saferead.h"

LoadedDics Dic;

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

struct Directory {
  uint32_t size[kDicDirEntries];
  uint32_t offset[kDicDirEntries];
};

// Opens a dictionary file and reads its head; false when it cannot be opened, is
// shorter than the head or carries another magic.
bool OpenDictionary(const char* path, FilePtr* file, Directory* dir, uint64_t* fileSize) {
  // A FIFO or device named as a dictionary is refused before it can stall the open.
  const int fd = OpenRegularFile(path, Symlinks::kFollow);
  if (fd < 0) return false;
  file->reset(fdopen(fd, "rb"));
  if (!*file) {
    close(fd);
    return false;
  }
  struct stat st;
  if (fstat(fd, &st) != 0) return false;
  *fileSize = static_cast<uint64_t>(st.st_size);
  uint8_t head[kDicBlockArea];
  if (std::fread(head, 1, sizeof head, file->get()) != sizeof head) return false;
  if (DicU32(head) != kDicMagic) return false;
  for (int i = 0; i < kDicDirEntries; ++i) {
    dir->size[i] = DicU32(head + kDicDirOffset + 8 * i);
    dir->offset[i] = DicU32(head + kDicDirOffset + 8 * i + 4);
  }
  return true;
}

// Number of directory entries in use: up to the first of size 0, at most 64.
int UsedEntries(const Directory& dir) {
  int n = 0;
  while (n < kMaxSubDics && dir.size[n] != 0) ++n;
  return n;
}

void FillEntry(DicEntry* e, uint16_t kind, const DicBytes& base, uint8_t* block, uint32_t size) {
  e->kind = kind;
  e->base = base;
  e->block = block;
  e->size = size;
  e->typeMask = DicU32(block + kBlockTypeMaskAt);
  e->flags = DicU32(block + kBlockFlagsAt);
  e->index.clear();
  for (auto& g : e->groupList) g = nullptr;
}

// Walks the records of one group from its header; false when they leave [0, limit).
bool GroupRecordsFit(const uint8_t* block, size_t start, size_t limit, size_t* end) {
  if (start + 16 > limit) return false;
  const unsigned count = DicU16(block + start);
  size_t pos = start + 16;
  for (unsigned i = 0; i < count; ++i) {
    if (pos + 4 > limit) return false;
    const int16_t n = static_cast<int16_t>(DicU16(block + pos + 2));
    if (n < 0 || n > kMaxSegments) return false;
    pos += 4 + 4 * static_cast<size_t>(n);
    if (pos > limit) return false;
  }
  *end = pos;
  return true;
}

}  // namespace

bool ValidateSubDicBlock(const uint8_t* block, size_t size, bool userLayout) {
  if (size < kBlockFieldsEnd) return false;
  if (userLayout && (size < kUserNewBlockSize || size % 16 != 0)) return false;
  for (int k = 0; k < kDicGroups; ++k) {
    const size_t start = 16 * static_cast<size_t>(DicU16(block + 2 * k));
    if (start == 0) {
      if (userLayout) return false;
      continue;
    }
    if (start < (userLayout ? kUserBlockHeader : kBlockFieldsEnd)) return false;
    size_t limit = size;
    if (userLayout && k + 1 < kDicGroups) {
      const size_t next = 16 * static_cast<size_t>(DicU16(block + 2 * (k + 1)));
      if (next <= start) return false;
      limit = next < size ? next : size;
    }
    size_t end;
    if (!GroupRecordsFit(block, start, limit, &end)) return false;
  }
  return true;
}

DicBytes HiRecReadBlock(std::FILE* file, size_t size, size_t* got) {
  DicBytes block;
  try {
    block = std::make_shared<std::vector<uint8_t>>(size, 0);
  } catch (const std::bad_alloc&) {
    *got = 0;
    return nullptr;
  }
  *got = size ? std::fread(block->data(), 1, size, file) : 0;
  return block;
}

void ZkReleaseDicTable(DicEntry* table) {
  for (int i = 0; i < kDicDirEntries; ++i) table[i] = DicEntry();
}

int HiRecLoadUsrDic(DicEntry* usr, const char* path) {
  ZkReleaseDicTable(usr);
  const std::string file_path = path ? path : ZkDefaultUserDicPath();
  struct stat st;
  if (::stat(file_path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR))
    return kDicOk;  // nothing taught yet
  FilePtr file;
  Directory dir;
  uint64_t fileSize;
  if (!OpenDictionary(file_path.c_str(), &file, &dir, &fileSize)) return kDicUserDamaged;

  // The blocks follow the directory back to back. Each block that is wholly in the
  // file and validates is kept, so one damaged byte costs one character class, not
  // everything the user taught.
  const int used = UsedEntries(dir);
  uint64_t at = kDicBlockArea;
  int kept = 0;
  bool damaged = false;
  for (int i = 0; i < used; ++i) {
    const uint32_t size = dir.size[i];
    if (at + size > fileSize || std::fseek(file.get(), static_cast<long>(at), SEEK_SET) != 0) {
      damaged = true;  // this block and the ones after it are not (all) in the file
      break;
    }
    at += size;
    size_t got;
    DicBytes block = HiRecReadBlock(file.get(), size, &got);
    if (!block) {
      ZkReleaseDicTable(usr);
      return kDicNoMemory;
    }
    if (got != size || !ValidateSubDicBlock(block->data(), block->size(), true)) {
      damaged = true;
      continue;
    }
    FillEntry(&usr[kept++], kDicUser, block, block->data(), size);
  }
  return damaged ? kDicUserDamaged : kDicOk;
}

namespace {

int LoadSystemDic(DicEntry* sys, const char* sysPath) {
  const std::string defaultPath = sysPath ? std::string() : ZkDefaultSystemDicPath();
  FilePtr file;
  Directory dir;
  uint64_t fileSize;
  if (!OpenDictionary(sysPath ? sysPath : defaultPath.c_str(), &file, &dir, &fileSize))
    return kDicNoSystem;

  // The block area is the sum of all 65 sizes and must be wholly in the file.
  uint64_t total = 0;
  for (int i = 0; i < kDicDirEntries; ++i) total += dir.size[i];
  if (total > fileSize - kDicBlockArea) return kDicNoSystem;
  const int used = UsedEntries(dir);
  for (int i = 0; i < used; ++i)
    if (static_cast<uint64_t>(dir.offset[i]) + dir.size[i] > total) return kDicNoSystem;

  size_t got;
  DicBytes area = HiRecReadBlock(file.get(), static_cast<size_t>(total), &got);
  if (!area) return kDicNoMemory;
  if (got != total) return kDicNoSystem;
  for (int i = 0; i < used; ++i) {
    uint8_t* block = area->data() + dir.offset[i];
    if (!ValidateSubDicBlock(block, dir.size[i], false)) {
      ZkReleaseDicTable(sys);
      return kDicNoSystem;
    }
    FillEntry(&sys[i], kDicSystem, area, block, dir.size[i]);
  }
  return kDicOk;
}

}  // namespace

int HiRecLoadRecDic(DicEntry* sys, DicEntry* usr, const char* sysPath, const char* usrPath) {
  ZkReleaseDicTable(sys);
  const int user = HiRecLoadUsrDic(usr, usrPath);
  if (user == kDicNoMemory) return kDicNoMemory;
  const int result = LoadSystemDic(sys, sysPath);
  if (result != kDicOk) {
    ZkReleaseDicTable(sys);
    ZkReleaseDicTable(usr);
    return result;
  }
  return user;
}
