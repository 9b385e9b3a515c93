// Opening and reading outside files without surprises: a FIFO, a device or a planted
// symlink never stalls or feeds the reader, and no line is stored beyond its limit.
#pragma once

#include <cstddef>
#include <string>

enum class Symlinks { kFollow, kRefuse };

// Opens `path` read-only when it is a regular file. The open itself never blocks
// (O_NONBLOCK, cleared again afterwards); with Symlinks::kRefuse a symlink in the last
// component is refused (O_NOFOLLOW). -1 otherwise, with a reason in `error` when given.
int OpenRegularFile(const std::string& path, Symlinks symlinks, std::string* error = nullptr);

// Reads a whole regular file (see OpenRegularFile, symlinks followed) into `bytes`;
// false when it cannot be opened or read, or holds more than `maxBytes` (then
// nothing of it is read and *tooLarge, when given, is set).
bool ReadRegularFile(const std::string& path, std::string* bytes, size_t maxBytes = static_cast<size_t>(-1),
                     bool* tooLarge = nullptr);

// Reads lines of at most `maxLine` bytes. A longer line is cut to its first `maxLine`
// bytes and the rest of it skipped, so the lines after it stay in step.
class BoundedLineReader {
 public:
  // Reads an opened descriptor; `owned` closes it with the reader.
  BoundedLineReader(int fd, size_t maxLine, bool owned);
  // Opens a regular file (see OpenRegularFile); IsOpen() tells whether that worked.
  BoundedLineReader(const std::string& path, size_t maxLine, Symlinks symlinks);
  ~BoundedLineReader();
  BoundedLineReader(const BoundedLineReader&) = delete;
  BoundedLineReader& operator=(const BoundedLineReader&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // The next line without its "\n" and a "\r" before it; false at the end of the
  // input or on a read error.
  bool Next(std::string* line);
  // Whether the line Next gave last was longer than the limit.
  bool Truncated() const { return truncated_; }
  // Number of the line Next gave last, from 1.
  long LineNumber() const { return lineNumber_; }

 private:
  bool Fill();  // false at the end of the input

  int fd_;
  bool owned_;
  size_t maxLine_;
  char buffer_[4096];
  size_t begin_ = 0, end_ = 0;
  bool truncated_ = false;
  long lineNumber_ = 0;
};
