// A temporary directory for one test, removed with everything in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Puts something other than a regular file at `path` (removing what was there):
// "symlink" to `target`, "fifo", or "device" (a symlink to /dev/zero). False when
// that fails.
bool PlantAt(const std::string& path, const std::string& kind, const std::string& target = "");
