#include "seni_record.h"

#include <algorithm>

SeniCharRecord SeniRecordOf(const ZkResult& result) {
  SeniCharRecord record{};
  const int count = std::clamp<int>(result.count, 0, kSeniCandidates);
  record.count = static_cast<int16_t>(count);
  for (int i = 0; i < count; ++i)
    record.cand[i] = SeniCandidate{result.entry[i].code, static_cast<int16_t>(result.entry[i].distance)};
  return record;
}
