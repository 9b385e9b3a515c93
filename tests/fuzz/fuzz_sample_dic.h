// The small pattern dictionary both fuzz targets start from: a few kanji, kana,
// digits, marks and a gesture, extracted from synthetic strokes by the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The container bytes of the sample dictionary.
std::vector<uint8_t> SampleDictionaryImage();

// Writes bytes to a scratch file of this process and returns its path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);
