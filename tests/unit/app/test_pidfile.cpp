// The single-instance guard against real processes: live, gone, zombie.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "app/pidfile.h"
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
  InstanceCheck Check(const std::string& procRoot = "/proc") {
    return CheckInstance(UserDir(), Pid(), procRoot, kSelf);
  }
  static constexpr int kSelf = 4242424;  // written as this instance's pid
  TempDir dir_;
};

// A child that runs until killed.
pid_t SleepingChild() {
  const pid_t pid = fork();
  if (pid == 0) {
    pause();
    _exit(0);
  }
  return pid;
}

char ProcessState(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("State:", 0) == 0 && line.size() > 7) return line[7];
  return '?';
}

TEST_F(PidFile, FirstStartCreatesTheDirectoryAndRecordsThePid) {
  const InstanceCheck check = Check();
  EXPECT_EQ(check.result, 0);
  EXPECT_TRUE(check.recorded);
  EXPECT_FALSE(check.zombie);
  EXPECT_EQ(PidFileText(), std::to_string(kSelf) + "\n");
}

TEST_F(PidFile, ALiveInstanceRefusesTheStart) {
  const pid_t child = SleepingChild();
  ASSERT_GT(child, 0);
  WritePidFile(std::to_string(child) + "\n");
  const InstanceCheck check = Check();
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_EQ(check.result, 1);
  EXPECT_EQ(PidFileText(), std::to_string(child) + "\n");  // left as it was
}

TEST_F(PidFile, AGoneProcessIsStale) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);  // reaped: no /proc entry any more
  WritePidFile(std::to_string(child));
  const InstanceCheck check = Check();
  EXPECT_EQ(check.result, 0);
  EXPECT_FALSE(check.zombie);
  EXPECT_EQ(PidFileText(), std::to_string(kSelf) + "\n");
}

TEST_F(PidFile, AZombieIsReportedAndReplaced) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  // Not reaped yet: the child stays a zombie until waitpid.
  for (int i = 0; i < 200 && ProcessState(child) != 'Z'; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_EQ(ProcessState(child), 'Z');
  WritePidFile(std::to_string(child) + "\n");
  const InstanceCheck check = Check();
  waitpid(child, nullptr, 0);
  EXPECT_EQ(check.result, 0);
  EXPECT_TRUE(check.zombie);
  EXPECT_EQ(PidFileText(), std::to_string(kSelf) + "\n");
}

TEST_F(PidFile, GarbageOrOwnPidIsStale) {
  for (const std::string& text :
       std::vector<std::string>{"", "abc\n", "-7\n", "0\n", std::to_string(kSelf) + "\n"}) {
    WritePidFile(text);
    EXPECT_EQ(Check().result, 0) << "pid file \"" << text << "\"";
  }
}

TEST_F(PidFile, StatusWithoutStateLineCountsAsRunning) {
  TempDir proc;
  mkdir((proc.path() + "/77").c_str(), 0700);
  std::ofstream(proc.path() + "/77/status") << "Name:\tsorenix\nPid:\t77\n";
  WritePidFile("77\n");
  EXPECT_EQ(Check(proc.path()).result, 1);
  std::ofstream(proc.path() + "/77/status") << "Name:\tsorenix\nState:\tS (sleeping)\n";
  EXPECT_EQ(Check(proc.path()).result, 1);
  std::ofstream(proc.path() + "/77/status") << "State:\tZ (zombie)\n";
  EXPECT_EQ(Check(proc.path()).result, 0);
}

TEST_F(PidFile, UnwritableLocationStillLetsItRun) {
  const InstanceCheck check = CheckInstance("/nonexistent/dir/.ZkCrec",
                                            "/nonexistent/dir/.ZkCrec/Sorenix.pid", "/proc", kSelf);
  EXPECT_EQ(check.result, 0);
  EXPECT_FALSE(check.recorded);
}

}  // namespace
