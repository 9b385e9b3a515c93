// ZkDirection through the table of tangents of 0..45 degrees (times 100).
#include "direction.h"

#include <cstdlib>

namespace {

const int16_t kTangent[46] = {0,  2,  4,  5,  7,  9,  11, 12, 14, 16, 18, 19, 21, 23, 25, 27,
                              29, 31, 32, 34, 36, 38, 40, 42, 45, 47, 49, 51, 53, 55, 58, 60,
                              63, 65, 68, 70, 73, 75, 78, 81, 84, 87, 90, 93, 97, 100};

}  // namespace

int16_t ZkDirection(int dx, int dy) {
  long a = std::labs(dx), b = std::labs(dy);
  bool steep = false;
  if (a < b) {
    const long t = a;
    a = b;
    b = t;
    steep = true;
  }
  int angle = 0;
  if (b != 0) {
    const long r = 100 * b / a;  // both non-negative: floor
    while (angle < 45 && kTangent[angle] < r) ++angle;
  }
  if (steep) angle = 90 - angle;
  if (dx < 0) angle = 180 - angle;
  if (dy < 0) angle = 360 - angle;
  if (angle == 360) angle = 0;
  return static_cast<int16_t>(angle);
}

int16_t TurnBetween(int ux, int uy, int wx, int wy) {
  int t = ZkDirection(wx, wy) - ZkDirection(ux, uy);
  if (t >= 181) t -= 360;
  else if (t < -180) t += 360;
  if (t == 180 || t == -180) t = 0;
  return static_cast<int16_t>(t);
}

int16_t ZkDistDirection(uint32_t u, uint32_t w) {
  return TurnBetween(static_cast<int16_t>(u & 0xFFFF), static_cast<int16_t>(u >> 16),
                     static_cast<int16_t>(w & 0xFFFF), static_cast<int16_t>(w >> 16));
}
