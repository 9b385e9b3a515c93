// Character-transition rescoring: the pad's candidate records, the transition
// table's loader and the entry points that re-rank a written row.
#pragma once

#include <cstdint>
#include <string>

constexpr int kSeniCandidates = 10;  // candidates per character record

struct SeniCandidate {
  uint16_t code;     // Shift-JIS code, or a single-byte code in half-width mode
  int16_t distance;  // smaller is better
};

// One record per recognised character, built by the pad in writing order.
struct SeniCharRecord {
  uint16_t padWord0;  // the pad's own
  int16_t count;      // candidates filled, 0..10
  int16_t selected;   // written by SeniSelect
  uint16_t padWord1;  // the pad's own
  SeniCandidate cand[kSeniCandidates];  // best first
  uint16_t padTail[2];                  // the pad's own
};
static_assert(sizeof(SeniCharRecord) == 52, "the pad lays out 52-byte records");

// Loading results.
constexpr int kSeniLoaded = 0;
constexpr int kSeniNoFile = 1;
constexpr int kSeniNoMemory = 2;
constexpr int kSeniBadFile = 3;
// Rescoring results.
constexpr int kSeniDone = 0;
constexpr int kSeniOverflow = 8;   // too many sentences, or a path overflow
constexpr int kSeniBadType = 16;   // data type not loaded, or a search outside its table

// Loads the installed transition table; SeniJishoFrom loads another file.
int SeniJisho();
// `why`, when given, receives a description of a refused file.
int SeniJishoFrom(const std::string& path, std::string* why = nullptr);
// Releases the loaded table.
void SeniClose();

// Re-ranks the candidates of `count` records in place, sentence by sentence.
int SeniCntl(int dataType, int count, SeniCharRecord* records);

// The steps of SeniCntl, usable on their own once SNrun.SNmojiretu_koho and
// SNrun.SNmojiretusuu are set.
void SeniInit();
void SeniPunc();
// Whether code is one of 、 。 ， ． and the full-width space, after which rescoring
// starts a new sentence (in half-width mode their single-byte forms too).
bool SeniEndsSentence(uint16_t code);
void SeniSelect();
int SeniCalc(int start, int length);
void SeniChng(int start, int length);

// Occurrence count of `from` and count of the pair (from, to) under SNrun.SNdatatype;
// defaults when either is unknown. 0, or 16 when the data type is not loaded.
int SeniGetPrbl(uint16_t from, uint16_t to, int32_t* occurrences, int32_t* pairCount);

// -log10 of the transition table's P(to | from), floored at 1e-4: 0..4. 0 when the
// table is not loaded, and after 、 。 ， ． or the space: the table counts no pairs
// from them, for rescoring starts a new sentence there.
double SeniTransitionCost(uint16_t from, uint16_t to);

// Bisection of array[low..high] (sorted) for key; *found = its position or -1.
// 16 when the bounds lie outside the array's `size` entries.
int SeniBSearch(int low, int high, const int16_t* array, int size, int key, int* found);

// Index 0..4554 of a character in the table, or -1 when the table cannot know it.
int16_t SeniCodeIndex(uint16_t code);
