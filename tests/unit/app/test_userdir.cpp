// The user directory: the pad's files and the engine's user dictionary are found in
// the same home, which is never the directory the program was started from.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/userdir.h"
#include "paths.h"

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
