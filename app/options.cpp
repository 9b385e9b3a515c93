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

const char kUsageText[] =
    "usage: sorenix [-s] [-b RED GREEN BLUE] [GTK options]\n"
    "       sorenix --help | --version\n"
    "On-screen Japanese handwriting input pad for X11.\n"
    "  -s               start with the soft keyboard instead of the pad\n"
    "  -b R G B         background colour of the windows, three values from 0 to 255\n"
    "  --display NAME   the X display to use (and the other GTK options)\n"
    "  --help           print this text and exit\n"
    "  --version        print the version and exit\n"
    "Settings, the user dictionary and the learning file are in ~/.ZkCrec; see sorenix(1).\n";

CommandLine ReadCommandLine(int argc, char** argv, std::string* unknown) {
  unknown->clear();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i] ? argv[i] : "";
    if (arg == "--help") return CommandLine::kHelp;
    if (arg == "--version") return CommandLine::kVersion;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i] ? argv[i] : "";
    if (arg.size() < 2 || arg[0] != '-' || arg.compare(0, 2, "-s") == 0) continue;
    if (arg.compare(0, 2, "-b") == 0) {
      long value;
      for (int k = 0; k < 3 && i + 1 < argc && DecimalArg(argv[i + 1], &value); ++k) ++i;
      continue;
    }
    *unknown = arg;
    return CommandLine::kUnknown;
  }
  return CommandLine::kRun;
}
