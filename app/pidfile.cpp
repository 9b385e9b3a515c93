// Single-instance guard through the pid file and /proc/<pid>/status.
#include "app/pidfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/i18n.h"
#include "app/userdir.h"

namespace {

enum class Earlier { kNone, kRunning, kZombie };

// The state of the process named in the pid file: kNone when there is no such file,
// no number in it, or no status file for that process.
Earlier EarlierInstance(const std::string& pidFile, const std::string& procRoot, int selfPid) {
  FILE* f = std::fopen(pidFile.c_str(), "r");
  if (!f) return Earlier::kNone;
  int pid = 0;
  const int read = std::fscanf(f, "%d", &pid);
  std::fclose(f);
  if (read != 1 || pid <= 0 || pid == selfPid) return Earlier::kNone;

  std::ifstream status(procRoot + "/" + std::to_string(pid) + "/status");
  if (!status) return Earlier::kNone;
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "State:") != 0) continue;
    // "State:\tZ (zombie)": the eighth character is the state letter.
    return line.size() > 7 && line[7] == 'Z' ? Earlier::kZombie : Earlier::kRunning;
  }
  return Earlier::kRunning;  // no state line: assume it runs
}

bool WritePid(const std::string& pidFile, int selfPid) {
  FILE* f = std::fopen(pidFile.c_str(), "w");
  if (!f) return false;
  const bool ok = std::fprintf(f, "%d\n", selfPid) > 0;
  return std::fclose(f) == 0 && ok;
}

}  // namespace

InstanceCheck CheckInstance(const std::string& userDir, const std::string& pidFile,
                            const std::string& procRoot, int selfPid) {
  InstanceCheck check{0, false, false};
  const Earlier earlier = EarlierInstance(pidFile, procRoot, selfPid);
  if (earlier == Earlier::kRunning) {
    check.result = 1;
    return check;
  }
  check.zombie = earlier == Earlier::kZombie;
  check.recorded = WritePid(pidFile, selfPid);
  if (!check.recorded) {
    // First start: the user directory does not exist yet.
    mkdir(userDir.c_str(), 0777);
    check.recorded = WritePid(pidFile, selfPid);
  }
  return check;
}

namespace {
bool pidRecorded = false;  // this copy wrote the pid file, so it removes it
}  // namespace

int Proc_Check() {
  const InstanceCheck check =
      CheckInstance(UserDirPath(), UserFilePath(kPidFileName), "/proc", static_cast<int>(getpid()));
  if (check.zombie) std::fputs(Msg("ゾンビプロセスの為起動します\n"), stderr);
  if (check.result == 0 && check.recorded && !pidRecorded) {
    pidRecorded = true;
    // Every way out (a fatal message, a lost display) takes the pid file with it.
    std::atexit(RemovePidFile);
  }
  return check.result;
}

void RemovePidFile() {
  if (!pidRecorded) return;  // never another copy's file
  pidRecorded = false;
  std::remove(UserFilePath(kPidFileName).c_str());
}
