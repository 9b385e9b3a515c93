// Where the per-user files live: "<home>/.ZkCrec" and the files in it.
#pragma once

#include <string>

// "<home>/.ZkCrec" (the directory name passes through the catalogue); the home is
// the engine's (ZkHomeDir), so the pad and the engine always agree.
std::string UserDirPath();
// "<home>/.ZkCrec/<name>" for a file name that passes through the catalogue.
std::string UserFilePath(const char* name);

constexpr const char* kSettingsFileName = "Sorenix.dat";
constexpr const char* kPidFileName = "Sorenix.pid";
constexpr const char* kAssignmentFileName = "Assignment.dat";
constexpr const char* kUserDicFileName = "Crecs.upt";  // the engine's own name for it
