// Reading the key-assignment file.
#include "app/assign.h"

#include <cstring>

#include "saferead.h"
#include "textconv.h"

char Akey_txt[kAkeyEntries][kAkeyEntrySize];

namespace {

constexpr size_t kEntryBytes = kAkeyEntrySize - 1;
// Ten entries hold at most 150 bytes of EUC-JP, which take at most half as many
// bytes again in UTF-8: the rest of a line is never stored.
constexpr size_t kLineBytes = kAkeyEntries * kEntryBytes * 3 / 2;

size_t EucCharLength(unsigned char lead) { return lead == 0x8F ? 3 : (lead & 0x80) ? 2 : 1; }

// Drops a UTF-8 sequence left unfinished at the end of a line cut at the limit.
void DropUnfinishedUtf8(std::string* text) {
  for (size_t back = 1; back <= 3 && back <= text->size(); ++back) {
    const size_t pos = text->size() - back;
    const unsigned char c = static_cast<unsigned char>((*text)[pos]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: its lead is further back
    if (c >= 0xC0 && Utf8CharLength(*text, pos) == 0) text->resize(pos);
    return;
  }
}

// The length of the whole EUC-JP characters at the start of `text`.
size_t WholeEuc(const std::string& text) {
  size_t pos = 0;
  while (pos < text.size() && pos + EucCharLength(text[pos]) <= text.size()) pos += EucCharLength(text[pos]);
  return pos;
}

// Valid UTF-8 throughout, with at least one character outside ASCII.
bool LooksUtf8(const std::vector<std::string>& lines) {
  bool wide = false;
  for (const std::string& line : lines) {
    for (size_t pos = 0, len; pos < line.size(); pos += len) {
      len = Utf8CharLength(line, pos);
      if (len == 0) return false;
      wide = wide || len > 1;
    }
  }
  return wide;
}

// The line in EUC-JP; false when it does not read in the file's encoding.
bool ToEuc(const std::string& line, bool utf8, std::string* euc) {
  if (utf8) return Utf8ToEuc(line, euc);
  std::string shown;
  if (!EucToUtf8(line, &shown)) return false;
  *euc = line;
  return true;
}

}  // namespace

void ReadAssignments(const std::string& path, char (&table)[kAkeyEntries][kAkeyEntrySize],
                     std::vector<std::string>* warnings) {
  std::memset(table, 0, sizeof table);
  // A FIFO or device in place of the file is not read. Every line fills at least one
  // entry, so ten lines are all the table can take.
  BoundedLineReader in(path, kLineBytes, Symlinks::kFollow);
  std::vector<std::string> lines;
  std::vector<bool> cut;
  std::string line;
  while (lines.size() < static_cast<size_t>(kAkeyEntries) && in.Next(&line)) {
    lines.push_back(line);
    cut.push_back(in.Truncated());
  }
  // A line cut at the limit may end inside a character: that character goes too.
  for (size_t i = 0; i < lines.size(); ++i)
    if (cut[i]) DropUnfinishedUtf8(&lines[i]);
  const bool utf8 = LooksUtf8(lines);
  if (utf8 && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0) lines[0].erase(0, 3);  // an editor's mark
  for (size_t i = 0; i < lines.size(); ++i)
    if (cut[i] && !utf8) lines[i].resize(WholeEuc(lines[i]));

  int entry = 0;
  for (size_t i = 0; i < lines.size() && entry < kAkeyEntries; ++i) {
    std::string euc;
    if (!ToEuc(lines[i], utf8, &euc)) {
      if (warnings)
        warnings->push_back(path + ":" + std::to_string(i + 1) + ": " +
                            (utf8 ? "a character outside the Japanese character set"
                                  : "neither UTF-8 nor EUC-JP text") + ", line left out");
      continue;
    }
    // One entry per piece of at most 15 bytes, split between characters; an empty
    // line gives an empty entry.
    size_t pos = 0;
    do {
      size_t take = 0;
      while (pos + take < euc.size()) {
        const size_t charLen = EucCharLength(euc[pos + take]);
        if (take + charLen > kEntryBytes || pos + take + charLen > euc.size()) break;
        take += charLen;
      }
      if (take == 0 && pos < euc.size()) break;  // a broken last character
      std::memcpy(table[entry], euc.data() + pos, take);
      pos += take;
      ++entry;
    } while (pos < euc.size() && entry < kAkeyEntries);
  }
}
