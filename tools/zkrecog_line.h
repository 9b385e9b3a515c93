// One line of zkrecog: a JSON writing turned into pen data and options, and the
// engine's result turned into the JSON answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "types.h"

using Json = nlohmann::ordered_json;

struct Writing {
  std::vector<uint16_t> pen;  // the pad's pen-data words, ended by 0xF001
  ZkOptionRec option{};
  Json copied = Json::object();  // the fields handed back unchanged
};

// Reads one parsed line. defaults gives the mask and flags of a line without
// "mask" or "half". False with a reason when a field is missing or out of range.
bool ParseWriting(const Json& line, const ZkOptionRec& defaults, Writing* out, std::string* error);

// Text of a result entry: the character in UTF-8, a gesture as "#8051".
std::string CandidateText(const ZkResultEntry& entry);

// The answer line: the copied fields, "kind", "cands", "dist" and "us".
Json AnswerJson(const Writing& writing, const ZkResult& result, long long micros);

// Longest input line read (its bytes without the line end), and deepest nesting of
// arrays and objects: a normal writing nests four deep, a --seq row six.
constexpr size_t kMaxLineBytes = 1 << 20;
constexpr int kMaxJsonDepth = 64;

// False when the JSON text nests arrays and objects deeper than maxDepth (brackets
// inside strings do not count). Checked before parsing, whose recursion it bounds.
bool JsonNestingWithin(const std::string& text, int maxDepth);

// Class mask from "0x1234", "1234" (hex) or a JSON number; false when invalid.
bool ParseMask(const std::string& text, uint32_t* mask);
