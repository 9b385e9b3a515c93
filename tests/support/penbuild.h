// Pen data for tests: strokes as point lists, straight and curved pieces of ink,
// the pad's word format (0xEEEE, count, x y ..., 0xF001), and the dictionary
// pattern the engine extracts from them.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "dicwriter.h"
#include "preprocess.h"
#include "types.h"

using PenPoint = std::pair<int, int>;
using PenStroke = std::vector<PenPoint>;
using PenStrokes = std::vector<PenStroke>;

inline std::vector<uint16_t> PenWords(const PenStrokes& strokes) {
  std::vector<uint16_t> words;
  for (const auto& s : strokes) {
    words.push_back(kStrokeMark);
    words.push_back(static_cast<uint16_t>(s.size()));
    for (const auto& p : s) {
      words.push_back(static_cast<uint16_t>(static_cast<int16_t>(p.first)));
      words.push_back(static_cast<uint16_t>(static_cast<int16_t>(p.second)));
    }
  }
  words.push_back(kPenEnd);
  return words;
}

// Pixel points from (x0, y0) to (x1, y1), about one every `step` pixels, both ends included.
inline PenStroke PenLine(int x0, int y0, int x1, int y1, int step = 2) {
  const int n = std::max(1, static_cast<int>(std::hypot(x1 - x0, y1 - y0) / step));
  PenStroke s;
  for (int i = 0; i <= n; ++i) s.push_back({x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n});
  return s;
}

// A polyline through the given corners.
inline PenStroke PenPath(const std::vector<PenPoint>& corners, int step = 2) {
  PenStroke s;
  for (size_t i = 0; i + 1 < corners.size(); ++i) {
    PenStroke piece = PenLine(corners[i].first, corners[i].second, corners[i + 1].first, corners[i + 1].second, step);
    s.insert(s.end(), piece.begin() + (i == 0 ? 0 : 1), piece.end());
  }
  return s;
}

// An arc around (cx, cy) of radius r from angle a0 to a1 (degrees, y down).
inline PenStroke PenArc(int cx, int cy, int r, double a0, double a1, int points = 40) {
  PenStroke s;
  for (int i = 0; i <= points; ++i) {
    const double a = (a0 + (a1 - a0) * i / points) * 3.14159265358979 / 180.0;
    s.push_back({cx + static_cast<int>(std::lround(r * std::cos(a))), cy + static_cast<int>(std::lround(r * std::sin(a)))});
  }
  return s;
}

// Extracts pen strokes the way the engine does and stores the pattern in its group.
inline void AddWriting(SubDicSpec* sub, uint16_t code, const PenStrokes& strokes) {
  const auto pen = PenWords(strokes);
  KusabiPattern p;
  NormState norm{};
  ZkRNKinji(pen.data(), &p, &norm, static_cast<int>(strokes.size()));
  sub->groups[DicGroupOf(p.strokes)].push_back(PatternToSpec(code, p));
}
