// Ending the program on a failure it cannot run past (another copy running, the
// dictionaries missing or damaged): the user, who may have started the pad from a
// menu, sees the message in the message box, not only on standard error.
#pragma once

// Beeps, writes `message` (ending with a newline) to standard error, shows it in the
// message box until it is answered, and exits with status 1. The pid file goes with
// the exit when this copy wrote it.
[[noreturn]] void FatalExit(const char* message);
