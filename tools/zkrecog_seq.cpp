// Building the pad's records from engine results and reading a row both ways.
#include "zkrecog_seq.h"

#include <algorithm>

#include "seni_record.h"
#include "textconv.h"

namespace {

constexpr int kPadRow = 12;  // characters the pad recognises in one go
const char kNoCandidate[] = "？";

std::string TextOf(uint16_t code) {
  const std::string text = SjisCodeToUtf8(code);
  return text.empty() ? kNoCandidate : text;
}

}  // namespace

SeqReading ReadRow(const std::vector<ZkResult>& results, const WordCost* words, const WordSettings& settings,
                   uint16_t before) {
  SeqReading reading;
  std::vector<SeniCharRecord> records;
  std::vector<int> position;  // index in `results` of each record
  for (size_t i = 0; i < results.size(); ++i) {
    if (results[i].count < 1) continue;
    records.push_back(SeniRecordOf(results[i]));
    position.push_back(static_cast<int>(i));
  }
  std::vector<SeniCharRecord> pairs = records;
  for (size_t start = 0; start < pairs.size(); start += kPadRow) {
    const int length = static_cast<int>(std::min<size_t>(kPadRow, pairs.size() - start));
    const int r = SeniCntl(0, length, pairs.data() + start);
    if (r != kSeniDone) reading.result = r;
  }
  std::vector<SeniCharRecord> rescored = records;
  for (size_t start = 0; start < rescored.size(); start += kPadRow) {
    const int length = static_cast<int>(std::min<size_t>(kPadRow, rescored.size() - start));
    RescoreRowWithWords(rescored.data() + start, length, words, settings,
                        start == 0 ? before : rescored[start - 1].cand[0].code);
  }
  size_t next = 0;
  for (size_t i = 0; i < results.size(); ++i) {
    if (next < position.size() && position[next] == static_cast<int>(i)) {
      reading.plain += TextOf(records[next].cand[0].code);
      reading.pairs += TextOf(pairs[next].cand[0].code);
      reading.rescored += TextOf(rescored[next].cand[0].code);
      ++next;
    } else {
      reading.plain += kNoCandidate;
      reading.pairs += kNoCandidate;
      reading.rescored += kNoCandidate;
    }
  }
  reading.records = std::move(rescored);
  return reading;
}
