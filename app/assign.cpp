// Reading the key-assignment file.
#include "app/assign.h"

#include <algorithm>
#include <cstring>

#include "saferead.h"

char Akey_txt[kAkeyEntries][kAkeyEntrySize];

void ReadAssignments(const std::string& path, char (&table)[kAkeyEntries][kAkeyEntrySize]) {
  std::memset(table, 0, sizeof table);
  // Ten entries of 15 bytes hold at most 150 bytes of one line: the rest is never
  // stored. A FIFO or device in place of the file is not read.
  BoundedLineReader in(path, kAkeyEntries * (kAkeyEntrySize - 1), Symlinks::kFollow);
  std::string line;
  int entry = 0;
  while (entry < kAkeyEntries && in.Next(&line)) {
    // One entry per piece of at most 15 bytes; an empty line gives an empty entry.
    size_t pos = 0;
    do {
      size_t take = 0;
      while (pos + take < line.size()) {
        const size_t charLen = (static_cast<unsigned char>(line[pos + take]) & 0x80) ? 2 : 1;
        if (take + charLen > kAkeyEntrySize - 1) break;
        take += charLen;
      }
      take = std::min(take, line.size() - pos);
      std::memcpy(table[entry], line.data() + pos, take);
      pos += take;
      ++entry;
    } while (pos < line.size() && entry < kAkeyEntries);
  }
}
