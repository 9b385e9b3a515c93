// Fuzz target: arbitrary bytes as the key-assignment file; every entry stays a
// terminated string of at most 15 bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/assign.h"
#include "fuzz_sample_dic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("Assignment.dat", data, size);
  char table[kAkeyEntries][kAkeyEntrySize];
  std::memset(table, 0x5A, sizeof table);
  ReadAssignments(path, table);
  for (const auto& entry : table)
    if (strnlen(entry, kAkeyEntrySize) >= static_cast<size_t>(kAkeyEntrySize)) std::abort();
  return 0;
}
