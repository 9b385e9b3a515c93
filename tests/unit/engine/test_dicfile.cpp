// The dictionary container: writer -> loader round trips, selection, the index,
// and every kind of corrupt file the loaders must refuse without reading outside
// their blocks.
#include <gtest/gtest.h>

#include <algorithm>

#include "dicfile.h"
#include "dicindex.h"
#include "dicwriter.h"
#include "patscan.h"
#include "coarse.h"
#include "tempdir.h"

namespace {

DicPatternSpec Pattern(uint16_t code, int segments, int seed) {
  DicPatternSpec p;
  p.code = code;
  for (int s = 0; s < segments; ++s)
    p.segments.push_back({static_cast<int8_t>(seed + s), static_cast<int8_t>(-seed - s),
                          static_cast<int8_t>(2 * s - seed), static_cast<int8_t>(127 - s)});
  return p;
}

// Three sub-dictionaries: hiragana (groups 0, 2, 20), kanji with an empty middle,
// and an exclusive digit sub-dictionary.
std::vector<SubDicSpec> SampleSubs() {
  std::vector<SubDicSpec> subs(3);
  subs[0].typeMask = 0x10000;
  subs[0].groups[0] = {Pattern(0x82A0, 1, 1), Pattern(0x82A2, 2, 2)};
  subs[0].groups[2] = {Pattern(0x82A4, 5, 3)};
  subs[0].groups[20] = {Pattern(0x82A6, 90, 4), Pattern(0, 3, 5)};  // code 0 reads as 0x8140
  subs[1].typeMask = 0x40000;
  subs[1].groups[1] = {Pattern(0x93F1, 2, 6)};
  subs[1].groups[9] = {Pattern(0x8ABF, 30, 7)};
  subs[2].typeMask = 0x4;
  subs[2].flags = kSubDicExclusive;
  subs[2].groups[0] = {Pattern(0x8250, 1, 8)};
  return subs;
}

std::string Write(const TempDir& dir, const std::string& name, const std::vector<SubDicSpec>& subs,
                  bool keepEmptyGroups = true) {
  DicWriteOptions options;
  options.keepEmptyGroups = keepEmptyGroups;
  std::string error;
  const std::string path = dir.File(name);
  EXPECT_TRUE(WriteDicFile(path, subs, options, &error)) << error;
  return path;
}

std::string WriteSample(const TempDir& dir, const std::string& name, bool keepEmptyGroups) {
  return Write(dir, name, SampleSubs(), keepEmptyGroups);
}

// Little-endian fields of a dictionary image.
void Put(std::vector<uint8_t>* b, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) (*b)[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint16_t ExpectedLength(const DicPatternSpec& p) {
  int sum = 0;
  for (const auto& s : p.segments) sum += std::abs(s[2] - s[0]) + std::abs(s[3] - s[1]);
  return static_cast<uint16_t>(sum);
}

// Loads `path` as the system dictionary (no user file) and builds the index.
int LoadSystem(const TempDir& dir, const std::string& path) {
  const std::string none = dir.File("no-such-user-file");
  const int r = HiRecLoadRecDic(Dic.ZkRecDic, Dic.ZkUsrDic, path.c_str(), none.c_str());
  if (r == kDicOk) {
    EXPECT_EQ(ZkBuildDicIndex(Dic.ZkRecDic, Dic.ZkUsrDic), kDicOk);
  }
  return r;
}

int CountEntries(const DicEntry* table) {
  int n = 0;
  while (n < kDicDirEntries && table[n].kind != kDicEnd) ++n;
  return n;
}

// Reads every pattern of every group of every loaded entry through the index,
// as the matcher does; returns the number of patterns.
int WalkAll(const DicEntry* table) {
  int patterns = 0;
  KusabiPattern pattern;
  for (int e = 0; e < kMaxSubDics && table[e].kind != kDicEnd; ++e)
    for (int k = 0; k < kDicGroups; ++k)
      for (const DicIndexItem* it = table[e].groupList[k]; it && it->pattern; ++it) {
        EXPECT_NE(ZkGetDicOnePattern(it->pattern, &pattern), 0);
        EXPECT_LE(pattern.segments, kMaxSegments);
        ++patterns;
      }
  return patterns;
}

class DicFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ZkReleaseDicTable(Dic.ZkRecDic);
    ZkReleaseDicTable(Dic.ZkUsrDic);
  }
  TempDir dir_;
};

