// The single-instance guard: the pid file "Sorenix.pid" in the user directory and
// the state of the process it names.
#pragma once

#include <string>

struct InstanceCheck {
  int result;       // 0 this instance may run, 1 another live instance exists
  bool zombie;      // the earlier instance was a zombie (the start goes on)
  bool recorded;    // this instance's pid was written
};

// The check against a user directory and a /proc tree; `selfPid` is written as the
// new pid. A pid file that names no readable number, or names this process, is stale.
InstanceCheck CheckInstance(const std::string& userDir, const std::string& pidFile,
                            const std::string& procRoot, int selfPid);

// 0 when this instance may run (its pid recorded when possible), 1 when another one
// runs. Reports a stale zombie instance on standard error.
int Proc_Check();

// Deletes the pid file this copy wrote (at exit; also run by exit() itself).
void RemovePidFile();
