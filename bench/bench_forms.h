// What the sample generators share: the reference forms they write from, and the
// zkrecog JSON form of a written sample's strokes.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "reference_set.h"
#include "sample_distort.h"

// KanjiVG's forms (with or without its variant files) and the hand-made ones.
bool LoadBenchForms(const std::string& kanjivgDir, const std::string& strokesDir, bool withVariants,
                    std::vector<ReferenceForm>* forms, std::string* error);

// [[[x, y], ...], ...] as zkrecog reads it.
nlohmann::json StrokesJson(const std::vector<PixelStroke>& strokes);
