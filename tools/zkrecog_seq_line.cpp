// The JSON side of zkrecog's sequence mode.
#include "zkrecog_seq_line.h"

#include <algorithm>
#include <chrono>

#include "json_in_order.h"
#include "recog.h"
#include "zkrecog_seq.h"

namespace {

constexpr const char* kInherited[] = {"width", "height", "mask", "half"};

}  // namespace

bool RecognizeSequence(const Json& line, const ZkOptionRec& defaults, Json* answer, std::string* error) {
  if (!line.is_object() || !line.contains("chars") || !line["chars"].is_array()) {
    *error = "no \"chars\" array of writings";
    return false;
  }
  const Json& chars = line["chars"];
  std::vector<ZkResult> results;
  uint32_t mask = defaults.mask;
  const auto start = std::chrono::steady_clock::now();
  for (size_t i = 0; i < chars.size(); ++i) {
    Json writingLine = chars[i];
    if (writingLine.is_object())
      for (const char* name : kInherited)
        if (!writingLine.contains(name) && line.contains(name)) writingLine[name] = line[name];
    Writing writing;
    if (!ParseWriting(writingLine, defaults, &writing, error)) {
      *error = "character " + std::to_string(i + 1) + ": " + *error;
      return false;
    }
    mask = writing.option.mask;
    ZkResult result{};
    const int status = ZkCRecognize(&writing.option, writing.pen.data(), writing.pen.size(), &result);
    if (status == 1) {
      *error = "the dictionary tables are inconsistent";
      return false;
    }
    if (status == 2) result.count = 0;  // no stroke: the pad drops such a character
    results.push_back(result);
  }
  // Rows written where only Latin letters, digits or symbols are allowed are no sentences.
  const SeqReading reading = ReadRow(results, WordsSuitMask(mask) ? SharedWordCost() : nullptr);
  const auto micros =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();

  *answer = Json::object();
  for (const auto& item : line.items()) {
    bool inherited = item.key() == "chars";
    for (const char* name : kInherited) inherited |= item.key() == name;
    if (!inherited) AppendMember(answer, item.key(), item.value());
  }
  (*answer)["plain"] = reading.plain;
  (*answer)["pairs"] = reading.pairs;
  (*answer)["rescored"] = reading.rescored;
  // The candidates as recognised, for choosing the rescoring's weights offline.
  Json candidates = Json::array();
  for (const ZkResult& result : results) {
    Json one = Json::array();
    for (int i = 0; i < std::min<int>(result.count, kSeniCandidates); ++i)
      one.push_back({result.entry[i].code, static_cast<int16_t>(result.entry[i].distance)});
    candidates.push_back(one);
  }
  (*answer)["candidates"] = candidates;
  (*answer)["seni"] = reading.result;
  (*answer)["us"] = static_cast<long long>(micros);
  return true;
}
