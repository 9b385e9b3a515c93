// Opening regular files only, and reading lines within a bound.
#include "saferead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

int OpenRegularFile(const std::string& path, Symlinks symlinks, std::string* error) {
  int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
  if (symlinks == Symlinks::kRefuse) flags |= O_NOFOLLOW;
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) {
    if (error) *error = path + ": " + (errno == ELOOP ? "a symlink, refused" : std::strerror(errno));
    return -1;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    if (error) *error = path + ": not a regular file";
    return -1;
  }
  // Reads of a regular file never block; the flag only guarded the open.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool ReadRegularFile(const std::string& path, std::string* bytes, size_t maxBytes, bool* tooLarge) {
  bytes->clear();
  if (tooLarge) *tooLarge = false;
  const int fd = OpenRegularFile(path, Symlinks::kFollow);
  if (fd < 0) return false;
  struct stat st;
  if (::fstat(fd, &st) != 0 || static_cast<uint64_t>(st.st_size) > maxBytes) {
    ::close(fd);
    if (tooLarge) *tooLarge = true;
    return false;
  }
  char buffer[1 << 16];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    if (bytes->size() + static_cast<size_t>(n) > maxBytes) {  // it grew while being read
      if (tooLarge) *tooLarge = true;
      bytes->clear();
      break;
    }
    bytes->append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return n == 0;
}

BoundedLineReader::BoundedLineReader(int fd, size_t maxLine, bool owned)
    : fd_(fd), owned_(owned), maxLine_(maxLine) {}

BoundedLineReader::BoundedLineReader(const std::string& path, size_t maxLine, Symlinks symlinks)
    : fd_(OpenRegularFile(path, symlinks)), owned_(true), maxLine_(maxLine) {}

BoundedLineReader::~BoundedLineReader() {
  if (owned_ && fd_ >= 0) ::close(fd_);
}

bool BoundedLineReader::Fill() {
  if (fd_ < 0) return false;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_, sizeof buffer_);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    begin_ = 0;
    end_ = static_cast<size_t>(n);
    return true;
  }
}

bool BoundedLineReader::Next(std::string* line) {
  line->clear();
  truncated_ = false;
  bool any = false;
  for (;;) {
    if (begin_ == end_ && !Fill()) break;
    any = true;
    const char* start = buffer_ + begin_;
    const void* newline = std::memchr(start, '\n', end_ - begin_);
    const size_t piece = newline ? static_cast<size_t>(static_cast<const char*>(newline) - start) : end_ - begin_;
    const size_t room = maxLine_ + 1 - std::min(line->size(), maxLine_ + 1);  // one byte more sees a "\r"
    line->append(start, std::min(piece, room));
    if (piece > room) truncated_ = true;
    begin_ += piece;
    if (newline) {
      ++begin_;
      break;
    }
  }
  if (!any) return false;
  if (!line->empty() && line->back() == '\r') line->pop_back();
  if (line->size() > maxLine_) {
    line->resize(maxLine_);
    truncated_ = true;
  }
  ++lineNumber_;
  return true;
}
