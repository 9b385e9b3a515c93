// The key-assignment table Akey_txt, read from "Assignment.dat" in the user directory
// (the program never writes that file).
#pragma once

#include <string>

constexpr int kAkeyEntries = 10;
constexpr int kAkeyEntrySize = 16;

extern char Akey_txt[kAkeyEntries][kAkeyEntrySize];

// Fills `table` from the file: each line of up to 15 bytes becomes one entry without
// its newline; a longer line continues in the next entry (an EUC-JP character is never
// split between two entries). A missing file leaves the table empty.
void ReadAssignments(const std::string& path, char (&table)[kAkeyEntries][kAkeyEntrySize]);
