// Face-text parsing.
#include "ui/facetext.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "ui/keypics.h"

namespace {

// A signed decimal number at `p`, ending at `end`; false without digits.
bool ReadNumber(const char*& p, const char* end, int* value) {
  const char* start = p;
  if (p < end && (*p == '-' || *p == '+')) ++p;
  const char* digits = p;
  long v = 0;
  while (p < end && std::isdigit(static_cast<unsigned char>(*p))) {
    if (v < 100000) v = v * 10 + (*p - '0');
    ++p;
  }
  if (p == digits) {
    p = start;
    return false;
  }
  *value = static_cast<int>(*start == '-' ? -v : v);
  return true;
}

// One item "x:y:text" between `p` and `end` (the small-font mark already taken off).
bool ParseItem(const char* p, const char* end, bool small, FaceItem* item) {
  if (!ReadNumber(p, end, &item->x) || p >= end || *p++ != ':') return false;
  if (!ReadNumber(p, end, &item->y) || p >= end || *p++ != ':') return false;
  item->small = small;
  item->text.assign(p, end);
  return true;
}

}  // namespace

FaceText ParseFaceText(const char* face) {
  FaceText result{false, 0, {}, 0};
  if (!face) return result;
  const char* p = face;
  while (*p == ' ' || *p == '\t') ++p;
  const char* end = p + std::strlen(p);
  int index;
  if (!ReadNumber(p, end, &index) || index < 0 || index >= kFaceCount) return result;
  result.valid = true;
  result.index = index;

  const char* semicolon = std::strchr(p, ';');
  if (!semicolon) return result;
  bool small = false;
  const char* item = semicolon + 1;
  while (item < end) {
    const char* space = std::strchr(item, ' ');
    const char* itemEnd = space ? space : end;
    const char* body = item;
    if (body < itemEnd && *body == '*') {
      small = true;
      ++body;
    }
    FaceItem parsed;
    if (ParseItem(body, itemEnd, small, &parsed)) {
      if (!parsed.text.empty()) result.items.push_back(parsed);
    } else if (itemEnd > item) {
      ++result.skipped;
    }
    item = itemEnd + 1;
  }
  return result;
}

std::string ReplaceFaceStyle(const std::string& face, const char* style) {
  return std::string(style) + (face.size() > 2 ? face.substr(2) : std::string());
}
