// Parser of the stroke-text format; every fault is reported with file and line.
#include "stroke_text.h"

#include "saferead.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "char_map.h"
#include "textconv.h"
#include "types.h"

namespace {

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  const size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool ParseNumber(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  *value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(*value);
}

bool ParseHexCode(const std::string& text, uint16_t* code) {
  if (text.size() != 4) return false;
  char* end = nullptr;
  const unsigned long v = std::strtoul(text.c_str(), &end, 16);
  if (end != text.c_str() + text.size()) return false;
  *code = static_cast<uint16_t>(v);
  return true;
}

// "char HEX CHARACTER [note]"
bool ParseHeader(const std::string& line, StrokeTextChar* ch, std::string* why) {
  std::istringstream in(line);
  std::string keyword, hex, character;
  in >> keyword >> hex >> character;
  if (!ParseHexCode(hex, &ch->code)) {
    *why = "expected a 4-digit hexadecimal Shift-JIS code after \"char\"";
    return false;
  }
  if (character.empty()) {
    *why = "the character itself must follow the code";
    return false;
  }
  if (Utf8ToSjisCode(character) != ch->code || Utf8CharLength(character, 0) != character.size()) {
    *why = "\"" + character + "\" is not the character of code " + hex;
    return false;
  }
  if (!IsJisX0208Code(ch->code)) {
    *why = "code " + hex + " is not a JIS X 0208 character";
    return false;
  }
  std::string note;
  std::getline(in, note);
  ch->note = Trim(note);
  return true;
}

bool ParseStroke(const std::string& line, Polyline* stroke, std::string* why) {
  std::istringstream in(line);
  std::string item;
  while (in >> item) {
    const size_t comma = item.find(',');
    PointF p;
    if (comma == std::string::npos || !ParseNumber(item.substr(0, comma), &p.x) ||
        !ParseNumber(item.substr(comma + 1), &p.y)) {
      *why = "\"" + item + "\" is not a point x,y";
      return false;
    }
    if (p.x < 0 || p.x > kStrokeTextBox || p.y < 0 || p.y > kStrokeTextBox) {
      *why = "point " + item + " lies outside the 0-100 box";
      return false;
    }
    stroke->push_back(p);
  }
  if (stroke->size() < 2) {
    *why = "a stroke needs at least 2 points";
    return false;
  }
  return true;
}

std::string Where(const std::string& where, int line) { return where + ":" + std::to_string(line) + ": "; }

}  // namespace

bool ParseStrokeText(const std::string& text, const std::string& where, std::vector<StrokeTextChar>* out,
                     std::string* error) {
  std::vector<StrokeTextChar> chars;
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  auto closeBlock = [&]() {
    if (!chars.empty() && chars.back().strokes.empty()) {
      *error = Where(where, chars.back().line) + "character has no stroke";
      return false;
    }
    return true;
  };
  while (std::getline(in, raw)) {
    ++lineNo;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    std::string why;
    if (line.compare(0, 5, "char ") == 0 || line == "char") {
      if (!closeBlock()) return false;
      StrokeTextChar ch;
      ch.line = lineNo;
      if (!ParseHeader(line, &ch, &why)) {
        *error = Where(where, lineNo) + why;
        return false;
      }
      chars.push_back(std::move(ch));
      continue;
    }
    if (chars.empty()) {
      *error = Where(where, lineNo) + "stroke before the first \"char\" line";
      return false;
    }
    if (chars.back().strokes.size() >= static_cast<size_t>(kMaxStrokes)) {
      *error = Where(where, lineNo) + "more than 30 strokes";
      return false;
    }
    Polyline stroke;
    if (!ParseStroke(line, &stroke, &why)) {
      *error = Where(where, lineNo) + why;
      return false;
    }
    chars.back().strokes.push_back(std::move(stroke));
  }
  if (!closeBlock()) return false;
  out->insert(out->end(), chars.begin(), chars.end());
  return true;
}

bool ReadStrokeTextFile(const std::string& path, std::vector<StrokeTextChar>* out, std::string* error) {
  std::string text;
  if (!ReadRegularFile(path, &text)) {
    *error = path + ": cannot open";
    return false;
  }
  return ParseStrokeText(text, path, out, error);
}
