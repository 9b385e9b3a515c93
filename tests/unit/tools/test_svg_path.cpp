// Path-data flattening: every command form, number syntax, smooth-curve reflection
// and the errors that must stop a dictionary build.
#include <gtest/gtest.h>

#include <cmath>

#include "svg_path.h"

namespace {

std::vector<Polyline> Flatten(const std::string& d) {
  std::vector<Polyline> out;
  std::string error;
  EXPECT_TRUE(FlattenSvgPath(d, &out, &error)) << d << ": " << error;
  return out;
}

std::string FlattenError(const std::string& d) {
  std::vector<Polyline> out;
  std::string error;
  EXPECT_FALSE(FlattenSvgPath(d, &out, &error)) << d;
  EXPECT_TRUE(out.empty());
  return error;
}

void ExpectPoint(PointF p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-9);
  EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(SvgPath, EquivalentFormsGiveTheSamePoints) {
  const struct {
    const char* path;
    const char* same;
  } cases[] = {
      {"m10,20 l20,0 h20 v40 l-40,0", "M10,20 L30,20 H50 V60 L10,60"},
      {"m5,5 10,0 0,10", "M5,5 L15,5 L15,15"},  // pairs after a move are lines
      {"M10,10 c0,10 10,10 10,0", "M10,10 C10,20 20,20 20,10"},
      // S after C reflects (10,10) about (20,0) into (30,-10).
      {"M0,0 C0,10 10,10 20,0 S40,-10 40,0", "M0,0 C0,10 10,10 20,0 C30,-10 40,-10 40,0"},
      {"M0,0 c0,10 10,10 20,0 s20,-10 20,0", "M0,0 C0,10 10,10 20,0 C30,-10 40,-10 40,0"},
      // Without a curve before, the first control point is the current point.
      {"M0,0 S10,10 20,0", "M0,0 C0,0 10,10 20,0"},
      {"M0,0 Q10,10 20,0 T40,0", "M0,0 Q10,10 20,0 Q30,-10 40,0"},
      // Signs and a second decimal point start new numbers; exponents are read.
      {"M1-2L.5.5l1e1,-2E0", "M1,-2 L0.5,0.5 L10.5,-1.5"},
      // Z returns to the subpath's start, and the next command starts from there.
      {"M10,10 L20,10 L20,20 Z l5,0", "M10,10 L20,10 L20,20 L10,10 L15,10"},
  };
  for (const auto& c : cases) {
    const auto p = Flatten(c.path), q = Flatten(c.same);
    ASSERT_EQ(p.size(), 1u) << c.path;
    ASSERT_EQ(p[0].size(), q[0].size()) << c.path;
    for (size_t i = 0; i < p[0].size(); ++i) ExpectPoint(p[0][i], q[0][i].x, q[0][i].y);
  }
  const auto abs = Flatten("M10,20 L30,20 H50 V60 L10,60");
  ASSERT_EQ(abs[0].size(), 5u);
  ExpectPoint(abs[0][2], 50, 20);
  ExpectPoint(abs[0][3], 50, 60);
}

TEST(SvgPath, CubicEndsOnItsEndPointAndFollowsTheCurve) {
  const auto p = Flatten("M0,0 C0,10 10,10 10,0");
  const Polyline& line = p[0];
  ASSERT_GT(line.size(), 8u);
  ExpectPoint(line.back(), 10, 0);
  // The middle of this symmetric curve is at (5, 7.5).
  double best = 1e9;
  for (const PointF& q : line) best = std::min(best, std::hypot(q.x - 5, q.y - 7.5));
  EXPECT_LT(best, 0.5);
  // Pieces stay short.
  for (size_t i = 1; i < line.size(); ++i)
    EXPECT_LE(std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y), 1.0 + 1e-9);
}

TEST(SvgPath, EachMoveStartsAPolylineAndCloseReturnsToItsStart) {
  const auto two = Flatten("M0,0 L1,1 M5,5 l1,0 z");
  ASSERT_EQ(two.size(), 2u);
  ExpectPoint(two[1][0], 5, 5);
  ExpectPoint(two[1].back(), 5, 5);
}

TEST(SvgPath, Errors) {
  const std::pair<const char*, const char*> cases[] = {
      {"M0,0 A5,5 0 0 1 10,10", "unsupported path command 'A'"}, {"M0,0 L5", "missing number"},
      {"10,10 L5,5", "does not start with a command"},           {"L5,5", "does not start with a move"},
      {"M0,0 Z 5", "closepath"},                                 {"M0,0 L1e999,0", "missing number"}};
  for (const auto& [d, why] : cases) EXPECT_NE(FlattenError(d).find(why), std::string::npos) << d;
  EXPECT_TRUE(Flatten("").empty());
}

}  // namespace
