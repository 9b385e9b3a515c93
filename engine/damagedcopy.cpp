// The ".damaged" copies of KeepDamagedCopy.
#include "damagedcopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "saferead.h"

namespace {

constexpr int kMaxCopies = 100;

std::string CopyName(const std::string& path, int n) {
  return path + ".damaged" + (n == 1 ? std::string() : "." + std::to_string(n));
}

bool Fail(std::string* error, const std::string& what, int err) {
  if (error) *error = what + ": " + std::strerror(err);
  return false;
}

// Writes a new file (never an existing one) and puts it on disk before the caller
// goes on to replace the original.
bool WriteNewFile(const std::string& path, const std::string& bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return Fail(error, "cannot create " + path, errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int err = n < 0 ? errno : EIO;
      ::close(fd);
      ::unlink(path.c_str());
      return Fail(error, "cannot write " + path, err);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const int err = errno;
    ::unlink(path.c_str());
    return Fail(error, "cannot write " + path, err);
  }
  return true;
}

}  // namespace

bool KeepDamagedCopy(const std::string& path, std::string* keptAs, bool* fresh, std::string* error) {
  *fresh = false;
  std::string bytes;
  if (!ReadRegularFile(path, &bytes)) return Fail(error, "cannot read " + path, errno ? errno : EIO);
  for (int n = 1; n <= kMaxCopies; ++n) {
    const std::string name = CopyName(path, n);
    if (::access(name.c_str(), F_OK) == 0 || errno != ENOENT) {
      std::string earlier;  // the same damage seen before: its copy is already there
      if (ReadRegularFile(name, &earlier) && earlier == bytes) {
        *keptAs = name;
        return true;
      }
      continue;
    }
    if (!WriteNewFile(name, bytes, error)) {
      if (errno == EEXIST) continue;
      return false;
    }
    *keptAs = name;
    *fresh = true;
    return true;
  }
  return Fail(error, "no free name for a copy of " + path, EEXIST);
}
