// The temporary file, fsync and rename of WriteFileAtomically.
#include "safewrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

constexpr size_t kSuffixDigits = 16;
constexpr const char* kTempEnd = ".tmp";

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string RandomSuffix() {
  static std::random_device device;
  static std::mt19937_64 generator(
      (static_cast<uint64_t>(device()) << 32) ^ device() ^ static_cast<uint64_t>(getpid()));
  char buf[24];
  static_assert(kSuffixDigits == 16, "the format below writes 16 digits");
  std::snprintf(buf, sizeof buf, ".%016llx",
                static_cast<unsigned long long>(generator()));
  return buf;
}

bool Fail(std::string* error, const std::string& what, int err) {
  if (error) *error = what + ": " + std::strerror(err);
  return false;
}

bool WriteAll(int fd, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const void* data, size_t size,
                         std::string* error) {
  // The target itself must not be a symlink: renaming over it would replace the
  // link, but a caller that trusted the link's destination would be surprised.
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    return Fail(error, "cannot replace " + path + " (not a regular file)", EINVAL);

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = path + RandomSuffix() + kTempEnd;
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) return Fail(error, "cannot create " + temp, errno);
  }
  if (fd < 0) return Fail(error, "cannot create a temporary file beside " + path, EEXIST);

  // Keep the permissions of the file being replaced (the settings stay private otherwise).
  if (::lstat(path.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);

  if (!WriteAll(fd, data, size) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return Fail(error, "cannot write " + temp, err);
  }
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Fail(error, "cannot write " + temp, err);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Fail(error, "cannot rename " + temp + " to " + path, err);
  }
  // The rename is durable only once the directory entry is on disk.
  const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool IsTemporaryNameOf(const std::string& name, const std::string& target) {
  const size_t end = std::strlen(kTempEnd);
  if (name.size() != target.size() + 1 + kSuffixDigits + end) return false;
  if (name.compare(0, target.size(), target) != 0 || name[target.size()] != '.') return false;
  if (name.compare(name.size() - end, end, kTempEnd) != 0) return false;
  for (size_t i = target.size() + 1; i < target.size() + 1 + kSuffixDigits; ++i)
    if (!std::isxdigit(static_cast<unsigned char>(name[i])) || std::isupper(static_cast<unsigned char>(name[i])))
      return false;
  return true;
}

std::vector<std::string> RemoveStaleTemporaries(const std::string& dir, const std::vector<std::string>& targets) {
  std::vector<std::string> removed;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return removed;
  while (const struct dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    bool ours = false;
    for (const auto& t : targets) ours = ours || IsTemporaryNameOf(name, t);
    if (!ours) continue;
    const std::string path = dir + "/" + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0)
      removed.push_back(name);
  }
  ::closedir(d);
  return removed;
}
