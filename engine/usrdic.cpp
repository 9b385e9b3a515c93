// The user-dictionary operations. Each user sub-dictionary keeps its block in the
// layout of the file; a change re-lays the block out with the dictionary writer,
// which gives the same bytes as editing it in place (every group padded to 16
// bytes, so the block grows and shrinks by the record length rounded to 16).
#include "usrdic.h"

#include <cerrno>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

#include "codes.h"
#include "dicfile.h"
#include "dicindex.h"
#include "paths.h"
#include "recog.h"
#include "safewrite.h"
#include "usrdicfile.h"

namespace {

constexpr uint16_t kFirstGesture = 0x8051;
constexpr uint16_t kLastGesture = 0x805D;
constexpr int kNearDistance = 200;

// What a successful check leaves for the entry: a copy of the sample's pattern, so
// that a recognition in between cannot change what is registered.
struct PendingEntry {
  bool armed = false;
  uint16_t code = 0;
  uint32_t typeMask = 0;
  DicPatternSpec pattern;
  int group = 0;
};
PendingEntry g_pending;

struct WalkState {
  int sub = 0;
  int group = 0;
  unsigned ordinal = 0;  // patterns of the group already returned
  size_t cursor = 0;     // offset of the next record in the block
};
WalkState g_walk;

int UserEntries() {
  int n = 0;
  while (n < kMaxSubDics && Dic.ZkUsrDic[n].kind == kDicUser) ++n;
  return n;
}

int FindUserEntry(uint32_t typeMask) {
  const int n = UserEntries();
  for (int i = 0; i < n; ++i)
    if (Dic.ZkUsrDic[i].typeMask == typeMask) return i;
  return -1;
}

// Replaces entry i by the block of `sub` and indexes it. False on exhausted memory
// (the entry is left as it was).
bool StoreEntry(int i, const SubDicSpec& sub) {
  try {
    auto bytes = std::make_shared<std::vector<uint8_t>>(BuildSubDicBlock(sub, true));
    DicEntry e;
    e.kind = kDicUser;
    e.base = bytes;
    e.block = bytes->data();
    e.size = static_cast<uint32_t>(bytes->size());
    e.typeMask = sub.typeMask;
    e.flags = sub.flags;
    if (ZkBuildEntryIndex(&e) != kDicOk) return false;
    Dic.ZkUsrDic[i] = std::move(e);  // the index vector moves with its group pointers
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// Removes entry i and closes up the table.
void RemoveEntry(int i) {
  const int n = UserEntries();
  for (int j = i; j + 1 < n; ++j) Dic.ZkUsrDic[j] = std::move(Dic.ZkUsrDic[j + 1]);
  Dic.ZkUsrDic[n - 1] = DicEntry();
}

bool HasPatterns(const SubDicSpec& sub) {
  for (const auto& g : sub.groups)
    if (!g.empty()) return true;
  return false;
}

}  // namespace


int ZkChrckEntryPatternUsr(uint16_t code, const uint16_t* pen, size_t penWords) {
  g_pending.armed = false;
  const ZkOptionRec options{kClassAll, 0, 0, 0, 0, 0};
  ZkResult result{};
  KusabiPattern input;
  if (ZkCRecognize(&options, pen, penWords, &result, &input) != 0) return kUsrRecogFailed;

  uint16_t target = code;
  uint32_t typeMask = kClassGesture;
  if (code < kFirstGesture || code > kLastGesture) {
    const uint16_t wide = ZkAsciiToSJis(code);
    if (wide != 0) target = wide;
    typeMask = ZkCheckJisyu(target);
    if (typeMask == kClassNone) return kUsrNotRegistrable;
  }
  for (uint16_t c = ZkInfoUsrDicPattern(1); c != 0; c = ZkInfoUsrDicPattern(0))
    if (c == target) return kUsrAlreadyTaught;

  g_pending.armed = true;
  g_pending.code = target;
  g_pending.typeMask = typeMask;
  g_pending.pattern = PatternToSpec(target, input);
  g_pending.group = DicGroupOf(input.strokes);

  if (result.count <= 0) return 0;
  const uint16_t best = result.entry[0].code;
  if (best == code || best == target) return 2;
  return result.entry[0].distance < kNearDistance ? 1 : 0;
}

int ZkEntryPatternUsr() {
  if (!g_pending.armed) return kUsrNoRoom;
  int i = FindUserEntry(g_pending.typeMask);
  SubDicSpec sub;
  if (i >= 0) {
    sub = SubDicFromBlock(Dic.ZkUsrDic[i].block, Dic.ZkUsrDic[i].size);
  } else {
    i = UserEntries();
    if (i >= kMaxSubDics) return kUsrNoRoom;
    sub.typeMask = g_pending.typeMask;
  }
  try {
    sub.groups[g_pending.group].push_back(g_pending.pattern);
  } catch (const std::bad_alloc&) {
    return kUsrNoRoom;
  }
  if (!SubDicFits(sub, true) || !StoreEntry(i, sub)) return kUsrNoRoom;
  g_pending.armed = false;  // one sample, one pattern
  return 0;
}

int ZkDeletePatternUsr(uint16_t code) {
  const uint32_t typeMask = (code >= kFirstGesture && code <= kLastGesture) ? kClassGesture : ZkCheckJisyu(code);
  if (typeMask == kClassNone) return kUsrNoPattern;
  const int i = FindUserEntry(typeMask);
  if (i < 0) return kUsrNoPattern;
  SubDicSpec sub = SubDicFromBlock(Dic.ZkUsrDic[i].block, Dic.ZkUsrDic[i].size);
  bool removed = false;
  for (auto& group : sub.groups) {
    for (auto it = group.begin(); it != group.end(); ++it) {
      if (it->code == code) {
        group.erase(it);
        removed = true;
        break;
      }
    }
    if (removed) break;
  }
  if (!removed) return kUsrNoPattern;
  if (!HasPatterns(sub)) {
    RemoveEntry(i);
    return 0;
  }
  return StoreEntry(i, sub) ? 0 : kUsrNoPattern;
}

uint16_t ZkInfoUsrDicPattern(int restart) {
  if (restart) g_walk = WalkState();
  const int n = UserEntries();
  while (g_walk.sub < n) {
    const DicEntry& e = Dic.ZkUsrDic[g_walk.sub];
    while (g_walk.group < kDicGroups) {
      const size_t start = 16 * static_cast<size_t>(DicU16(e.block + 2 * g_walk.group));
      const unsigned count = (start && start + 16 <= e.size) ? DicU16(e.block + start) : 0;
      if (g_walk.ordinal == 0) g_walk.cursor = start + 16;
      if (g_walk.ordinal < count && g_walk.cursor + 4 <= e.size) {
        const uint8_t* record = e.block + g_walk.cursor;
        const int segments = static_cast<int16_t>(DicU16(record + 2));
        g_walk.cursor += 4 + 4 * static_cast<size_t>(segments < 0 ? 0 : segments);
        ++g_walk.ordinal;
        return DicU16(record);
      }
      ++g_walk.group;
      g_walk.ordinal = 0;
    }
    ++g_walk.sub;
    g_walk.group = 0;
    g_walk.ordinal = 0;
  }
  return 0;
}

int ZkSaveUsrDic() {
  const std::string& path = ZkUsrDicPath();
  if (!ZkKeepDamagedUsrDic()) return kUsrSaveFailed;
  const std::vector<SubDicSpec> subs = ZkUsrDicSnapshot();
  if (subs.empty()) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return kUsrSaveFailed;
    return 0;
  }
  // The per-user directory may not exist yet on a fresh account.
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) ::mkdir(path.substr(0, slash).c_str(), 0700);
  DicWriteOptions options;
  options.keepEmptyGroups = true;
  std::vector<uint8_t> image;
  std::string error;
  if (!BuildDicImage(subs, options, &image, &error)) return kUsrSaveFailed;
  return WriteFileAtomically(path, image.data(), image.size()) ? 0 : kUsrSaveFailed;
}

std::vector<SubDicSpec> ZkUsrDicSnapshot() {
  std::vector<SubDicSpec> subs;
  const int n = UserEntries();
  for (int i = 0; i < n; ++i)
    subs.push_back(SubDicFromBlock(Dic.ZkUsrDic[i].block, Dic.ZkUsrDic[i].size));
  return subs;
}

int ZkUsrDicRestore(const std::vector<SubDicSpec>& subs) {
  if (subs.size() > static_cast<size_t>(kMaxSubDics)) return kUsrNoRoom;
  ZkReleaseDicTable(Dic.ZkUsrDic);
  for (size_t i = 0; i < subs.size(); ++i)
    if (!StoreEntry(static_cast<int>(i), subs[i])) return kUsrNoRoom;
  return 0;
}
