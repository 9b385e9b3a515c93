// The sequence mode of zkrecog: the characters of one written row go through the
// transition rescoring as the pad sends them, and the row is read before and after.
#pragma once

#include <string>
#include <vector>

#include "seni.h"
#include "types.h"

// The pad's candidate record of one recognised character: the count and the
// (code, distance) pairs of the result.
SeniCharRecord SeqRecordOf(const ZkResult& result);

struct SeqReading {
  std::string plain;     // first candidates as recognised (UTF-8)
  std::string rescored;  // first candidates after rescoring
  int result = 0;        // the last non-zero SeniCntl result, else 0
};

// Reads a row of recognised characters. Like the pad, characters without a
// candidate stay out of the rescoring (they read as "？"), and the rest go to
// SeniCntl (data type 0) twelve at a time. The transition table must be loaded.
SeqReading ReadRow(const std::vector<ZkResult>& results);
