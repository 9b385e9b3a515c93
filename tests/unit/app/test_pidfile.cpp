// The single-instance guard: the lock decides, whatever the pid file holds or is; and
// the user directory, found from HOME or the password database.
#include <gtest/gtest.h>

#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "app/pidfile.h"
#include "app/userdir.h"
#include "paths.h"
#include "tempdir.h"

namespace {

class PidFile : public ::testing::Test {
 protected:
  std::string UserDir() const { return dir_.path() + "/.ZkCrec"; }
  std::string Pid() const { return UserDir() + "/Sorenix.pid"; }
  void WritePidFile(const std::string& text) {
    mkdir(UserDir().c_str(), 0700);
    std::ofstream(Pid()) << text;
  }
  std::string PidFileText() const {
    const std::vector<uint8_t> bytes = ReadFileBytes(Pid());
    return std::string(bytes.begin(), bytes.end());
  }
  InstanceCheck Check(InstanceLock* lock, const std::string& procRoot = "/proc") {
    return CheckInstance(UserDir(), Pid(), procRoot, kSelf, lock);
  }
  static constexpr int kSelf = 4242424;  // written as this instance's pid
  TempDir dir_;
};

// Runs `start` in a child that reports its result byte and keeps running (and holding
// what it took) until the returned pipe end is closed.
struct Child {
  pid_t pid;
  int resultFd;   // read the child's byte here
  int releaseFd;  // close to let the child end
};
Child StartChild(const std::function<char()>& start) {
  int result[2], release[2];
  if (pipe(result) != 0 || pipe(release) != 0) std::abort();
  const pid_t pid = fork();
  if (pid == 0) {
    close(result[0]);
    close(release[1]);
    const char byte = start();
    if (write(result[1], &byte, 1) != 1) _exit(2);
    char ignored;
    while (read(release[0], &ignored, 1) > 0) {
    }
    _exit(0);
  }
  close(result[1]);
  close(release[0]);
  return {pid, result[0], release[1]};
}
char ResultOf(const Child& c) {
  char byte = '?';
  if (read(c.resultFd, &byte, 1) != 1) byte = '!';
  return byte;
}
// Ends children: all release pipes close first, since each child holds copies of
// the earlier children's pipes.
void EndChildren(std::vector<Child> children) {
  for (const Child& c : children) {
    close(c.releaseFd);
    close(c.resultFd);
  }
  for (const Child& c : children) waitpid(c.pid, nullptr, 0);
}

TEST_F(PidFile, OneInstanceAtATimeAndNothingToLockStillRuns) {
  InstanceLock first, second, third;
  const InstanceCheck check = Check(&first);  // the directory does not exist yet
  EXPECT_EQ(check.result, 0);
  EXPECT_TRUE(check.recorded);
  EXPECT_FALSE(check.zombie);
  EXPECT_EQ(Check(&second).result, 1);
  EXPECT_EQ(PidFileText(), std::to_string(kSelf) + "\n");  // left as it was
  first.Release();  // the pid file going with it is e2e_startup's
  EXPECT_EQ(Check(&third).result, 0);
  // With nothing to lock it still runs.
  InstanceLock none;
  const InstanceCheck nowhere =
      CheckInstance("/nonexistent/dir/.ZkCrec", "/nonexistent/dir/.ZkCrec/Sorenix.pid", "/proc", kSelf, &none);
  EXPECT_EQ(nowhere.result, 0);
  EXPECT_FALSE(nowhere.recorded);
  EXPECT_FALSE(none.Held());
}

// A pid file left behind never blocks: not a live process (pid 1, the test itself),
// not a number out of range, not garbage.
TEST_F(PidFile, WhateverAStalePidFileNamesTheStartGoesOn) {
  for (const std::string& text :
       {std::string(""), std::string("abc\n"), std::string("-7\n"), std::string("0\n"), std::string("1\n"),
        std::to_string(getpid()) + "\n", std::to_string(kSelf) + "\n", std::string("99999999999\n"),
        std::string(100, '9')}) {
    WritePidFile(text);
    InstanceLock lock;
    const InstanceCheck check = Check(&lock);
    EXPECT_EQ(check.result, 0) << "pid file \"" << text << "\"";
    EXPECT_FALSE(check.zombie);
    EXPECT_EQ(PidFileText(), std::to_string(kSelf) + "\n");
  }
}

TEST_F(PidFile, AZombieIsReported) {
  TempDir proc;
  mkdir((proc.path() + "/77").c_str(), 0700);
  WritePidFile("77\n");
  for (const char* state : {"Z (zombie)", "S (sleeping)"}) {
    std::ofstream(proc.path() + "/77/status") << "Name:\tsorenix\nState:\t" << state << "\n";
    InstanceLock lock;
    const InstanceCheck check = Check(&lock, proc.path());
    EXPECT_EQ(check.result, 0);
    EXPECT_EQ(check.zombie, state[0] == 'Z');
    lock.Release();
    WritePidFile("77\n");
  }
}

// Something planted at the pid file's path is never followed or read, and the
// guard still holds.
TEST_F(PidFile, PlantedFilesAreNotFollowedAndTheGuardHolds) {
  const std::string victim = dir_.File("victim");
  for (const char* kind : {"symlink", "fifo", "device"}) {
    std::ofstream(victim) << "keep";
    mkdir(UserDir().c_str(), 0700);
    ASSERT_TRUE(PlantAt(Pid(), kind, victim));
    InstanceLock first, second;
    const InstanceCheck check = Check(&first);
    EXPECT_EQ(check.result, 0) << kind;
    EXPECT_FALSE(check.recorded) << kind;
    EXPECT_EQ(Check(&second).result, 1) << kind;
    const std::vector<uint8_t> kept = ReadFileBytes(victim);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "keep") << kind;
  }
}

