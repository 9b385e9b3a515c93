// One input line of zkrecog answered: the recognition's answer or the line's error.
#pragma once

#include <string>

#include "zkrecog_line.h"

// The answer to one line of text (a writing, or with `sequence` a row of them), or
// {"error": "line N: ..."}. Nothing in a line can end the run: a blank line, a NUL
// byte, malformed JSON, numbers out of range, nesting deeper than kMaxJsonDepth and
// writings beyond the engine's limits all become that line's error. `ok` tells which it was. A writing is
// recognised `repeat` times and the fastest time reported.
Json AnswerLine(const std::string& text, long lineNumber, const ZkOptionRec& defaults, bool sequence, bool* ok,
                int repeat = 1);
