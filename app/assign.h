// The key-assignment table Akey_txt, read from "Assignment.dat" in the user directory
// (the program never writes that file).
#pragma once

#include <string>
#include <vector>

constexpr int kAkeyEntries = 10;
constexpr int kAkeyEntrySize = 16;

extern char Akey_txt[kAkeyEntries][kAkeyEntrySize];

// Fills `table` (EUC-JP) from the file, written in UTF-8 or EUC-JP: a file whose lines
// are valid UTF-8 with some non-ASCII text is read as UTF-8, any other as EUC-JP. Each
// line of up to 15 bytes in EUC-JP becomes one entry without its newline; a longer line
// continues in the next entry, split between characters. A line that is not text in
// the file's encoding, or has a character EUC-JP lacks, is left out with a warning
// "file:line: why" in `warnings`. A missing file leaves the table empty.
void ReadAssignments(const std::string& path, char (&table)[kAkeyEntries][kAkeyEntrySize],
                     std::vector<std::string>* warnings = nullptr);
