// Whole-file reading through zlib, which passes plain files through unchanged.
#include "source_file.h"

#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>

#include "saferead.h"

bool ReadSourceFile(const std::string& path, std::string* text) {
  text->clear();
  // Only a regular file is read: a FIFO among the sources cannot stall the build.
  const int fd = OpenRegularFile(path, Symlinks::kFollow);
  if (fd < 0) return false;
  gzFile file = gzdopen(fd, "rb");
  if (file == nullptr) {
    close(fd);
    return false;
  }
  char buffer[1 << 16];
  int got;
  while ((got = gzread(file, buffer, sizeof buffer)) > 0) text->append(buffer, static_cast<size_t>(got));
  const bool ok = got == 0;
  gzclose(file);
  return ok;
}

namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::vector<std::string> ListSourceFiles(const std::string& path, const std::string& suffix) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) {
    if (EndsWith(path, suffix)) files.push_back(path);
    return files;
  }
  for (fs::recursive_directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
    if (!it->is_symlink(ec) && it->is_regular_file(ec) && EndsWith(it->path().filename().string(), suffix))
      files.push_back(it->path().string());
  std::sort(files.begin(), files.end());
  return files;
}
