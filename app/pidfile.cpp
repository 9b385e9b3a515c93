// Single-instance guard through flock on the pid file and the user directory.
#include "app/pidfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/i18n.h"
#include "app/userdir.h"

namespace {

enum class Lock { kTaken, kHeldByAnother, kUnavailable };

// flock without waiting. A file system without flock support counts as unavailable.
Lock TryLock(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Lock::kTaken;
  return errno == EWOULDBLOCK ? Lock::kHeldByAnother : Lock::kUnavailable;
}

// Opens the pid file without following a symlink and without stalling on a FIFO:
// read-write (created when missing), else read-only. -1 when neither gives a
// regular file.
int OpenPidFile(const std::string& path, bool* writable) {
  const int common = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | common, 0644);
  *writable = fd >= 0;
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | common);
  struct stat st;
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    fd = -1;
  }
  return fd;
}

// Whether `fd` is still the file at `path` (not unlinked or replaced by an exiting
// instance between our open and our lock).
bool StillAtPath(int fd, const std::string& path) {
  struct stat byFd, byPath;
  return ::fstat(fd, &byFd) == 0 && ::lstat(path.c_str(), &byPath) == 0 && byFd.st_dev == byPath.st_dev &&
         byFd.st_ino == byPath.st_ino;
}

// The pid an earlier instance wrote, or 0 when the file holds no number from 1 to INT_MAX.
int RecordedPid(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  char* end = nullptr;
  errno = 0;
  const long pid = std::strtol(text, &end, 10);
  if (end == text || errno != 0 || pid <= 0 || pid > INT_MAX) return 0;
  return static_cast<int>(pid);
}

// Whether /proc shows that process as a zombie ("State:\tZ (zombie)").
bool IsZombie(const std::string& procRoot, int pid) {
  std::ifstream status(procRoot + "/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, 6, "State:") == 0) return line.size() > 7 && line[7] == 'Z';
  return false;
}

bool WritePid(int fd, int selfPid) {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%d\n", selfPid);
  if (::ftruncate(fd, 0) != 0) return false;
  return ::pwrite(fd, text, static_cast<size_t>(length), 0) == length;
}

void CloseFd(int* fd) {
  if (*fd >= 0) ::close(*fd);
  *fd = -1;
}

InstanceLock theLock;

}  // namespace

InstanceLock::~InstanceLock() {
  CloseFd(&fileFd_);
  CloseFd(&dirFd_);
}

void InstanceLock::Release() {
  if (fileFd_ >= 0 && StillAtPath(fileFd_, pidFile_)) ::unlink(pidFile_.c_str());
  CloseFd(&fileFd_);
  CloseFd(&dirFd_);
}

InstanceCheck CheckInstance(const std::string& userDir, const std::string& pidFile,
                            const std::string& procRoot, int selfPid, InstanceLock* lock) {
  InstanceCheck check{0, false, false};
  lock->Release();
  lock->pidFile_ = pidFile;
  ::mkdir(userDir.c_str(), 0777);  // first start: the directory does not exist yet

  // The directory lock covers a pid file that cannot be opened (a directory that is
  // not writable, a symlink or FIFO planted in its place); the file lock covers a
  // file system whose directories cannot be locked.
  lock->dirFd_ = ::open(userDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (lock->dirFd_ >= 0) {
    const Lock dir = TryLock(lock->dirFd_);
    if (dir == Lock::kHeldByAnother) {
      CloseFd(&lock->dirFd_);
      check.result = 1;
      return check;
    }
    if (dir == Lock::kUnavailable) CloseFd(&lock->dirFd_);
  }

  bool writable = false;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = OpenPidFile(pidFile, &writable);
    if (fd < 0) break;
    const Lock file = TryLock(fd);
    if (file == Lock::kHeldByAnother) {
      ::close(fd);
      lock->Release();
      check.result = 1;
      return check;
    }
    if (file == Lock::kUnavailable) {
      ::close(fd);
      break;
    }
    if (StillAtPath(fd, pidFile)) {
      lock->fileFd_ = fd;
      break;
    }
    ::close(fd);  // an exiting instance removed it meanwhile: lock the new one
  }

  if (lock->fileFd_ >= 0) {
    const int earlier = RecordedPid(lock->fileFd_);
    check.zombie = earlier != 0 && earlier != selfPid && IsZombie(procRoot, earlier);
    check.recorded = writable && WritePid(lock->fileFd_, selfPid);
  }
  return check;
}

int Proc_Check() {
  const InstanceCheck check = CheckInstance(UserDirPath(), UserFilePath(kPidFileName), "/proc",
                                            static_cast<int>(getpid()), &theLock);
  if (check.result == 0 && !theLock.Held())
    std::fprintf(stderr, "sorenix: %s: no lock can be taken; a second copy would not be noticed\n",
                 UserDirPath().c_str());
  if (check.zombie) std::fputs(Msg("ゾンビプロセスの為起動します\n"), stderr);
  static bool removalAtExit = false;
  if (check.result == 0 && theLock.Held() && !removalAtExit) {
    removalAtExit = true;
    // Every way out (a fatal message, a lost display) takes the pid file with it.
    std::atexit(RemovePidFile);
  }
  return check.result;
}

void RemovePidFile() { theLock.Release(); }
