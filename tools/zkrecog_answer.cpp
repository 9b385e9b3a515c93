// Answering one line of zkrecog, every failure caught and turned into its error.
#include "zkrecog_answer.h"

#include <chrono>
#include <new>

#include "recog.h"
#include "zkrecog_seq_line.h"

namespace {

Json Error(const std::string& where, const std::string& what) { return Json{{"error", where + what}}; }

Json AnswerJsonLine(const Json& line, const std::string& where, const ZkOptionRec& defaults, bool sequence,
                    bool* ok) {
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
  ZkResult result{};
  const auto start = std::chrono::steady_clock::now();
  const int status = ZkCRecognize(&writing.option, writing.pen.data(), writing.pen.size(), &result);
  const auto micros =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
  if (status == 2) return Error(where, "the writing holds no stroke with points");
  if (status != 0) return Error(where, "the dictionary tables are inconsistent");
  *ok = true;
  return AnswerJson(writing, result, static_cast<long long>(micros));
}

}  // namespace

Json AnswerLine(const std::string& text, long lineNumber, const ZkOptionRec& defaults, bool sequence, bool* ok) {
  const std::string where = "line " + std::to_string(lineNumber) + ": ";
  *ok = false;
  // Parsing and copying JSON recurse once per level: the depth is checked first.
  if (!JsonNestingWithin(text, kMaxJsonDepth))
    return Error(where, "nested more than " + std::to_string(kMaxJsonDepth) + " deep");
  try {
    return AnswerJsonLine(Json::parse(text), where, defaults, sequence, ok);
  } catch (const Json::parse_error& e) {
    return Error(where, std::string("not JSON (") + e.what() + ")");
  } catch (const Json::exception& e) {  // a number out of range, a field of the wrong type
    return Error(where, std::string("not usable (") + e.what() + ")");
  } catch (const std::bad_alloc&) {
    return Error(where, "out of memory");
  }
}
