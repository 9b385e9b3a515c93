// Fuzz target: arbitrary bytes as the transition table, then a rescoring of a
// written row against whatever loaded.
#include <cstdint>
#include <cstdlib>

#include "fuzz_sample_dic.h"
#include "seni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("Senijish.dat", data, size);
  std::string why;
  const int loaded = SeniJishoFrom(path, &why);
  if (loaded != kSeniLoaded && loaded != kSeniBadFile) std::abort();
  if (loaded == kSeniLoaded) {
    // A row of kana and kanji candidates, each in a different order.
    static const uint16_t kCodes[] = {0x82A0, 0x82A2, 0x82A4, 0x88EA, 0x93FA, 0x967B, 0x8142, 0x8250};
    SeniCharRecord row[12] = {};
    for (int c = 0; c < 12; ++c) {
      row[c].count = static_cast<int16_t>(c % 11);
      for (int k = 0; k < row[c].count; ++k)
        row[c].cand[k] = {kCodes[(c + 3 * k) % 8], static_cast<int16_t>(100 * k + c)};
    }
    const int r = SeniCntl(0, 12, row);
    if (r != kSeniDone && r != kSeniOverflow && r != kSeniBadType) std::abort();
    for (const SeniCharRecord& rec : row)
      if (rec.count < 0 || rec.count > kSeniCandidates) std::abort();
  }
  SeniClose();
  return 0;
}
