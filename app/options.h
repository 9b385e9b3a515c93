// The command-line options "-s" (start with a soft keyboard), "-b" (background),
// "--help" and "--version".
#pragma once

#include <cstdint>
#include <string>

// Index of the first argument (after the program name) whose first two characters
// equal those of `option`, so "-sx" counts as "-s"; 0 when there is none.
int FindOption(int argc, char** argv, const char* option);

// "-b R G B": the three decimal values that follow "-b", each clamped to 0..255, as
// 0xRRGGBB. Returns false with a message in `error` when "-b" lacks any of them, and
// false with an empty `error` when there is no "-b" at all.
bool BackColorOption(int argc, char** argv, uint32_t* rgb, std::string* error);

// What the command line asks for, once the toolkit has taken its own options out.
enum class CommandLine { kRun, kHelp, kVersion, kUnknown };

// kHelp or kVersion for "--help" / "--version" anywhere; kUnknown, with the offending
// argument in `unknown`, for an argument starting with '-' that is neither "-s..." nor
// "-b" (whose three values are passed over); kRun otherwise.
CommandLine ReadCommandLine(int argc, char** argv, std::string* unknown);

// The text of "sorenix --help".
extern const char kUsageText[];
