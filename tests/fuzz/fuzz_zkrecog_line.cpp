// Fuzz target: arbitrary bytes as one input line of zkrecog, in both modes, against
// the sample dictionary and a small transition table. Every line must be answered
// with a JSON object (an answer or an error), never end the run.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_sample_dic.h"
#include "recog.h"
#include "seni.h"
#include "zkrecog_answer.h"

namespace {

// A transition table of three hiragana (あ い う) for the sequence mode.
const char kTable[] =
    "SENI     1\n"
    "    0      3\n"
    "    3\n"
    "  119          3          0     2\n"
    "  120         18          2     1\n"
    "  122         50          3     1\n"
    "         4\n"
    "  120     2\n"
    "  122     1\n"
    "  119     5\n"
    "  120     3\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::vector<uint8_t> image = SampleDictionaryImage();
  const std::string dic = WriteScratchFile("zkrecog.ptn", image.data(), image.size());
  const std::string table =
      WriteScratchFile("zkrecog.seni", reinterpret_cast<const uint8_t*>(kTable), sizeof kTable - 1);
  if (ZkCRecInitializesFrom(dic.c_str(), "") != 0 || SeniJishoFrom(table) != kSeniLoaded) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the mode; the rest is the line.
  const bool sequence = data[0] & 1;
  const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
  const ZkOptionRec defaults{kClassAll, 0, 0, 0, 0, 0};
  bool ok = false;
  const Json answer = AnswerLine(line, 1, defaults, sequence, &ok);
  if (!answer.is_object() || (!ok && !answer.contains("error"))) std::abort();
  (void)answer.dump(-1, ' ', false, Json::error_handler_t::replace);
  return 0;
}
