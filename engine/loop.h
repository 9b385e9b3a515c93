// Loop comparison: turning runs of segments (curls, loops) found in the input and
// the pattern are paired and compared as wholes by their axis-parallel steps.
#pragma once

#include <cstdint>

#include "segdist.h"
#include "types.h"

// Loop marks per segment: 0 outside a run; 2, 1, 3 first/inner/last of a run
// turning one way; 254, 255, 253 of a run turning the other way.
constexpr uint8_t kLoopNone = 0;
constexpr uint8_t kLoopPosFirst = 2, kLoopPosInner = 1, kLoopPosLast = 3;
constexpr uint8_t kLoopNegFirst = 254, kLoopNegInner = 255, kLoopNegLast = 253;

// One axis step: one of dx, dy is 0.
struct LoopStep {
  int16_t dx, dy;
};
constexpr int kMaxLoopSteps = 90;

struct LoopVector {
  int16_t x, y;
};

// Turn from segment a to segment b of a shape (ZkDistDirection of their vectors).
int16_t TurnAngle(const KusabiSegment& a, const KusabiSegment& b);

// Marks every segment of the shape (strokeMap as built by BuildStrokeMap).
void ZkGetLoop(const KusabiPattern* shape, const uint8_t* strokeMap, uint8_t* marks);

// Result marks per pattern segment (count + 1 entries) for the runs whose partners
// are loop segments of the same sense in the input. inMarks and patMarks hold
// kMaxSegments entries.
void PairLoops(const uint8_t* inMarks, const uint8_t* patMarks, int patCount,
               const SegmentCorrespondence* corr, uint8_t* result);

// Reduces the vectors first..last to axis steps; sense +1 or -1. Returns the count,
// at most kMaxLoopSteps.
int LoopSteps(const LoopVector* vectors, int first, int last, int sense, LoopStep* steps);

// Compares pattern steps from pattern start point pa with input steps from pb.
void LoopStepDistance(LoopVector pa, const LoopStep* patSteps, int patCount, LoopVector pb,
                      const LoopStep* inSteps, int inCount, ChainResult* result);

// The loop pass of one comparison; adds nothing to delta when no run comparison
// beats the group distances it covers. The caller adds delta to the score.
void LoopPass(const KusabiPattern* pattern, const KusabiPattern* input, ChainResult* delta,
              const int16_t* inLen, const int16_t* patLen, const uint8_t* inStrokeMap,
              const uint8_t* patStrokeMap, SegmentCorrespondence* corr);
