// Typing ASCII characters as key strokes (soft keyboard keys, the ten-key pad's
// half-width pages and the assignment list): the character's own keysym, with Shift
// as the keyboard map needs it for that character (a Japanese 106-key keyboard's rule
// when the map cannot tell).
#pragma once

// The Shift keys a latch holds down while a character is typed.
struct HeldShift {
  bool left = false;
  bool right = false;
};

// Types one printable ASCII character (0x20..0x7E) and flushes. Shift goes down
// around a character that needs it; a held Shift is let up around one that must not
// have it and goes down again after. Other values send nothing. The caller checks
// the focus first.
void TypeAscii(int c, HeldShift held = {});

// Whether the keyboard map can type the character.
bool CanTypeAscii(int c);
