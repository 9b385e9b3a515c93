// Typing ASCII characters as key strokes (the ten-key pad's half-width pages and the
// assignment list): the character's own keysym, with Shift_L around it where the
// keyboard map needs Shift (a Japanese 106-key keyboard's rule when the map cannot
// tell).
#pragma once

// Types one printable ASCII character (0x20..0x7E) and flushes; "<" goes out as
// Shift+"," since some keyboards also carry "<" on a key of its own whose Shift
// level is ">". Other values send nothing. The caller checks the focus first.
void TypeAscii(int c);
