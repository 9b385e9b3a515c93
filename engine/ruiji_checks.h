// The structural checks of the look-alike table. Strokes are dictionary strokes of a
// candidate's stored pattern; their input segments are the input segments matched to
// them. A stroke with no input segments fails every test that needs a segment.
#pragma once

#include <cstdint>

#include "ruiji_context.h"
#include "ruiji_table.h"
#include "types.h"

// Input segments of one dictionary stroke, ascending.
struct InputRun {
  uint8_t seg[kMaxSegments];
  int count = 0;
};
InputRun StrokeRun(RuijiContext& ctx, int rank, int stroke);

// --- joints of two strokes (ruiji_joints.cpp) ---

// L-joint class of the chords of strokes s0 and s1, or 0 when one has no input segment.
int KakuLConnectCheck(RuijiContext& ctx, int rank, int s0, int s1);
// T joint 21..24 between strokes s0 and s1.
bool KakuTConnectCheck(RuijiContext& ctx, int rank, int number, int s0, int s1);
bool StrokesCross(RuijiContext& ctx, int rank, int s0, int s1);    // check 20
bool StrokesTouch(RuijiContext& ctx, int rank, int s0, int s1);    // checks 40, 41
bool StrokesJoined(RuijiContext& ctx, int rank, int s0, int s1);   // checks 58, 59
bool StrokeStartsAbove(RuijiContext& ctx, int rank, int s0, int s1);  // checks 60, 61

// Meeting classes of stroke s1 along stroke s0 (check 73).
constexpr int kMeetNone = 0;
constexpr int kMeetFirstQuarter = 1;
constexpr int kMeetFirstHalf = 2;
constexpr int kMeetAtEnd = 4;
constexpr int kMeetSecondHalf = 8;
int MeetingPosition(RuijiContext& ctx, int rank, int s0, int s1);

// --- chains, loops and curls (ruiji_loops.cpp) ---

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

// --- running the table's checks (ruiji_checks.cpp) ---

// True when check `index` (0..2) of entry passes on the candidate at rank.
bool RuijiCheckPasses(RuijiContext& ctx, int rank, const RuijiEntry& entry, int index);
// True when the entry's checks all pass; check 0 passes the entry at once.
bool RuijiEntryPasses(RuijiContext& ctx, int rank, const RuijiEntry& entry);
