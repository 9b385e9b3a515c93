// Formats the transition table's lines with each number right-aligned in its columns.
#include "seni_write.h"

#include <cstdarg>
#include <cstdio>

#include "safewrite.h"

namespace {

void AppendLine(std::string* out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void AppendLine(std::string* out, const char* format, ...) {
  char line[96];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  out->append(line);
  out->push_back('\n');
}

}  // namespace

std::string SeniFormatTable(const SeniTable& table) {
  std::string out;
  out.reserve(32 + table.types.size() * 13 + table.froms.size() * 34 + table.transitions.size() * 12);
  AppendLine(&out, "SENI %5zu", table.types.size());
  for (const SeniTypeRange& t : table.types) AppendLine(&out, "%5d %6d", t.first, t.count);
  AppendLine(&out, "%5zu", table.froms.size());
  for (const SeniFromEntry& f : table.froms)
    AppendLine(&out, "%5d %10d %10d %5d", f.index, static_cast<int>(f.occurrences), static_cast<int>(f.first),
               f.count);
  AppendLine(&out, "%10zu", table.transitions.size());
  for (const SeniTransition& t : table.transitions) AppendLine(&out, "%5d %5d", t.index, t.count);
  return out;
}

bool SeniWriteTable(const std::string& path, const SeniTable& table, std::string* error) {
  return WriteFileAtomically(path, SeniFormatTable(table), error);
}
