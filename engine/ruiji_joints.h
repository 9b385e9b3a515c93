// How two strokes were written against each other in the input. Strokes are dictionary strokes of a candidate's stored pattern; their
// input segments are the input segments matched to them. A stroke with no input
// segments fails every test that needs a segment.
#pragma once

#include <cstdint>

#include "ruiji_context.h"

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
