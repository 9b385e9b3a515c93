// The coarse descriptor that pre-selects patterns: a writing a little shifted or
// turned stays nearer its own shape than to another, also across cell and
// direction borders.
#include <gtest/gtest.h>

#include <vector>

#include "coarse.h"

namespace {

using Shape = std::vector<KusabiSegment>;

int Distance(const Shape& a, const Shape& b) {
  uint8_t da[kCoarseBins], db[kCoarseBins];
  CoarseDescriptor(a.data(), static_cast<int>(a.size()), da);
  CoarseDescriptor(b.data(), static_cast<int>(b.size()), db);
  return CoarseDistance(da, db);
}

Shape Moved(const Shape& s, int dx, int dy, int slant) {
  Shape out;
  for (const KusabiSegment& g : s)  // slant: x moves by y * slant / 10
    out.push_back({static_cast<int16_t>(g.x0 + dx + g.y0 * slant / 10), static_cast<int16_t>(g.y0 + dy),
                   static_cast<int16_t>(g.x1 + dx + g.y1 * slant / 10), static_cast<int16_t>(g.y1 + dy)});
  return out;
}

}  // namespace

TEST(CoarseDescriptor, SmallShiftsAndTurnsStayNearerTheirOwnShape) {
  const Shape bars = {{-40, 40, 40, 40}, {-40, 0, 40, 0}, {-40, -40, 40, -40}};     // 三
  const Shape posts = {{-40, 40, -40, -40}, {0, 40, 0, -40}, {40, 40, 40, -40}};   // 川
  const Shape box = {{-40, 40, 40, 40}, {40, 40, 40, -40}, {40, -40, -40, -40}};   // コ
  EXPECT_EQ(Distance(bars, bars), 0);
  const struct {
    int dx, dy, slant;
  } moves[] = {{9, 0, 0}, {0, -9, 0}, {5, 5, 0}, {0, 0, 3}, {0, 0, -3}, {-9, 9, 2}};
  for (const auto& m : moves) {
    for (const Shape* own : {&bars, &posts, &box}) {
      const Shape written = Moved(*own, m.dx, m.dy, m.slant);
      for (const Shape* other : {&bars, &posts, &box}) {
        if (other == own) continue;
        EXPECT_LT(Distance(written, *own), Distance(written, *other))
            << "move " << m.dx << "," << m.dy << " slant " << m.slant;
      }
    }
  }
}
