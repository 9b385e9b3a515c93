// Judging variant forms with the engine's own recognition.
#include "variant_filter.h"

#include "codes.h"
#include "recog.h"

VariantVerdict JudgeVariant(const ReferenceForm& form, const PatternMakerOptions& options, int minMargin) {
  int strokes = 0;
  const std::vector<uint16_t> pen = FormPenData(form, options, &strokes);
  const int16_t frame = static_cast<int16_t>(options.boxPixels);
  const ZkOptionRec option{ZkCheckJisyu(form.code), 0, 0, 0, frame, frame};
  ZkResult result{};
  VariantVerdict verdict;
  if (ZkCRecognize(&option, pen.data(), pen.size(), &result) != 0 || result.count < 1 ||
      result.entry[0].code != form.code) {
    verdict.keep = true;
    verdict.margin = -1;
    return verdict;
  }
  // Result distances are normalised and may be negative: read them as signed.
  verdict.margin = result.count > 1 ? static_cast<int16_t>(result.entry[1].distance) -
                                          static_cast<int16_t>(result.entry[0].distance)
                                    : 32767;
  verdict.keep = verdict.margin < minMargin;
  return verdict;
}
