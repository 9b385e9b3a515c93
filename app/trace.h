// Machine-readable progress lines on standard output for end-to-end tests, printed
// only when the environment variable SORENIX_TRACE is set to something other than "0".
#pragma once

bool TraceOn();

// One line ("READY ...", "SETTINGS saved ...") followed by a flush.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
