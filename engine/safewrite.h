// Replacing a file safely: the settings, the user dictionary and the learning file
// are written through this, so a crash, a full disk or a planted symlink never
// leaves a half-written file or overwrites anything but the target itself.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Writes `size` bytes to a new file beside `path` (created with O_EXCL|O_NOFOLLOW
// under a random name), fsyncs it, renames it over `path` and fsyncs the directory.
// On failure the old file is untouched, the temporary file is gone and `error`
// (when given) says what failed.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size,
                         std::string* error = nullptr);

inline bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                                std::string* error = nullptr) {
  return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

// Whether the file name `name` is one of the temporary names WriteFileAtomically gives
// a file named `target` ("<target>.<16 hex digits>.tmp").
bool IsTemporaryNameOf(const std::string& name, const std::string& target);

// Removes from `dir` the temporary files a crash left of the named targets (only
// names IsTemporaryNameOf accepts, only regular files). Returns the names removed.
// Only for a directory no other writer uses at the time.
std::vector<std::string> RemoveStaleTemporaries(const std::string& dir, const std::vector<std::string>& targets);
