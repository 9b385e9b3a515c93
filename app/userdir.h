// Where the per-user files live: "$HOME/.ZkCrec" and the files in it.
#pragma once

#include <string>

// "$HOME/.ZkCrec" (the names pass through the catalogue); "./.ZkCrec" without HOME.
std::string UserDirPath();
// "$HOME/.ZkCrec/<name>" for a file name that passes through the catalogue.
std::string UserFilePath(const char* name);

constexpr const char* kSettingsFileName = "Sorenix.dat";
constexpr const char* kPidFileName = "Sorenix.pid";
constexpr const char* kAssignmentFileName = "Assignment.dat";
