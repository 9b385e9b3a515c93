// Fuzz target: arbitrary bytes as both dictionary files (loaders, validation, the
// index, the pattern walk) and a recognition against whatever loaded.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "dicfile.h"
#include "dicindex.h"
#include "fuzz_check.h"
#include "fuzz_sample_dic.h"
#include "penbuild.h"
#include "recog.h"

namespace {

std::vector<uint8_t> g_sample;

// Builds the file: raw bytes, or (odd first byte) the sample with byte edits and
// an optional cut, which keeps most of the structure intact.
std::vector<uint8_t> FileBytes(const uint8_t* data, size_t size) {
  if (size == 0 || !(data[0] & 1)) return std::vector<uint8_t>(data + (size ? 1 : 0), data + size);
  std::vector<uint8_t> file = g_sample;
  size_t i = 1;
  if ((data[0] & 2) && size > 2) {
    file.resize(file.size() * data[1] / 255);
    i = 2;
  }
  for (; i + 2 < size && !file.empty(); i += 3) file[(data[i] | data[i + 1] << 8) % file.size()] ^= data[i + 2];
  return file;
}

// Reads every pattern of every group through the index and the group iterator.
void WalkPatterns(const DicEntry* table) {
  KusabiPattern pattern;
  for (int e = 0; e < kMaxSubDics && table[e].kind != kDicEnd; ++e)
    for (int k = 0; k < kDicGroups; ++k) {
      int items = 0;
      for (const DicIndexItem* it = table[e].groupList[k]; it && it->pattern; ++it, ++items) {
        ZkGetDicOnePattern(it->pattern, &pattern);
        if (pattern.segments < 0 || pattern.segments > kMaxSegments) std::abort();
      }
      const uint8_t* record = nullptr;
      int walked = 0;
      while (ZkGetDicPattern(&table[e], k, walked, &pattern, &record) != 0) ++walked;
      if (walked != items) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_sample = SampleDictionaryImage();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> file = FileBytes(data, size);
  const std::string path = WriteScratchFile("dictionary", file.data(), file.size());
  const int loaded = ZkCRecInitializesFrom(path.c_str(), path.c_str());
  if (loaded == kDicOk || loaded == kDicUserDamaged) {  // damaged: the readable part is in use
    WalkPatterns(Dic.ZkRecDic);
    WalkPatterns(Dic.ZkUsrDic);
    static const std::vector<std::vector<uint16_t>> writings = {
        PenWords({{{40, 100}, {100, 100}, {160, 100}}}),
        PenWords({{{40, 95}, {160, 95}}, {{100, 35}, {100, 165}}}),
        PenWords({{{100, 30}, {50, 100}, {100, 170}, {150, 100}, {100, 30}}}),
        PenWords({{{60, 60}, {60, 150}}, {{60, 60}, {140, 60}, {140, 150}}, {{60, 150}, {140, 150}}}),
    };
    // One writing per run, chosen by the input, keeps the runs quick.
    const auto& pen = writings[size > 0 ? data[size - 1] % writings.size() : 0];
    const ZkOptionRec option{kClassAll, 0, 0, 0, 200, 200};
    ZkResult result{};
    CheckResult(ZkCRecognize(&option, pen.data(), pen.size(), &result), result);
  }
  ZkCRecEnd();
  return 0;
}
