// Segmentation of free writing: the variable frame's characters are the first guess;
// merging neighbours (a left part such as 氵 cut off from the rest) or splitting one
// at a horizontal gap between its strokes (characters written small and close) is
// kept only when the recognition distances and the transition counts prefer it.
// Plain logic: the engine and the transition table come in through two callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/geometry.h"
#include "seni.h"  // SeniTransitionCost
#include "types.h"

// One character's pen data: per stroke 0xEEEE, a point count and x, y pairs, then 0xF001.
using SegPen = std::vector<uint16_t>;

// One character of the segmented row.
struct SegUnit {
  SegPen pen;       // its strokes, with the end mark
  Rect16 box;       // bounding box of its strokes
  ZkResult result;  // the recognition of pen in its frame
};

// The defaults were chosen on seed 1 of zkbench-rows (--tune) and checked on others:
// there a merge or split needs no toll beyond what recognition and transitions say.
struct SegmentSettings {
  bool alternatives = true;       // false: the first guess only
  double transitionWeight = 0.4;  // weight of -log10 P(next | previous) against distances
  double mergeCost = 0.0;         // what a merge must win, per character merged away
  double splitCost = 0.0;         // what each split must win
  int maxParts = 4;               // pieces (frame characters or their parts) one character may gather
  double mergeMaxWidth = 1.6;     // widest merged box, in row heights
  double splitMinWidth = 0.5;     // narrowest frame character worth splitting, in row heights
  double splitMinGap = 0.06;      // least horizontal gap where it may be split, in row heights
  // A left part written far from the rest (糸 from 氏) is read both as written and
  // with each left-right gap wider than this (in row heights) closed to it; <0: never.
  double closedGap = 0.05;
  // Side of the frame each character is read in, in row heights: written in a box, a
  // character fills some three quarters of it, and the engine sizes 、 。 and small
  // kana against the box.
  double frameSide = 1.3;
  // A row written lower than this (pixels) is read as if written this high: the
  // engine resamples strokes in steps of pixels, which flattens small writing (a 。
  // a few pixels wide turns into a dot or a triangle). 0: as written.
  double minRowHeight = 50;
  double highMarkCost = 1.0;      // extra cost of 、 。 ， ． read in the upper half of the row
  int maxExtraCalls = 96;         // recognitions a row may spend on alternatives
  int readings = 4;               // segmentations SegmentRowReadings gives, for the words to choose from
  int threads = 2;                // threads the recognitions of a row are spread over
};

// Recognises pen written in frame (origin at the character's box, side frameSide row
// heights) into result; a result with no candidate counts as unreadable. Called from
// up to settings.threads threads at once.
using SegRecogniser = std::function<void(const SegPen& pen, const Rect16& frame, ZkResult* result)>;
// Cost of code `to` following code `from` (0 = a common pair); null: no transition term.
using SegTransition = std::function<double(uint16_t from, uint16_t to)>;

struct SegmentStats {
  int calls = 0;       // recognitions made, the first guess's included
  int extraCalls = 0;  // of which for alternatives
  int merges = 0;      // frame characters merged away
  int splits = 0;      // characters split in two
};

// One way to segment a row: its characters and the cost of the way (normalised
// distances, transitions and tolls).
struct SegReading {
  std::vector<SegUnit> units;
  double cost;
};

// Most characters one row may come out as (the pad recognises twelve per cycle).
constexpr int kSegMaxUnits = 12;

// Segments the frame characters `atoms` (in writing order, at most kSegMaxUnits) and
// recognises each resulting character. Every stroke of the atoms ends up in exactly
// one unit, in writing order; at most kSegMaxUnits units come out.
std::vector<SegUnit> SegmentRow(const std::vector<SegPen>& atoms, const SegRecogniser& recognise,
                                const SegTransition& transition, const SegmentSettings& settings,
                                SegmentStats* stats = nullptr);
// The same, the settings.readings cheapest segmentations, cheapest first (at least one;
// the others come out only with at most kSegMaxUnits characters).
std::vector<SegReading> SegmentRowReadings(const std::vector<SegPen>& atoms, const SegRecogniser& recognise,
                                           const SegTransition& transition, const SegmentSettings& settings,
                                           SegmentStats* stats = nullptr);
