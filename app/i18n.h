// The message catalogue of the text domain "sorenix": every literal shown to the user,
// every face text and every fixed file name goes through it before use.
#pragma once

#include <string>

constexpr const char* kTextDomain = "sorenix";

// The catalogue's text for a literal, in UTF-8 (the literal itself without a catalogue).
const char* Msg(const char* literal);

// The same text in EUC-JP, the encoding of face texts and of the pad's own text.
// The returned string lives until the program ends.
const char* MsgEuc(const char* literal);

// A copy of an EUC-JP string that lives until the program ends (face texts handed to
// signal handlers must outlive the call that made them).
const char* InternText(const std::string& text);
