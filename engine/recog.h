// The engine's face to the pad: initialisation, recognition of one character's pen
// data into ranked candidates, and shutdown. All state is global; one thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "types.h"

constexpr size_t kPenCopyWords = 65532 / 2;  // ZkIHPen
constexpr int kPenCopyPoints = 1536;          // points kept over all strokes

// The options of recognition when the caller passes none.
extern ZkOptionRec ZkOption;

// Loads the system dictionary (default path) and the user dictionary ($HOME) and
// builds their indexes. 0 = ready, 100 = memory, 101 = no valid system dictionary,
// 102 = ready, but the user dictionary file was damaged and only partly loaded.
int ZkCRecInitializes();

// The same with explicit paths (null: the default path; a user path that cannot be
// opened, such as "", leaves the user dictionary empty).
int ZkCRecInitializesFrom(const char* systemDicPath, const char* userDicPath);

// Releases the dictionaries and indexes.
void ZkCRecEnd();

// Recognises one character. pen holds penWords 16-bit words of pen data; reading
// stops at the end mark, at the end of the buffer, or at the copy limits.
// 0 = result filled, 1 = dictionary tables inconsistent, 2 = no stroke.
int ZkCRecognize(const ZkOptionRec* option, const uint16_t* pen, size_t penWords, ZkResult* result);
// The same, also handing back the writing's feature pattern (what a user pattern taught
// from this writing holds).
int ZkCRecognize(const ZkOptionRec* option, const uint16_t* pen, size_t penWords, ZkResult* result,
                 KusabiPattern* pattern);
