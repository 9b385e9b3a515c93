// What the sample generators share: the reference forms they write from, and the
// zkrecog JSON form of a written sample's strokes.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "reference_set.h"
#include "sample_distort.h"

// Where the generators look for the forms unless told otherwise (the build sets both).
#ifndef SORENIX_KANJIVG_DIR
#define SORENIX_KANJIVG_DIR "../shared/kanjivg/kanji"
#endif
#ifndef SORENIX_STROKES_DIR
#define SORENIX_STROKES_DIR "data/strokes"
#endif

// KanjiVG's forms (with or without its variant files) and the hand-made ones.
bool LoadBenchForms(const std::string& kanjivgDir, const std::string& strokesDir, bool withVariants,
                    std::vector<ReferenceForm>* forms, std::string* error);

// [[[x, y], ...], ...] as zkrecog reads it.
nlohmann::json StrokesJson(const std::vector<PixelStroke>& strokes);
