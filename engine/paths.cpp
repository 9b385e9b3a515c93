// Default file paths; the install prefix comes from the build.
#include "paths.h"

#include <cstdlib>

#ifndef SORENIX_DICDIR
#define SORENIX_DICDIR "/usr/local/ZkCrec/dic"
#endif

std::string ZkDefaultSystemDicPath() { return std::string(SORENIX_DICDIR) + "/Crecs.ptn"; }

std::string ZkDefaultTransitionDicPath() { return std::string(SORENIX_DICDIR) + "/Senijish.dat"; }

std::string ZkUserDir() {
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.ZkCrec";
}

std::string ZkDefaultUserDicPath() { return ZkUserDir() + "/Crecs.upt"; }