// A user directory the user cannot write (tested as an unprivileged user: root
// writes anywhere).
TEST_F(PidFile, AnUnwritableUserDirectoryStillKeepsASecondCopyOut) {
  ASSERT_EQ(mkdir(UserDir().c_str(), 0755), 0);
  ASSERT_EQ(chmod(dir_.path().c_str(), 0755), 0);
  const uid_t nobody = 65534;
  auto asUser = [&]() -> char {
    if (geteuid() != 0) {
      if (chmod(UserDir().c_str(), 0555) != 0) return 'u';
    } else if (setgid(nobody) != 0 || setuid(nobody) != 0) {
      return 'u';
    }
    InstanceLock* lock = new InstanceLock;
    const InstanceCheck check = Check(lock);
    return check.recorded ? 'w' : static_cast<char>('0' + check.result);
  };
  const Child first = StartChild(asUser);
  EXPECT_EQ(ResultOf(first), '0');
  const Child second = StartChild(asUser);
  EXPECT_EQ(ResultOf(second), '1');
  EndChildren({first, second});
  chmod(UserDir().c_str(), 0755);
}

// A full disk while the pid is written leaves the guard on.
TEST_F(PidFile, AFullDiskWhileRecordingKeepsTheGuard) {
  const Child first = StartChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit none{0, 0};
    setrlimit(RLIMIT_FSIZE, &none);  // every write fails as on a full disk
    InstanceLock* lock = new InstanceLock;
    const InstanceCheck check = Check(lock);
    return check.recorded ? 'w' : static_cast<char>('0' + check.result);
  });
  EXPECT_EQ(ResultOf(first), '0');
  InstanceLock second;
  EXPECT_EQ(Check(&second).result, 1);
  EndChildren({first});
}

TEST(UserDir, HomeComesFromHomeOrThePasswordDatabase) {
  const char* saved = std::getenv("HOME");
  const std::string oldHome = saved ? saved : "";
  const struct passwd* pw = getpwuid(getuid());
  ASSERT_NE(pw, nullptr);
  struct Row {
    const char* home;  // null: unset
    std::string expected;
  };
  const Row rows[] = {{"/home/someone", "/home/someone"}, {nullptr, pw->pw_dir}, {"", pw->pw_dir}};
  for (const Row& row : rows) {
    if (row.home)
      setenv("HOME", row.home, 1);
    else
      unsetenv("HOME");
    EXPECT_EQ(UserDirPath(), row.expected + "/.ZkCrec") << (row.home ? row.home : "(unset)");
    EXPECT_EQ(ZkDefaultUserDicPath(), UserDirPath() + "/Crecs.upt");
  }
  if (saved)
    setenv("HOME", oldHome.c_str(), 1);
  else
    unsetenv("HOME");
}

}  // namespace