void ExpectMatchesSample(const DicEntry* table, uint16_t kind) {
  const auto subs = SampleSubs();
  ASSERT_EQ(CountEntries(table), 3);
  for (int e = 0; e < 3; ++e) {
    const DicEntry& entry = table[e];
    EXPECT_EQ(entry.kind, kind);
    EXPECT_EQ(entry.typeMask, subs[e].typeMask);
    EXPECT_EQ(entry.flags, subs[e].flags);
    for (int k = 0; k < kDicGroups; ++k) {
      const auto& expected = subs[e].groups[k];
      const DicIndexItem* item = entry.groupList[k];
      ASSERT_NE(item, nullptr);
      KusabiPattern pattern;
      const uint8_t* record = nullptr;
      for (size_t i = 0; i < expected.size(); ++i, ++item) {
        const uint16_t code = ZkGetDicPattern(&entry, k, static_cast<int>(i), &pattern, &record);
        EXPECT_EQ(code, expected[i].code ? expected[i].code : 0x8140);
        EXPECT_EQ(record, item->pattern);
        EXPECT_EQ(item->length, ExpectedLength(expected[i]));
        ASSERT_EQ(pattern.segments, static_cast<int>(expected[i].segments.size()));
        for (int s = 0; s < pattern.segments; ++s) {
          EXPECT_EQ(pattern.segment[s].x0, expected[i].segments[s][0]);
          EXPECT_EQ(pattern.segment[s].y1, expected[i].segments[s][3]);
        }
      }
      EXPECT_EQ(item->pattern, nullptr);  // end item
      EXPECT_EQ(ZkGetDicPattern(&entry, k, static_cast<int>(expected.size()), &pattern, &record), 0);
    }
  }
}

TEST_F(DicFileTest, RoundTripAsSystemDictionary) {
  for (bool keep : {true, false}) {
    const std::string path = WriteSample(dir_, keep ? "full.ptn" : "sparse.ptn", keep);
    ASSERT_EQ(LoadSystem(dir_, path), kDicOk);
    ExpectMatchesSample(Dic.ZkRecDic, kDicSystem);
    EXPECT_EQ(CountEntries(Dic.ZkUsrDic), 0);
    EXPECT_EQ(Dic.ZkRecDic[0].base, Dic.ZkRecDic[2].base);  // one block area for all
  }
}

// The pad loads its dictionaries again after every keyboard: the block copies of the
// system sub-dictionaries are made once and kept while their content stays the same.
TEST_F(DicFileTest, ReloadsKeepTheCopiesOfUnchangedSubDictionaries) {
  const std::string same = WriteSample(dir_, "a.ptn", true);
  std::vector<SubDicSpec> subs = SampleSubs();
  subs[1].groups[1] = {Pattern(0x93F1, 2, 9)};  // the kanji sub-dictionary changes
  const std::string changed = Write(dir_, "b.ptn", subs);

  ASSERT_EQ(LoadSystem(dir_, same), kDicOk);
  const auto hiragana = Dic.ZkRecDic[0].scans, kanji = Dic.ZkRecDic[1].scans;
  ASSERT_EQ(LoadSystem(dir_, same), kDicOk);
  EXPECT_EQ(Dic.ZkRecDic[0].scans, hiragana);
  EXPECT_EQ(Dic.ZkRecDic[1].scans, kanji);
  ASSERT_EQ(LoadSystem(dir_, changed), kDicOk);
  EXPECT_EQ(Dic.ZkRecDic[0].scans, hiragana);
  EXPECT_NE(Dic.ZkRecDic[1].scans, kanji);
  // Every copy in use is the one its record makes.
  for (int e = 0; e < CountEntries(Dic.ZkRecDic); ++e)
    for (const DicIndexItem& item : Dic.ZkRecDic[e].index) {
      if (item.pattern == nullptr) continue;
      std::vector<int16_t> fresh;
      const PatternScan want = ScanAt(fresh, AppendRecordScan(item.pattern, &fresh));
      const PatternScan got = ScanAt(*Dic.ZkRecDic[e].scans, item.scan);
      ASSERT_EQ(got.segments, want.segments);
      for (int j = 0; j < want.segments; ++j) EXPECT_EQ(got.x1[j], want.x1[j]) << e << " " << j;
      EXPECT_TRUE(std::equal(want.coarse, want.coarse + kCoarseBins, got.coarse)) << e;
    }
}

