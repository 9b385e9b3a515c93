// WriteFileAtomically: replaces the whole file, never follows a planted symlink and
// leaves the old file as it was when the write fails.
#include <dirent.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "safewrite.h"
#include "tempdir.h"

// Every fsync of this test program is recorded (regular file or directory) before
// it is done: the writer must sync the new file before the rename and the directory
// after it.
std::vector<char> g_synced;
std::string g_syncedFile;  // the last regular file synced: the writer's temporary file
extern "C" int fsync(int fd) {
  struct stat st;
  const bool dir = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
  g_synced.push_back(dir ? 'd' : 'f');
  if (!dir) {
    char target[4096];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
    g_syncedFile.assign(target, n > 0 ? static_cast<size_t>(n) : 0);
  }
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

std::string ReadText(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

int EntriesIn(const std::string& dir) {
  int n = 0;
  DIR* d = opendir(dir.c_str());
  while (dirent* e = readdir(d))
    if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") ++n;
  closedir(d);
  return n;
}

TEST(SafeWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
  TempDir dir;
  const std::string path = dir.File("Sorenix.dat");
  ASSERT_TRUE(WriteFileAtomically(path, std::string(5000, 'x')));
  ASSERT_TRUE(WriteFileAtomically(path, std::string("short")));
  EXPECT_EQ(ReadText(path), "short");  // no stale tail of the longer file
  EXPECT_EQ(EntriesIn(dir.path()), 1);
}

TEST(SafeWrite, AtStartOnlyTheWritersOwnLeftoversAreRemoved) {
  TempDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.File("Learn.dat"), std::string("x")));
  const std::string leftover = g_syncedFile.substr(g_syncedFile.rfind('/') + 1);  // as a crash leaves it
  struct Row {
    std::string name;
    bool removed;
  };
  const std::vector<Row> rows = {
      {leftover, true},
      {"Crecs.upt.00000000deadbeef.tmp", true},
      {"Learn.dat", false},
      {"Learn.dat.damaged", false},
      {"Learn.dat.00000000DEADBEEF.tmp", false},  // not a name the writer makes
      {"Learn.dat.deadbeef.tmp", false},
      {"Notes.dat.00000000deadbeef.tmp", false},  // another program's file
      {"Learn.dat.00000000deadbeef.tmp.keep", false},
  };
  for (const Row& row : rows) WriteFileBytes(dir.File(row.name), {1});
  ::mkdir(dir.File("Crecs.upt.0123456789abcdef.tmp").c_str(), 0700);  // not a file
  RemoveStaleTemporaries(dir.path(), {"Learn.dat", "Crecs.upt"});
  for (const Row& row : rows) {
    struct stat st;
    EXPECT_EQ(::stat(dir.File(row.name).c_str(), &st) != 0, row.removed) << row.name;
  }
  EXPECT_EQ(EntriesIn(dir.path()), 7);
}

TEST(SafeWrite, SyncsTheFileThenItsDirectory) {
  TempDir dir;
  g_synced.clear();
  ASSERT_TRUE(WriteFileAtomically(dir.File("Sorenix.dat"), std::string("[RECOG]\nTIMER=1500\n")));
  EXPECT_EQ(std::string(g_synced.begin(), g_synced.end()), "fd");
}

TEST(SafeWrite, RefusesToReplaceASymlinkAndKeepsItsDestination) {
  TempDir dir;
  const std::string victim = dir.File("victim");
  WriteFileBytes(victim, {'k', 'e', 'e', 'p'});
  ASSERT_EQ(symlink(victim.c_str(), dir.File("Sorenix.dat").c_str()), 0);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.File("Sorenix.dat"), std::string("new"), &error));
  EXPECT_NE(error.find("not a regular file"), std::string::npos);
  EXPECT_EQ(ReadText(victim), "keep");
  EXPECT_EQ(EntriesIn(dir.path()), 2);
}

TEST(SafeWrite, FailureLeavesNothingBehind) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.File("missing/Sorenix.dat"), std::string("x"), &error));
  EXPECT_NE(error.find("cannot create"), std::string::npos);
  // A directory where the file should be: the rename fails, the temporary goes.
  ASSERT_EQ(mkdir(dir.File("Crecs.upt").c_str(), 0700), 0);
  EXPECT_FALSE(WriteFileAtomically(dir.File("Crecs.upt"), std::string("x"), &error));
  EXPECT_EQ(EntriesIn(dir.path()), 1);
}

}  // namespace
