// Distance normalisation: distances of inputs with different stroke counts are
// brought to one scale around 1200.
#include <algorithm>

#include "recogstages.h"

const int16_t ZkDstMean[31] = {32767, 98,  130, 180, 240, 301, 355, 396, 419, 456, 487,
                               508,   537, 549, 577, 615, 630, 660, 683, 691, 705, 809,
                               873,   765, 877, 877, 877, 877, 877, 877, 877};
const int16_t ZkDstStDv[31] = {32767, 52,  53,  56,  74,  83,  92,  98,  98,  98,  102,
                               107,   103, 106, 105, 113, 109, 111, 111, 111, 111, 111,
                               111,   111, 111, 111, 111, 111, 111, 111, 111};

void ZkNormDist(int strokes, KohoSlot* list) {
  const int n = std::clamp(strokes, 1, 30);
  for (int i = 0; i < 11; ++i) {
    const int32_t d = (static_cast<int32_t>(list[i].distance) - ZkDstMean[n]) * 269 / ZkDstStDv[n] + 1200;
    // Above 32766 the slot reads as empty; below the 16-bit range it would wrap.
    list[i].distance = static_cast<int16_t>(d > 32766 ? 32767 : std::max<int32_t>(d, -32768));
  }
}
