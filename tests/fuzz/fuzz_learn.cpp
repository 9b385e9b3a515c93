// Fuzz target: arbitrary bytes as the learning file. Every record read fits the ink
// buffer and ends with the pen end mark, and what is read writes back to bytes that
// read the same records again, cleanly.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "dialogs/learnfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  bool clean = false;
  const std::vector<LearnRecord> records = ParseLearnFile(bytes, &clean);
  for (const LearnRecord& r : records)
    if (r.pen.empty() || r.pen.size() * 2 > kLearnInkBytes || r.pen.back() != 0xF001) std::abort();
  bool again = false;
  const std::vector<LearnRecord> back = ParseLearnFile(SerializeLearnFile(records), &again);
  if (!again || back.size() != records.size()) std::abort();
  for (size_t i = 0; i < back.size(); ++i)
    if (back[i].pen != records[i].pen || back[i].euc[0] != records[i].euc[0] ||
        back[i].euc[1] != records[i].euc[1])
      std::abort();
  return 0;
}
