// Answering one line of zkrecog, every failure caught and turned into its error.
#include "zkrecog_answer.h"

#include <algorithm>
#include <chrono>
#include <new>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
// Under callgrind each recognition ends a profile of its own (bench/instructions.sh
// reads the instruction counts per writing); elsewhere this costs a few instructions.
#define ZKRECOG_END_PROFILE() CALLGRIND_DUMP_STATS
#else
#define ZKRECOG_END_PROFILE() ((void)0)
#endif

#include "json_in_order.h"
#include "recog.h"
#include "zkrecog_seq_line.h"

namespace {

Json Error(const std::string& where, const std::string& what) { return Json{{"error", where + what}}; }

Json AnswerJsonLine(const Json& line, const std::string& where, const ZkOptionRec& defaults, bool sequence,
                    bool* ok, int repeat) {
  std::string error;
  *ok = false;
  if (sequence) {
    Json answer;
    if (!RecognizeSequence(line, defaults, &answer, &error)) return Error(where, error);
    *ok = true;
    return answer;
  }
  Writing writing;
  if (!ParseWriting(line, defaults, &writing, &error)) return Error(where, error);
  // With `repeat` runs the time is the fastest: what a busy machine adds is left out.
  ZkResult result{};
  int status = 0;
  long long micros = 0;
  for (int run = 0; run < std::max(repeat, 1); ++run) {
    result = ZkResult{};
    const auto start = std::chrono::steady_clock::now();
    status = ZkCRecognize(&writing.option, writing.pen.data(), writing.pen.size(), &result);
    const long long took =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    micros = run == 0 ? took : std::min(micros, took);
    ZKRECOG_END_PROFILE();
  }
  if (status == 2) return Error(where, "the writing holds no stroke with points");
  if (status != 0) return Error(where, "the dictionary tables are inconsistent");
  *ok = true;
  return AnswerJson(writing, result, micros);
}

}  // namespace

Json AnswerLine(const std::string& text, long lineNumber, const ZkOptionRec& defaults, bool sequence, bool* ok,
                int repeat) {
  const std::string where = "line " + std::to_string(lineNumber) + ": ";
  *ok = false;
  // Every line gets an answer, so that answers and lines pair up one to one.
  if (text.find_first_not_of(" \t\r") == std::string::npos) return Error(where, "blank, no writing");
  // The JSON reader would stop at a NUL and take the line for shorter than it is.
  if (text.find('\0') != std::string::npos) return Error(where, "holds a NUL byte");
  // Parsing and copying JSON recurse once per level: the depth is checked first.
  if (!JsonNestingWithin(text, kMaxJsonDepth))
    return Error(where, "nested more than " + std::to_string(kMaxJsonDepth) + " deep");
  try {
    return AnswerJsonLine(ParseJsonInOrder(text), where, defaults, sequence, ok, repeat);
  } catch (const Json::parse_error& e) {
    return Error(where, std::string("not JSON (") + e.what() + ")");
  } catch (const Json::exception& e) {  // a number out of range, a field of the wrong type
    return Error(where, std::string("not usable (") + e.what() + ")");
  } catch (const std::bad_alloc&) {
    return Error(where, "out of memory");
  }
}