TEST_F(DicFileTest, RoundTripAsUserDictionary) {
  const std::string path = WriteSample(dir_, "Crecs.upt", true);
  ASSERT_EQ(HiRecLoadUsrDic(Dic.ZkUsrDic, path.c_str()), kDicOk);
  ASSERT_EQ(ZkBuildDicIndex(Dic.ZkRecDic, Dic.ZkUsrDic), kDicOk);
  ExpectMatchesSample(Dic.ZkUsrDic, kDicUser);
  EXPECT_NE(Dic.ZkUsrDic[0].base, Dic.ZkUsrDic[1].base);  // a block each
  EXPECT_EQ(Dic.ZkUsrDic[0].size % 16, 0u);
  // The user-dictionary operations need every group present: a sparse file is refused.
  EXPECT_EQ(HiRecLoadUsrDic(Dic.ZkUsrDic, WriteSample(dir_, "sparse.upt", false).c_str()), kDicUserDamaged);
  EXPECT_EQ(CountEntries(Dic.ZkUsrDic), 0);
}

TEST_F(DicFileTest, SelectionByMaskUserFirstAndExclusive) {
  const std::string sys = WriteSample(dir_, "s.ptn", false);
  std::vector<SubDicSpec> user(1);
  user[0].typeMask = 0x10000;
  const std::string usr = Write(dir_, "u.upt", user);
  ASSERT_EQ(HiRecLoadRecDic(Dic.ZkRecDic, Dic.ZkUsrDic, sys.c_str(), usr.c_str()), kDicOk);

  // The selected tables, up to the first empty slot.
  const auto selected = [](uint32_t mask) {
    std::vector<const DicEntry*> out;
    EXPECT_EQ(ZkSetRequiredRecDic(mask, Dic.ZkRecDic, Dic.ZkUsrDic, Dic.ZkRecDicTbl), 1);
    for (int i = 0; Dic.ZkRecDicTbl[i] != nullptr; ++i) out.push_back(Dic.ZkRecDicTbl[i]);
    return out;
  };
  // User first; the exclusive digits only when asked for alone; an empty selection is no error.
  EXPECT_EQ(selected(kClassAll), (std::vector<const DicEntry*>{&Dic.ZkUsrDic[0], &Dic.ZkRecDic[0], &Dic.ZkRecDic[1]}));
  EXPECT_EQ(selected(0x4), (std::vector<const DicEntry*>{&Dic.ZkRecDic[2]}));
  EXPECT_TRUE(selected(0x6).empty());

  Dic.ZkRecDic[1].kind = kDicUser;  // a wrong kind before the end entry
  EXPECT_EQ(ZkSetRequiredRecDic(kClassAll, Dic.ZkRecDic, Dic.ZkUsrDic, Dic.ZkRecDicTbl), 0);
  Dic.ZkRecDic[1].kind = kDicSystem;
  Dic.ZkUsrDic[1].kind = kDicSystem;
  EXPECT_EQ(ZkSetRequiredRecDic(kClassAll, Dic.ZkRecDic, Dic.ZkUsrDic, Dic.ZkRecDicTbl), 0);
  Dic.ZkUsrDic[1].kind = kDicEnd;
}

TEST_F(DicFileTest, SixtyFourSubDictionariesAndTheSixtyFifthSize) {
  std::vector<SubDicSpec> subs(64);
  for (int i = 0; i < 64; ++i) {
    subs[i].typeMask = 0x40000;
    subs[i].groups[0] = {Pattern(static_cast<uint16_t>(0x889F + i), 1, i)};
  }
  std::vector<uint8_t> image;
  std::string error;
  DicWriteOptions options;
  ASSERT_TRUE(BuildDicImage(subs, options, &image, &error)) << error;
  // A 65th directory entry is never a sub-dictionary, but its size is part of the area.
  const uint32_t extra = 48;
  Put(&image, kDicDirOffset + 8 * 64, extra, 4);
  image.resize(image.size() + extra, 0);
  const std::string path = dir_.File("64.ptn");
  WriteFileBytes(path, image);
  ASSERT_EQ(LoadSystem(dir_, path), kDicOk);
  EXPECT_EQ(CountEntries(Dic.ZkRecDic), 64);
  EXPECT_EQ(WalkAll(Dic.ZkRecDic), 64);

  image.resize(image.size() - 1);  // the 65th size no longer fits in the file
  WriteFileBytes(path, image);
  EXPECT_EQ(LoadSystem(dir_, path), kDicNoSystem);

  subs.resize(65);
  EXPECT_FALSE(BuildDicImage(subs, options, &image, &error));
}

