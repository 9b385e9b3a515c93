// Paths of the user directory and its files.
#include "app/userdir.h"

#include <cstdlib>

#include "app/i18n.h"

std::string UserDirPath() {
  const char* home = std::getenv(Msg("HOME"));
  return std::string(home ? home : ".") + "/" + Msg(".ZkCrec");
}

std::string UserFilePath(const char* name) { return UserDirPath() + "/" + Msg(name); }
