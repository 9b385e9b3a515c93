// The single-instance guard: an exclusive lock on the pid file "Sorenix.pid" (and on
// the user directory), held for the whole run. The pid written into the file only
// serves the messages about an earlier instance.
#pragma once

#include <string>

struct InstanceCheck {
  int result;       // 0 this instance may run, 1 another instance holds the lock
  bool zombie;      // the pid file named a zombie (the start goes on)
  bool recorded;    // this instance's pid was written
};

// The locks of a running instance: the pid file's and the user directory's, released
// (and the pid file removed) by Release or when the process ends.
class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Removes the pid file while it is still this instance's, then drops the locks.
  void Release();
  bool Held() const { return fileFd_ >= 0 || dirFd_ >= 0; }

 private:
  friend InstanceCheck CheckInstance(const std::string&, const std::string&, const std::string&, int,
                                     InstanceLock*);
  std::string pidFile_;
  int fileFd_ = -1;  // the pid file, locked
  int dirFd_ = -1;   // the user directory, locked
};

// Takes the locks for a user directory and its pid file; `procRoot` is where an
// earlier pid is looked up for the zombie message, `selfPid` is written as the new
// pid. Neither a stale pid file (whatever number it names) nor a pid file that
// cannot be written lets a second instance run or blocks the first: only a lock
// held by a running instance gives result 1. Without any lockable file or
// directory the instance runs unguarded.
InstanceCheck CheckInstance(const std::string& userDir, const std::string& pidFile,
                            const std::string& procRoot, int selfPid, InstanceLock* lock);

// 0 when this instance may run (it then holds the lock until RemovePidFile or its
// end), 1 when another one runs. Reports a stale zombie instance on standard error.
int Proc_Check();

// Deletes the pid file while it is this copy's and releases the lock (at exit; also
// run by exit() itself).
void RemovePidFile();
