// Chains, loops and curls of strokes in the input. Strokes are dictionary strokes of a candidate's stored pattern; their
// input segments are the input segments matched to them. A stroke with no input
// segments fails every test that needs a segment.
#pragma once

#include <cstdint>

#include "ruiji_context.h"

// True when the input segments form one chain, each ending where the next starts;
// gaps made only of segments compared with pen-up movements (inFirst 254) are allowed.
bool InputChainContinuous(RuijiContext& ctx, int rank, const InputRun& run);
// Stroke written as one continuous chain of at least two input segments (54, 55).
bool StrokeIsOneChain(RuijiContext& ctx, int rank, int stroke);
// The input segments of strokes s0 and s1 together form one chain (56, 57, 200..207).
bool StrokesFormOneChain(RuijiContext& ctx, int rank, int s0, int s1);
// The loop-and-direction test on the last stroke of the candidate at rank (62, 64).
bool LastStrokeLoopTest(RuijiContext& ctx, int rank);
// The loop mark test: mode 0 start of the stroke, 1 its end, 3 most of its segments.
bool LoopMarkTest(RuijiContext& ctx, int rank, int stroke, int mode, uint8_t mark);
// The curl test on the fine re-extraction of input stroke `stroke` (69, 70).
bool CurlTest(RuijiContext& ctx, int stroke, int range, int angle);