TEST_F(DicFileTest, MoreThan32767PatternsInOneSubDictionary) {
  std::vector<SubDicSpec> subs(1);
  subs[0].typeMask = 0x40000;
  for (int i = 0; i < 40000; ++i) subs[0].groups[i % 2].push_back(Pattern(0x889F, 1, i % 50));
  ASSERT_EQ(LoadSystem(dir_, Write(dir_, "big.ptn", subs)), kDicOk);
  EXPECT_EQ(Dic.ZkRecDic[0].index.size(), 40000u + kDicGroups);
  EXPECT_EQ(WalkAll(Dic.ZkRecDic), 40000);
}

TEST_F(DicFileTest, WriterRefusesWhatTheFormatCannotHold) {
  std::vector<SubDicSpec> subs(1);
  std::string error;
  std::vector<uint8_t> image;
  subs[0].groups[0] = {Pattern(0x889F, 91, 0)};
  EXPECT_FALSE(BuildDicImage(subs, DicWriteOptions(), &image, &error));
  EXPECT_NE(error.find("90 segments"), std::string::npos);

  // Group 1 would start beyond 65535 units of 16 bytes.
  subs[0].groups[0].assign(13000, Pattern(0x889F, 20, 0));  // 84 bytes each, 1.09 MB
  EXPECT_FALSE(SubDicFits(subs[0], true));
  EXPECT_FALSE(BuildDicImage(subs, DicWriteOptions(), &image, &error));
  subs[0].groups[0].resize(12000);  // 1.01 MB
  EXPECT_TRUE(SubDicFits(subs[0], true));
}

TEST_F(DicFileTest, MissingOrForeignFiles) {
  EXPECT_EQ(LoadSystem(dir_, dir_.File("missing.ptn")), kDicNoSystem);
  const std::string foreign = dir_.File("foreign.ptn");
  WriteFileBytes(foreign, std::vector<uint8_t>(600, 0));
  EXPECT_EQ(LoadSystem(dir_, foreign), kDicNoSystem);
  WriteFileBytes(foreign, {0x00, 0x01, 0x00, 0x02});  // magic only
  EXPECT_EQ(LoadSystem(dir_, foreign), kDicNoSystem);
  EXPECT_EQ(LoadSystem(dir_, dir_.path()), kDicNoSystem);  // a directory

  EXPECT_EQ(HiRecLoadUsrDic(Dic.ZkUsrDic, dir_.File("missing.upt").c_str()), kDicOk);
  EXPECT_EQ(CountEntries(Dic.ZkUsrDic), 0);
  std::vector<uint8_t> image;  // a user file whose first entry is already the end
  std::string error;
  ASSERT_TRUE(BuildDicImage({}, DicWriteOptions(), &image, &error));
  WriteFileBytes(foreign, image);
  EXPECT_EQ(HiRecLoadUsrDic(Dic.ZkUsrDic, foreign.c_str()), kDicOk);
  EXPECT_EQ(CountEntries(Dic.ZkUsrDic), 0);
}

// Sub-dictionaries a damaged user file keeps: damage inside block 0 costs that block
// only, damage to the layout (sizes, or the file cut short) the blocks from there on.
constexpr int kSystemOnly = -1;  // damages a field the user loader does not read

struct Corruption {
  const char* what;
  void (*apply)(std::vector<uint8_t>* image);
  int userKept;
  int userFirst = 1;  // the sample's first sub-dictionary kept
};

// Offsets in the sample image (empty groups kept): block 0 starts at 528; its
// group 0 at 528 + 256.
constexpr size_t kBlock0 = kDicBlockArea;
constexpr size_t kGroup0 = kBlock0 + 256;

