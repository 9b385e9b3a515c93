// The modes' arithmetic.
#include "pad/modes.h"

#include <algorithm>

void SetEngineOptions(int alcMode, int dblMode, ZkOptionRec* option) {
  option->mask = alm_chk[std::clamp(alcMode, 0, 6)];
  option->flags = dblMode != 2 ? kHalfWidthFlag : 0;
}

int NextCharType(int alcMode) { return (alcMode + 1) % 7; }
int NextWidthMode(int dblMode) { return 3 - dblMode; }
int NextPenMode(int pmode) { return (pmode + 1) % 3; }

FrameSize FixedFrameSize(int size) {
  size = std::clamp(size, 1, 3);
  return FrameSize{size * 115 + 300, size * 28 + 100, size * 28 + 54};
}

int FittingFrameSize(int size, int screenWidth) {
  size = std::clamp(size, 1, 3);
  while (size > 1 && FixedFrameSize(size).width > screenWidth) --size;
  return size;
}
