// Command-line option matching.
#include "app/options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/i18n.h"

int FindOption(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i)
    if (argv[i] && std::strncmp(argv[i], option, 2) == 0) return i;
  return 0;
}

namespace {

// A whole argument as a decimal number.
bool DecimalArg(const char* text, long* value) {
  if (!text || !*text) return false;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (*end != '\0' || errno == ERANGE) return false;
  *value = v;
  return true;
}

}  // namespace

bool BackColorOption(int argc, char** argv, uint32_t* rgb, std::string* error) {
  error->clear();
  const int at = FindOption(argc, argv, Msg("-b"));
  if (at == 0) return false;
  uint32_t color = 0;
  for (int i = 1; i <= 3; ++i) {
    long v;
    if (at + i >= argc || !DecimalArg(argv[at + i], &v)) {
      *error = Msg("-b には赤、緑、青の値 (0〜255) を3つ続けて指定してください");
      return false;
    }
    if (v < 0) v = 0;
    if (v > 255) v = 255;
    color = (color << 8) | static_cast<uint32_t>(v);
  }
  *rgb = color;
  return true;
}
