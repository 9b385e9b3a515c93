// Reference forms and stroke JSON for the sample generators.
#include "bench_forms.h"

bool LoadBenchForms(const std::string& kanjivgDir, const std::string& strokesDir, bool withVariants,
                    std::vector<ReferenceForm>* forms, std::string* error) {
  KanjiVgStats stats;
  return LoadKanjiVgForms(kanjivgDir, withVariants, forms, &stats, error) &&
         LoadStrokeTextForms({strokesDir}, forms, error);
}

nlohmann::json StrokesJson(const std::vector<PixelStroke>& strokes) {
  nlohmann::json out = nlohmann::json::array();
  for (const PixelStroke& stroke : strokes) {
    nlohmann::json points = nlohmann::json::array();
    for (const PixelPoint& p : stroke) points.push_back({p.x, p.y});
    out.push_back(std::move(points));
  }
  return out;
}
