// What the look-alike checks of one recognition read: the input pattern, the ranked
// candidates with their stored patterns and correspondences, and the loop marks and
// fine re-extraction that some checks need (computed once, on first use).
#pragma once

#include <cstdint>

#include "ruiji_geometry.h"
#include "types.h"

constexpr int kRuijiRanks = 10;  // ranks 0..9 are candidates
constexpr int kRuijiUnranked = 11;
constexpr uint8_t kFirstMarker = 128;  // correspondence values from here on are markers

// The segment numbers of dictionary stroke `stroke` of pattern (strokes counted from 0
// where a segment does not start at the end of the one before); at most kMaxSegments.
int Kakup(const KusabiPattern& pattern, int stroke, uint8_t* out);

// The input segments matched to the dictionary segments segments[0..count) of the
// slot's pattern, ascending and each once. Only values below inputSegments are read
// as input segment numbers; markers and out-of-range values count as unmatched.
int BouToBou(uint8_t* out, int count, const uint8_t* segments, const KohoSlot& slot, int inputSegments);

// A dictionary segment's first input partner, or -1 when it has none.
int PatternPartner(const KohoSlot& slot, int patSegment, int inputSegments);
// Its last input partner, bounded like the first (the first one when the last is a
// marker or lies before it); -1 when it has none.
int PatternLastPartner(const KohoSlot& slot, int patSegment, int inputSegments);

// Input segments of one dictionary stroke, ascending.
struct InputRun {
  uint8_t seg[kMaxSegments];
  int count = 0;
};

class RuijiContext {
 public:
  RuijiContext(const KusabiPattern* input, const uint16_t* pen, int strokes, const KohoSlot* list);
  RuijiContext(const RuijiContext&) = delete;
  RuijiContext& operator=(const RuijiContext&) = delete;

  const KusabiPattern& Input() const { return *input_; }
  int InputSegments() const { return inputSegments_; }
  int InputStrokes() const { return input_->strokes; }
  const KusabiSegment& InputSegment(int k) const { return input_->segment[k]; }
  int InputStrokeOf(int k) const { return strokeMap_[k]; }
  const uint8_t* InputStrokeMap() const { return strokeMap_; }
  // inFirst of input segment k of the slot (k < InputSegments()).
  uint8_t InputPartner(int rank, int k) const { return list_[rank].corr.inFirst[k]; }

  // Loop marks of the input segments (ZkGetLoop).
  const uint8_t* LoopMarks();
  // The input re-extracted from the pen data with the finer parameters.
  const KusabiPattern& FinePattern();

  const KohoSlot& Slot(int rank) const { return list_[rank]; }
  // The slot's stored pattern, unpacked with its own segment count (empty when the
  // slot has no pattern).
  const KusabiPattern& SlotPattern(int rank);
  // Rank 0..9 of code among the candidates before the first empty slot, or
  // kRuijiUnranked; 0xFFFF is never ranked.
  int RankOf(uint16_t code) const;
  // True when slot rank ends the list (empty or the end slot).
  bool IsEnd(int rank) const;

  // Dictionary segments of stroke `stroke` of the slot's pattern (Kakup); none for a
  // stroke number at or beyond the slot's pattern stroke count.
  int StrokeSegments(int rank, int stroke, uint8_t* out);
  // Input segments matched to that stroke (BouToBou), ascending.
  int StrokeInput(int rank, int stroke, uint8_t* out);

 private:
  const KusabiPattern* input_;
  const uint16_t* pen_;
  int penStrokes_;
  const KohoSlot* list_;
  int inputSegments_;
  uint8_t strokeMap_[kMaxSegments] = {};
  bool haveLoopMarks_ = false;
  uint8_t loopMarks_[kMaxSegments] = {};
  bool haveFine_ = false;
  KusabiPattern fine_{};
  bool haveSlotPattern_[kRuijiRanks] = {};
  KusabiPattern slotPattern_[kRuijiRanks];
};

// The input segments matched to dictionary stroke `stroke` of the candidate at rank.
InputRun StrokeRun(RuijiContext& ctx, int rank, int stroke);
