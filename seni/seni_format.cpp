// Reading one fixed-column field of a transition table line.
#include "seni_format.h"

bool SeniReadField(const std::string& line, SeniColumns columns, long long* value) {
  const int length = static_cast<int>(line.size());
  if (columns.first >= length) return false;
  const int end = columns.last < length ? columns.last + 1 : length;
  int pos = columns.first;
  while (pos < end && line[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < end && line[pos] == '-') {
    negative = true;
    ++pos;
  }
  if (pos >= end || line[pos] < '0' || line[pos] > '9') return false;
  long long number = 0;  // at most 10 digits: no overflow
  while (pos < end && line[pos] >= '0' && line[pos] <= '9') number = number * 10 + (line[pos++] - '0');
  while (pos < end && line[pos] == ' ') ++pos;
  if (pos != end) return false;
  *value = negative ? -number : number;
  return true;
}
