// The trace lines of the end-to-end tests.
#include "app/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool TraceOn() {
  static const bool on = [] {
    const char* value = std::getenv("SORENIX_TRACE");
    return value && *value && std::strcmp(value, "0") != 0;
  }();
  return on;
}

void Trace(const char* format, ...) {
  if (!TraceOn()) return;
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
