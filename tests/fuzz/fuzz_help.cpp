// Fuzz target: arbitrary bytes as the help file; every topic reads without a crash,
// within the reader's bounds, and as UTF-8 the viewer can show.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "dialogs/helpfile.h"

namespace {

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (int n = 0; n <= kHelpTopics + 1; ++n) {
    std::istringstream in(bytes);
    const HelpTopic topic = ReadHelpTopic(in, n);
    if (topic.lines.size() > kHelpMaxBodyLines || !ValidUtf8(topic.title)) std::abort();
    for (const std::string& line : topic.lines)
      if (line.size() > 3 * kHelpMaxLineBytes || !ValidUtf8(line)) std::abort();
  }
  return 0;
}
