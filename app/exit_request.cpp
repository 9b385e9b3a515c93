// The program's exit flag.
#include "app/exit_request.h"

namespace {
bool exiting = false;
}  // namespace

void MarkExitRequested() { exiting = true; }
bool ExitRequested() { return exiting; }
