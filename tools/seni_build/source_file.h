// Reading the builder's source texts: whole files, gzip-compressed or plain, and
// the files under a directory.
#pragma once

#include <string>
#include <vector>

// Reads the whole file, decompressing it when it is gzip data; false when it
// cannot be read.
bool ReadSourceFile(const std::string& path, std::string* text);

// Regular files under `path` whose names end in `suffix`, sorted; `path` itself
// when it is such a file. Links inside a directory are left out: they only give
// other names to files already listed.
std::vector<std::string> ListSourceFiles(const std::string& path, const std::string& suffix);
