// One line of `zkrecog --seq`: the writings of a row of characters, recognised and
// read before and after the transition rescoring.
#pragma once

#include <string>

#include "zkrecog_line.h"

// Recognises each writing of the line's "chars" (objects as in zkrecog's ordinary
// lines; the line's own "width", "height", "mask" and "half" stand for those a
// writing lacks) and fills the answer: the line's other fields, "plain" and
// "rescored" (first candidates before and after rescoring, "？" for a character
// without candidates), "seni" (the rescoring's result) and "us". The transition
// table must be loaded. False with a reason when the line cannot be read.
bool RecognizeSequence(const Json& line, const ZkOptionRec& defaults, Json* answer, std::string* error);
