// Default file paths; the install prefix comes from the build.
#include "paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#ifndef SORENIX_DICDIR
#define SORENIX_DICDIR "/usr/local/ZkCrec/dic"
#endif

std::string ZkDefaultSystemDicPath() { return std::string(SORENIX_DICDIR) + "/Crecs.ptn"; }

std::string ZkDefaultTransitionDicPath() { return std::string(SORENIX_DICDIR) + "/Senijish.dat"; }

std::string ZkHomeDir() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  // A session started without HOME (a service, "env -i") still has a home: without
  // it the files would land in whatever directory the program was started from.
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
      *found->pw_dir)
    return found->pw_dir;
  return ".";
}

std::string ZkUserDir() { return ZkHomeDir() + "/.ZkCrec"; }

std::string ZkDefaultUserDicPath() { return ZkUserDir() + "/Crecs.upt"; }
