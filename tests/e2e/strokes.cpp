// e2e_strokes: the strokes of a real character, from its KanjiVG file, as pixel points
// on the screen, for the end-to-end tests to draw with xdotool. One stroke per line:
// "x,y x,y ...".  Usage: e2e_strokes KANJIVG_DIR CHARACTER LEFT TOP SIZE
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kanjivg_reader.h"
#include "pen_trace.h"

namespace {

// The code point of the first UTF-8 character of text; 0 when malformed.
uint32_t FirstCodePoint(const std::string& text) {
  if (text.empty()) return 0;
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
  if (length == 0 || text.size() < static_cast<size_t>(length)) return 0;
  uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  return cp;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: e2e_strokes KANJIVG_DIR CHARACTER LEFT TOP SIZE\n");
    return 2;
  }
  const uint32_t cp = FirstCodePoint(argv[2]);
  char name[16];
  std::snprintf(name, sizeof name, "%05x.svg", cp);
  StrokeList strokes;
  std::string error;
  if (cp == 0 || !ReadKanjiVgFile(std::string(argv[1]) + "/" + name, &strokes, &error)) {
    std::fprintf(stderr, "e2e_strokes: %s\n", error.empty() ? "not a character" : error.c_str());
    return 1;
  }
  TraceOptions options;
  options.box = kKanjiVgBox;
  options.left = std::atof(argv[3]);
  options.top = std::atof(argv[4]);
  options.size = std::atof(argv[5]);
  options.spacing = 4;
  for (const PixelStroke& stroke : TraceStrokes(strokes, options)) {
    for (size_t i = 0; i < stroke.size(); ++i)
      std::printf("%s%d,%d", i ? " " : "", stroke[i].x, stroke[i].y);
    std::printf("\n");
  }
  return 0;
}
