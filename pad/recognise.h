// The pad's calls of the engine: recognition with the input mode's options, without
// the editing-gesture candidates, optionally in a given writing frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/geometry.h"
#include "types.h"

// Recognises pen data (`words` 16-bit words) with ZkOption into `result` (count 0
// first); in half-width mode the half-width katakana candidates are removed.
// Returns the engine's result code.
int ZkRecogEx(const uint16_t* pen, size_t words, ZkResult* result);

// Removes the editing-gesture candidates (codes 0x8051..0x805D): the pad has no use
// for them and they are no characters.
void DropGestureCandidates(ZkResult* result);

// Pen data (ending with 0xF001) recognised in `frame` as ZkRecogEx does, gestures
// dropped: how pen input reads each character of the row. ZkOption is read, not
// changed, so that several threads may call this at once (as long as nothing
// changes ZkOption or the dictionaries meanwhile).
void RecogniseInFrame(const std::vector<uint16_t>& pen, const Rect16& frame, ZkResult* result);
