// The preprocessing chain: pen data -> resampled -> normalised -> feature points ->
// KusabiPattern, with the normal and the finer parameters.
#include "preprocess.h"

#include "featurepoints.h"

void ZkKusabi(const uint16_t* normalised, KusabiPattern* pattern, const KusabiParams& params) {
  FeatureList a, b;
  ExtractTurnPoints(normalised, &a);
  ThinFeaturePoints(normalised, a, &b, 20, 52);
  MergeStraightRuns(normalised, b, &a, params.mergeAngle);
  MergeSameQuadrant(normalised, a, &b);
  ThinFeaturePoints(normalised, b, &a, 20, 52);
  KSBGetHighPoint(normalised, a, &b, params.highPointThreshold);
  FeaturesToPattern(normalised, b, pattern);
}

namespace {

void Extract(const uint16_t* pen, KusabiPattern* pattern, NormState* norm, int strokes,
             const KusabiParams& params) {
  uint16_t resampled[kPenStreamWords];
  uint16_t normalised[kPenStreamWords];
  ZkRsmp(pen, resampled, kPenStreamWords, 4, strokes);
  ZkNorm(resampled, normalised, norm);
  ZkKusabi(normalised, pattern, params);
}

}  // namespace

void ZkRNKinji(const uint16_t* pen, KusabiPattern* pattern, NormState* norm, int strokes) {
  Extract(pen, pattern, norm, strokes, kKusabiNormal);
}

void ZkKusabi_Saikinji(const uint16_t* pen, KusabiPattern* pattern, int strokes) {
  NormState unused{};
  Extract(pen, pattern, &unused, strokes, kKusabiFine);
}
