// Paths of the user directory and its files.
#include "app/userdir.h"

#include "app/i18n.h"
#include "paths.h"

std::string UserDirPath() { return ZkHomeDir() + "/" + Msg(".ZkCrec"); }

std::string UserFilePath(const char* name) { return UserDirPath() + "/" + Msg(name); }
