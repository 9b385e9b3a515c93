// Records shared by every stage of the recognition engine: the feature pattern,
// the segment correspondence of one comparison, candidate slots, options and result.
#pragma once

#include <cstdint>

// Fixed sizes of the engine's working arrays.
constexpr int kMaxSegments = 90;      // segments of one pattern
constexpr int kMaxStrokes = 30;       // strokes of one character
constexpr int kDicGroups = 21;        // groups of a sub-dictionary, by stroke count
constexpr int kKohoSlots = 12;        // ZkKoho: ranks 0..9, end slot 10, spare 11
constexpr int kResultEntries = 10;    // entries of the result record

constexpr int16_t kAbsentDistance = 32767;  // empty slot / rejected pattern
constexpr uint16_t kEmptyCode = 0x8140;     // full-width space: no candidate

// Pen data words.
constexpr uint16_t kStrokeMark = 0xEEEE;
constexpr uint16_t kPenEnd = 0xF001;

// Class masks (character classes of ZkCheckJisyu).
constexpr uint32_t kClassKanji = 0x40000;
constexpr uint32_t kClassHiragana = 0x10000;
constexpr uint32_t kClassKatakana = 0x20000;
constexpr uint32_t kClassCapital = 0x2;
constexpr uint32_t kClassSmall = 0x1;
constexpr uint32_t kClassDigit = 0x4;
constexpr uint32_t kClassSymbol = 0x78;
constexpr uint32_t kClassGesture = 0x4000;
constexpr uint32_t kClassNone = 0xFF80000;
constexpr uint32_t kClassAll = 0xFFF407F;  // every class, gestures included

// Option flag: candidates with a single-byte equivalent are returned as that byte.
constexpr uint32_t kHalfWidthFlag = 0x400;

struct KusabiSegment {
  int16_t x0, y0, x1, y1;
};

// A character as feature-point segments, stroke by stroke in writing order.
struct KusabiPattern {
  uint16_t strokes;
  int16_t segments;               // at most kMaxSegments
  uint16_t order[kMaxSegments];   // segment indices; the matcher sorts them by length
  uint16_t index[kMaxSegments];
  KusabiSegment segment[kMaxSegments];
};

// Segment markers of the correspondence (values below 128 are segment indices).
constexpr uint8_t kUnpaired = 255;
constexpr uint8_t kPenUpPaired = 254;   // compared with a pen-up movement instead
constexpr uint16_t kNoGroup = 65535;    // groupPos/groupShape: heads no group
constexpr uint16_t kLoopGroup = 65534;  // absorbed into a loop group

// Which input segments went with which pattern segments in one comparison.
struct SegmentCorrespondence {
  uint8_t inFirst[kMaxSegments];   // per input segment: first / last pattern segment
  uint8_t inLast[kMaxSegments];
  uint8_t patFirst[kMaxSegments];  // per pattern segment: first / last input segment
  uint8_t patLast[kMaxSegments];
  uint16_t groupPos[kMaxSegments];    // per group head: position and shape distance
  uint16_t groupShape[kMaxSegments];
  uint16_t inputOmission;
  uint16_t patternOmission;
  uint16_t extra;
};

// Running score of one comparison; total = the sum of the other five (16-bit).
struct MatchScore {
  int16_t total;
  int16_t posSum;
  int16_t shapeSum;
  int16_t patternOmission;
  int16_t inputOmission;
  int16_t extra;
};

// One slot of the candidate list ZkKoho.
struct KohoSlot {
  int16_t distance;
  uint16_t code;
  uint16_t patternStrokes;
  uint16_t patternSegments;
  uint16_t dicKind;        // 1 system, 2 user sub-dictionary
  uint32_t typeMask;
  uint32_t flags;
  uint16_t ordinal;        // 1-based position among the group's admitted patterns
  const uint8_t* pattern;  // the pattern's record in the dictionary
  SegmentCorrespondence corr;
};

// Options handed to every recognition.
struct ZkOptionRec {
  uint32_t mask;     // classes that may be returned
  uint32_t flags;    // kHalfWidthFlag; class bits mark preferred classes
  int16_t frameX, frameY;
  int16_t frameWidth, frameHeight;  // below 1: no size classes
};

// Result record kinds and code types.
constexpr uint16_t kResultChars = 0;
constexpr uint16_t kResultGesture = 2;
constexpr uint16_t kResultNothing = 4;
constexpr uint16_t kCodeSingleByte = 1;
constexpr uint16_t kCodeGesture = 2;
constexpr uint16_t kCodeDoubleByte = 3;

struct ZkResultEntry {
  uint16_t code;
  uint16_t type;
  uint16_t distance;
};

struct ZkResult {
  uint16_t kind;
  int16_t count;
  ZkResultEntry entry[kResultEntries];
  uint16_t gesturePoints[8];
  uint16_t gesturePointCount;
};

// Normalisation results kept for the size classes.
struct NormState {
  int16_t cx, cy;
  int16_t spread;
  int16_t maxX, maxY, minX, minY;
  int16_t upperHalf;
  int16_t widthClass;
  int16_t heightClass;
};
