// Teaching the recogniser: checking a sample, adding its feature pattern to the
// in-memory user dictionary, deleting and listing user patterns, and saving the
// user dictionary in the layout the loader reads back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dicwriter.h"
#include "usrdicfile.h"

// Results of the user-dictionary operations.
constexpr int kUsrAlreadyTaught = -1;  // the code already has a user pattern
constexpr int kUsrRecogFailed = -2;    // the sample could not be recognised
constexpr int kUsrNotRegistrable = -3; // the code has no character class
constexpr int kUsrSaveFailed = -4;     // the file could not be written
constexpr int kUsrNoRoom = -5;         // 64 user sub-dictionaries, memory, or nothing checked
constexpr int kUsrNoPattern = -6;      // nothing to delete (or memory while shrinking)

// Recognises the sample (pen data of penWords words) and checks `code` for
// registration: -2, -3, -1 as above; 0 nothing close, 1 another character within
// a distance of 200, 2 the sample is already read as `code`. On 0, 1 or 2 the
// sample's pattern and code are kept for ZkEntryPatternUsr.
int ZkChrckEntryPatternUsr(uint16_t code, const uint16_t* pen, size_t penWords);

// Adds the pattern kept by the last successful check. 0 = added, -5 = no room.
int ZkEntryPatternUsr();

// Removes the first user pattern of `code`. 0 = removed, -6 = none.
int ZkDeletePatternUsr(uint16_t code);

// The code of the next user pattern (restart != 0: the first), 0 after the last.
uint16_t ZkInfoUsrDicPattern(int restart);

// Writes the user dictionary to the file the engine loaded it from; with no user
// pattern left the file is removed. When that file was damaged at loading, it is
// first kept beside itself (KeepDamagedCopy); without that copy nothing is written.
// 0 = done, -4 = not written (old file intact).
int ZkSaveUsrDic();


// A copy of the user sub-dictionaries, to undo a change whose files failed.
std::vector<SubDicSpec> ZkUsrDicSnapshot();
// Puts a snapshot back into the in-memory user dictionary. 0 = done, -5 = memory.
int ZkUsrDicRestore(const std::vector<SubDicSpec>& subs);