using Image = std::vector<uint8_t>;
const Corruption kCorruptions[] = {
    {"truncated inside the blocks", [](Image* b) { b->resize(b->size() - 40); }, 2, 0},
    {"truncated after the directory", [](Image* b) { b->resize(kDicBlockArea); }, 0},
    {"block size beyond the file", [](Image* b) { Put(b, kDicDirOffset, 0x7FFFFFF0, 4); }, 0},
    {"huge size in the unused 65th entry", [](Image* b) { Put(b, kDicDirOffset + 8 * 64, 0xFFFFFFFF, 4); },
     kSystemOnly},
    {"offset beyond the block area", [](Image* b) { Put(b, kDicDirOffset + 12, 0x100000, 4); }, kSystemOnly},
    {"block too small for its header", [](Image* b) { Put(b, kDicDirOffset, 40, 4); }, 0},
    {"group start beyond the block", [](Image* b) { Put(b, kBlock0, 0xFFF0, 2); }, 2},
    {"group start inside the header", [](Image* b) { Put(b, kBlock0, 2, 2); }, 2},
    {"group count running past the block", [](Image* b) { Put(b, kGroup0, 5000, 2); }, 2},
    {"91 segments", [](Image* b) { Put(b, kGroup0 + 16 + 2, 91, 2); }, 2},
    {"negative segment count", [](Image* b) { Put(b, kGroup0 + 16 + 2, 0xFFFF, 2); }, 2},
};

// Damage only the user loader looks for.
const Corruption kUserCorruptions[] = {
    {"size not a multiple of 16", [](Image* b) { Put(b, kDicDirOffset, DicU32(b->data() + kDicDirOffset) - 8, 4); },
     0},
    {"groups out of order", [](Image* b) {
       const uint16_t g1 = DicU16(b->data() + kBlock0 + 2);
       Put(b, kBlock0 + 2, DicU16(b->data() + kBlock0), 2);
       Put(b, kBlock0, g1, 2);
     }, 2},
    {"a group running into the next", [](Image* b) { Put(b, kGroup0, 6, 2); }, 2},
    {"a missing group", [](Image* b) { Put(b, kBlock0 + 2 * 7, 0, 2); }, 2},
    {"not a dictionary at all", [](Image* b) { b->assign(600, 0x41); }, 0},
};

TEST_F(DicFileTest, CorruptSystemFilesGive101) {
  const std::string good = WriteSample(dir_, "good.ptn", true);
  const std::vector<uint8_t> image = ReadFileBytes(good);
  for (const auto& c : kCorruptions) {
    std::vector<uint8_t> bad = image;
    c.apply(&bad);
    const std::string path = dir_.File("bad.ptn");
    WriteFileBytes(path, bad);
    EXPECT_EQ(LoadSystem(dir_, path), kDicNoSystem) << c.what;
    EXPECT_EQ(CountEntries(Dic.ZkRecDic), 0) << c.what;
  }
}

TEST_F(DicFileTest, CorruptUserFilesKeepTheSubDictionariesThatValidate) {
  const std::string good = WriteSample(dir_, "good.upt", true);
  const std::vector<uint8_t> image = ReadFileBytes(good);
  std::vector<Corruption> cases(std::begin(kCorruptions), std::end(kCorruptions));
  cases.insert(cases.end(), std::begin(kUserCorruptions), std::end(kUserCorruptions));
  const std::string sys = WriteSample(dir_, "sys.ptn", false);
  const auto subs = SampleSubs();
  for (const auto& c : cases) {
    if (c.userKept == kSystemOnly) continue;
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bad = image;
    c.apply(&bad);
    const std::string path = dir_.File("bad.upt");
    WriteFileBytes(path, bad);
    // Recognition goes on with the system dictionary and what was readable; the
    // caller learns that the file needs keeping.
    EXPECT_EQ(HiRecLoadRecDic(Dic.ZkRecDic, Dic.ZkUsrDic, sys.c_str(), path.c_str()), kDicUserDamaged);
    ASSERT_EQ(CountEntries(Dic.ZkUsrDic), c.userKept);
    for (int e = 0; e < c.userKept; ++e) EXPECT_EQ(Dic.ZkUsrDic[e].typeMask, subs[c.userFirst + e].typeMask);
    EXPECT_EQ(CountEntries(Dic.ZkRecDic), 3);
  }
}

}  // namespace
