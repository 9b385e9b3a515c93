// Fuzz target: arbitrary pen data and options through ZkCRecognize against the
// sample dictionary, both as raw words and as well-formed strokes of any shape.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_sample_dic.h"
#include "preprocess.h"
#include "recog.h"
#include "recogstages.h"

namespace {

const uint32_t kMasks[] = {kClassAll, kClassKanji, kClassHiragana, kClassKatakana, kClassDigit,
                           kClassCapital | kClassSmall, kClassSymbol, kClassGesture};

// Reads the fuzz input front to back; zeros once it is used up.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  int16_t Int16() { return static_cast<int16_t>(Byte() | (Byte() << 8)); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Well-formed strokes: a start point, then small moves or, on request, raw
// coordinates anywhere in the 16-bit range.
std::vector<uint16_t> StructuredPen(Reader* in) {
  std::vector<uint16_t> pen;
  const int strokes = in->Byte() % 40;
  for (int s = 0; s < strokes && !in->empty(); ++s) {
    const uint8_t shape = in->Byte();
    const int n = (shape & 0x80) ? (in->Byte() | (in->Byte() << 8)) % 2500 : shape % 64;
    const bool raw = shape & 0x40;
    pen.push_back(kStrokeMark);
    pen.push_back(static_cast<uint16_t>(n));
    int x = in->Int16(), y = in->Int16();
    for (int i = 0; i < n; ++i) {
      if (raw) {
        x = in->Int16();
        y = in->Int16();
      } else {
        x = static_cast<int16_t>(x + static_cast<int8_t>(in->Byte()));
        y = static_cast<int16_t>(y + static_cast<int8_t>(in->Byte()));
      }
      pen.push_back(static_cast<uint16_t>(x));
      pen.push_back(static_cast<uint16_t>(y));
    }
  }
  pen.push_back(kPenEnd);
  return pen;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::vector<uint8_t> image = SampleDictionaryImage();
  const std::string path = WriteScratchFile("recognize.ptn", image.data(), image.size());
  const int r = ZkCRecInitializesFrom(path.c_str(), "");
  unlink(path.c_str());
  if (r != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in(data, size);
  ZkOptionRec option{};
  const uint8_t maskChoice = in.Byte();
  option.mask = maskChoice < 240 ? kMasks[maskChoice % 8] : static_cast<uint32_t>(in.Int16()) << 8 | in.Byte();
  const uint8_t flags = in.Byte();
  option.flags = (flags & 1) ? kHalfWidthFlag : 0;
  if (flags & 2) option.flags |= kMasks[(flags >> 4) % 8];
  option.frameX = in.Int16();
  option.frameY = in.Int16();
  option.frameWidth = (flags & 4) ? in.Int16() : 200;
  option.frameHeight = (flags & 4) ? in.Int16() : 200;

  std::vector<uint16_t> pen;
  if (flags & 8) {
    pen = StructuredPen(&in);
  } else {
    while (!in.empty()) pen.push_back(static_cast<uint16_t>(in.Int16()));
  }
  ZkResult result{};
  const int status = ZkCRecognize(&option, pen.data(), pen.size(), &result);
  CheckResult(status, result);
  if (status == 0) {
    KusabiPattern fine;
    ZkKusabi_Saikinji(ZkRun.ZkIHPen, &fine, 30);
    if (fine.segments < 0 || fine.segments > kMaxSegments) std::abort();
  }
  return 0;
}
