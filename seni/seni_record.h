// The rescoring record of one character as the engine recognised it.
#pragma once

#include "seni.h"
#include "types.h"

// Its candidates in the engine's order, codes and distances, at most ten.
SeniCharRecord SeniRecordOf(const ZkResult& result);
