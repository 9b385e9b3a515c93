// Small dictionaries written by tests: sub-dictionaries of hand-made or extracted
// patterns, saved with the dictionary writer and loaded into the engine.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dicwriter.h"
#include "penbuild.h"
#include "recog.h"
#include "tempdir.h"

// A stored pattern from segments given as x0, y0, x1, y1.
inline DicPatternSpec SegmentsPattern(uint16_t code, const std::vector<std::array<int8_t, 4>>& segs) {
  DicPatternSpec p;
  p.code = code;
  p.segments = segs;
  return p;
}

// Writes the sub-dictionaries as the system dictionary (and optionally a user
// dictionary) into dir and initialises the engine with them.
inline int InitEngineWith(const TempDir& dir, const std::vector<SubDicSpec>& system,
                          const std::vector<SubDicSpec>& user = {}) {
  std::string error;
  DicWriteOptions sysOptions;
  sysOptions.keepEmptyGroups = false;
  const std::string sysPath = dir.File("Crecs.ptn");
  EXPECT_TRUE(WriteDicFile(sysPath, system, sysOptions, &error)) << error;
  const std::string usrPath = dir.File("Crecs.upt");
  if (!user.empty()) {
    EXPECT_TRUE(WriteDicFile(usrPath, user, DicWriteOptions(), &error)) << error;
  }
  return ZkCRecInitializesFrom(sysPath.c_str(), usrPath.c_str());
}
