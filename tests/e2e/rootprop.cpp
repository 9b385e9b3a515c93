// rootprop NAME TYPE FORMAT VALUE...: writes a property of the root window with raw
// numbers as its values (xprop writes only atoms that exist, by name).
#include <X11/Xlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: rootprop NAME TYPE FORMAT VALUE...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Atom name = XInternAtom(display, argv[1], False);
  const Atom type = XInternAtom(display, argv[2], False);
  const int format = std::atoi(argv[3]);
  const int n = argc - 4;
  // Xlib takes format 32 values as longs, 16 as shorts, 8 as chars.
  std::vector<long> longs;
  std::vector<int16_t> shorts;
  std::vector<char> chars;
  for (int i = 4; i < argc; ++i) {
    const unsigned long v = std::strtoul(argv[i], nullptr, 0);
    longs.push_back(static_cast<long>(v));
    shorts.push_back(static_cast<int16_t>(v));
    chars.push_back(static_cast<char>(v));
  }
  const unsigned char* data = format == 32   ? reinterpret_cast<const unsigned char*>(longs.data())
                              : format == 16 ? reinterpret_cast<const unsigned char*>(shorts.data())
                                             : reinterpret_cast<const unsigned char*>(chars.data());
  XChangeProperty(display, DefaultRootWindow(display), name, type, format, PropModeReplace, data, n);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
