// Conversion of zkrecog's JSON lines to pen data and of results back to JSON.
#include "zkrecog_line.h"

#include <cstdio>
#include <limits>

#include "json_in_order.h"
#include "recog.h"
#include "textconv.h"

namespace {

bool Int16(const Json& v, int* out) {
  if (!v.is_number_integer()) return false;
  if (v.is_number_unsigned()) {
    const auto u = v.get<uint64_t>();
    if (u > 32767) return false;
    *out = static_cast<int>(u);
    return true;
  }
  const auto s = v.get<int64_t>();
  if (s < -32768 || s > 32767) return false;
  *out = static_cast<int>(s);
  return true;
}

bool ParseStrokes(const Json& strokes, std::vector<uint16_t>* pen, std::string* error) {
  if (!strokes.is_array()) {
    *error = "\"strokes\" must be an array of strokes";
    return false;
  }
  pen->clear();
  // The engine reads at most kMaxStrokes strokes and kPenCopyPoints points and would
  // silently drop the rest: a longer writing is refused instead.
  size_t written = 0, points = 0;
  for (const Json& stroke : strokes)
    if (stroke.is_array() && !stroke.empty()) {
      ++written;
      points += stroke.size();
    }
  if (written > static_cast<size_t>(kMaxStrokes)) {
    *error = "the writing has " + std::to_string(written) + " strokes; the engine reads at most " +
             std::to_string(kMaxStrokes);
    return false;
  }
  if (points > static_cast<size_t>(kPenCopyPoints)) {
    *error = "the writing has " + std::to_string(points) + " points; the engine reads at most " +
             std::to_string(kPenCopyPoints);
    return false;
  }
  for (size_t s = 0; s < strokes.size(); ++s) {
    const Json& stroke = strokes[s];
    if (!stroke.is_array()) {
      *error = "stroke " + std::to_string(s + 1) + " must be an array of [x, y] points";
      return false;
    }
    pen->push_back(kStrokeMark);
    pen->push_back(static_cast<uint16_t>(stroke.size()));
    for (size_t p = 0; p < stroke.size(); ++p) {
      const Json& point = stroke[p];
      int x, y;
      if (!point.is_array() || point.size() != 2) {
        *error = "stroke " + std::to_string(s + 1) + " point " + std::to_string(p + 1) + " must be [x, y]";
        return false;
      }
      if (!Int16(point[0], &x) || !Int16(point[1], &y)) {
        *error = "stroke " + std::to_string(s + 1) + " point " + std::to_string(p + 1) +
                 ": coordinates must be integers from -32768 to 32767";
        return false;
      }
      pen->push_back(static_cast<uint16_t>(static_cast<int16_t>(x)));
      pen->push_back(static_cast<uint16_t>(static_cast<int16_t>(y)));
    }
  }
  pen->push_back(kPenEnd);
  return true;
}

bool FrameSize(const Json& line, const char* name, int16_t* out, std::string* error) {
  if (!line.contains(name)) {
    *out = 0;  // no frame: no size classes
    return true;
  }
  int v;
  if (!Int16(line[name], &v) || v < 0) {
    *error = std::string("\"") + name + "\" must be an integer from 0 to 32767";
    return false;
  }
  *out = static_cast<int16_t>(v);
  return true;
}

}  // namespace

bool JsonNestingWithin(const std::string& text, int maxDepth) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) escaped = false;
      else if (c == '\\') escaped = true;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > maxDepth) return false;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return true;
}

bool ParseMask(const std::string& text, uint32_t* mask) {
  std::string digits = text;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) digits = digits.substr(2);
  if (digits.empty() || digits.size() > 8) return false;
  uint32_t v = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v << 4 | static_cast<uint32_t>(d);
  }
  *mask = v;
  return true;
}

bool ParseWriting(const Json& line, const ZkOptionRec& defaults, Writing* out, std::string* error) {
  if (!line.is_object()) {
    *error = "not a JSON object";
    return false;
  }
  if (!line.contains("strokes")) {
    *error = "no \"strokes\"";
    return false;
  }
  if (!ParseStrokes(line["strokes"], &out->pen, error)) return false;
  out->option = defaults;
  out->option.frameX = out->option.frameY = 0;
  if (!FrameSize(line, "width", &out->option.frameWidth, error) ||
      !FrameSize(line, "height", &out->option.frameHeight, error))
    return false;
  if (line.contains("mask")) {
    const Json& m = line["mask"];
    uint32_t mask = 0;
    if (m.is_number_unsigned() && m.get<uint64_t>() <= std::numeric_limits<uint32_t>::max()) {
      mask = static_cast<uint32_t>(m.get<uint64_t>());
    } else if (!(m.is_string() && ParseMask(m.get<std::string>(), &mask))) {
      *error = "\"mask\" must be a class mask (a number or a hex string such as \"0x10000\")";
      return false;
    }
    out->option.mask = mask;
  }
  if (line.contains("half")) {
    if (!line["half"].is_boolean()) {
      *error = "\"half\" must be true or false";
      return false;
    }
    out->option.flags = line["half"].get<bool>() ? kHalfWidthFlag : 0;
  }
  out->copied = Json::object();
  for (const auto& item : line.items()) {
    const std::string& key = item.key();
    if (key != "strokes" && key != "width" && key != "height" && key != "mask" && key != "half")
      AppendMember(&out->copied, key, item.value());
  }
  return true;
}

std::string CandidateText(const ZkResultEntry& entry) {
  if (entry.type == kCodeGesture) {
    char text[8];
    std::snprintf(text, sizeof text, "#%04X", entry.code);
    return text;
  }
  return SjisCodeToUtf8(entry.code);
}

Json AnswerJson(const Writing& writing, const ZkResult& result, long long micros) {
  Json answer = writing.copied;
  answer["kind"] = result.kind;
  Json cands = Json::array(), dist = Json::array();
  for (int i = 0; i < result.count && i < kResultEntries; ++i) {
    cands.push_back(CandidateText(result.entry[i]));
    dist.push_back(static_cast<int16_t>(result.entry[i].distance));
  }
  answer["cands"] = cands;
  answer["dist"] = dist;
  answer["us"] = micros;
  return answer;
}
