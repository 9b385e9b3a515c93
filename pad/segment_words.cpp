#include "pad/segment_words.h"

#include <algorithm>
#include <string>

#include "pad/parallel_for.h"
#include "seni_record.h"
#include "textconv.h"

namespace {

constexpr double kDistanceDeviation = 269;  // one deviation of the engine's distances

// The reading's cost with the words of its best string (RescoreRowWithWords) added
// at the weight the row's own rescoring gives them, on the segmentation's scale.
double CostWithWords(const SegReading& reading, const WordCost& words, const WordSettings& settings,
                     uint16_t before) {
  std::vector<SeniCharRecord> records;
  for (const SegUnit& unit : reading.units)
    if (unit.result.count >= 1) records.push_back(SeniRecordOf(unit.result));
  WordSettings rowOnly = settings;
  rowOnly.orderAlternatives = false;
  RescoreRowWithWords(records.data(), static_cast<int>(records.size()), &words, rowOnly, before);
  std::string text = before != 0 ? SjisCodeToUtf8(before) : std::string();
  for (const SeniCharRecord& r : records) text += SjisCodeToUtf8(r.cand[0].code);
  return reading.cost + settings.wordWeight * static_cast<double>(words.Of(text)) / kDistanceDeviation;
}

}  // namespace

size_t ChooseReadingByWords(const std::vector<SegReading>& readings, const WordCost* words,
                            const WordSettings& settings, uint16_t before, int threads) {
  if (!words || readings.size() < 2) return 0;
  std::vector<double> costs(readings.size());
  ParallelFor(readings.size(), threads,
              [&](size_t i) { costs[i] = CostWithWords(readings[i], *words, settings, before); });
  return static_cast<size_t>(std::min_element(costs.begin(), costs.end()) - costs.begin());
}
