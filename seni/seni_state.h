// The post-processing module's global state: the loaded transition table and the
// working state of one rescoring run.
#pragma once

#include <cstdint>
#include <vector>

#include "seni.h"

// Capacities of the loaded table.
constexpr int SNmamng = 200;      // data types
constexpr int SNmabmoji = 5000;   // from-entries
constexpr int SNmaprbl = 87000;   // transition entries
constexpr int kSeniIndexCount = 4555;  // character indexes 0..4554

// Rescoring limits.
constexpr int SNmapunc = 30;      // sentence-ending codes
constexpr int SNmapath = 11;      // paths of one sentence
constexpr int kSeniPathChars = 30;  // characters one path records
constexpr int kSeniMaxSentences = 10;
constexpr int kSeniThreshold = 250;

// The loaded transition table.
struct SeniTableRec {
  // Data types: first from-entry and number of from-entries of each.
  int16_t SNp_from[SNmamng];
  int16_t SNn_from[SNmamng];
  int32_t SNmax_kaisuu[SNmamng];  // largest occurrence count of the type
  int SNnomng;

  // From-entries.
  std::vector<int16_t> SNmjfrom;   // from-character index
  std::vector<int32_t> SNkaisuu;   // occurrence count of the character
  std::vector<int32_t> SNp_prbl;   // first transition entry
  std::vector<int16_t> SNn_prbl;   // number of transition entries
  int SNnobmoji;

  // Transition entries.
  std::vector<int16_t> SNmjto;     // to-character index
  std::vector<int16_t> SNmjprbl;   // count of the pair
  int SNnoprbl;
};
extern SeniTableRec SNtable;

// The working state of one rescoring run.
struct SeniRunRec {
  int SNdatatype;
  int SNmojiretusuu;
  SeniCharRecord* SNmojiretu_koho;
  int SNthres_dist;
  int32_t SNdef_prbl;
  uint16_t SNpunc[SNmapunc];
  int SNnopunc;

  // Paths of the sentence being scored; SNpath_pcode[k][p] is the candidate number
  // path p chose for character k of the sentence.
  double SNpath_prbl[SNmapath];   // score
  double SNpath_syutu[SNmapath];  // occurrence count behind the last step
  int16_t SNpath_dist[SNmapath];  // distance of the candidate at the path's end
  int16_t SNpath_pcode[kSeniPathChars][SNmapath];
  int SNnopath;
};
extern thread_local SeniRunRec SNrun;  // one per thread: readings of a row are rescored side by side
