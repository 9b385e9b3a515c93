// Whether the program is ending: set once by the exit, read by nested loops (message
// boxes) so that they pass the exit on instead of waiting for an answer.
#pragma once

void MarkExitRequested();
bool ExitRequested();
