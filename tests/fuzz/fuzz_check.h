// What every recognition result must satisfy, whatever the input; a violation
// stops the fuzzer with a crash report.
#pragma once

#include <cstdlib>

#include "types.h"

inline void CheckResult(int status, const ZkResult& r) {
  if (status < 0 || status > 2) std::abort();
  if (status != 0) return;
  if (r.kind != kResultChars && r.kind != kResultGesture && r.kind != kResultNothing) std::abort();
  if (r.count < 0 || r.count > kResultEntries) std::abort();
  if (r.kind == kResultNothing && r.count != 0) std::abort();
  if (r.kind == kResultGesture && (r.count != 1 || r.gesturePointCount > 2)) std::abort();
  for (int i = 0; i < r.count; ++i)
    if (r.entry[i].type < kCodeSingleByte || r.entry[i].type > kCodeDoubleByte || r.entry[i].code == kEmptyCode)
      std::abort();
}
