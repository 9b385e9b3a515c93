// The recognition cycle on plain state: every character of the writing sequence goes
// through the engine, optionally through the transition rescoring, and into the
// pending line at the cursor, with its candidates and pen data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pad/inkdata.h"
#include "pad/pending.h"
#include "pad/recognise.h"
#include "types.h"

// The result's codes as up to ten candidate cells; "？" in cell 0 when it has none.
void ResultSets(const ZkResult& result, char cells[kCandCells][2]);

// One written character after the engine.
struct WrittenChar {
  PenData pen;
  ZkResult result;
};

// Steps 7 and 8 of the cycle for recognised characters in writing order: rescoring
// (when seni_exec is set), insertion at the selection start with push-out into
// Over_text beyond 12 characters, candidate keys, and the immediate commit of
// overflow. Returns the number of characters that entered the pending line.
int InsertRecognised(std::vector<WrittenChar>* chars);

// The cycle after the ink is wiped: ends the sequence, deletes the selection,
// recognises each character with its writing frame (characters without a candidate
// are dropped) and inserts the rest. The writing sequence is empty afterwards.
int RecogCycleRun();
