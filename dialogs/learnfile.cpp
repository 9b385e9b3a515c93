// Reading and writing the learning file's records. The file is not trusted: every
// length is checked against the ink buffer and the bytes left before it is used.
#include "dialogs/learnfile.h"

#include "app/userdir.h"
#include "types.h"

namespace {

constexpr size_t kHeadBytes = 6;  // character + length

uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

std::vector<LearnRecord> ParseLearnFile(const std::vector<uint8_t>& bytes, bool* clean) {
  std::vector<LearnRecord> records;
  size_t pos = 0;
  while (pos + kHeadBytes <= bytes.size()) {
    const uint32_t length = U32(&bytes[pos + 2]);
    if (length < 2 || length > kLearnInkBytes || length % 2 != 0 || length > bytes.size() - pos - kHeadBytes)
      break;
    const uint8_t* data = &bytes[pos + kHeadBytes];
    LearnRecord r;
    r.euc[0] = bytes[pos];
    r.euc[1] = bytes[pos + 1];
    r.pen.resize(length / 2);
    for (size_t i = 0; i < r.pen.size(); ++i) r.pen[i] = static_cast<uint16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (r.pen.back() != kPenEnd) break;
    records.push_back(std::move(r));
    pos += kHeadBytes + length;
  }
  if (clean) *clean = pos == bytes.size();
  return records;
}

std::vector<uint8_t> SerializeLearnFile(const std::vector<LearnRecord>& records) {
  std::vector<uint8_t> out;
  for (const auto& r : records) {
    const uint32_t length = static_cast<uint32_t>(2 * r.pen.size());
    out.push_back(r.euc[0]);
    out.push_back(r.euc[1]);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(length >> (8 * i)));
    for (uint16_t w : r.pen) {
      out.push_back(static_cast<uint8_t>(w));
      out.push_back(static_cast<uint8_t>(w >> 8));
    }
  }
  return out;
}

std::string LearnFilePath() { return UserFilePath(kLearnFileName); }
