// Drawing the key pictures into XPM data: a one-pixel outline with cut corners, a
// bevel (light above and left, dark below and right; the other way round when sunken)
// and a softly graded face.
#include "ui/keypics.h"

#include "ui/colors.h"

#include <array>
#include <cstdio>
#include <map>
#include <memory>

namespace {

struct SizeRange {
  int first, last, width, height;
};

constexpr SizeRange kSizes[] = {
    {0, 4, 35, 35},    {5, 6, 40, 35},    {7, 8, 50, 35},    {9, 10, 87, 35},
    {11, 12, 277, 35}, {13, 14, 60, 35},  {15, 16, 80, 35},  {17, 18, 105, 35},
    {19, 20, 50, 35},  {21, 22, 75, 35},  {23, 24, 84, 40},  {25, 26, 85, 45},
    {27, 28, 85, 98},  {29, 31, 40, 45},  {32, 32, 30, 23},  {33, 33, 152, 23},
    {34, 35, 261, 45}, {36, 37, 60, 45},  {38, 39, 85, 45},  {40, 41, 105, 45},
    {42, 45, 40, 45},  {46, 47, 40, 40},  {48, 49, 60, 35},  {50, 52, 26, 30},
    {53, 54, 30, 30},  {55, 56, 42, 23},  {57, 58, 40, 35},  {59, 60, 60, 25},
    {61, 62, 140, 25}, {63, 64, 100, 25}, {65, 66, 24, 25},  {67, 67, 60, 25},
    {68, 69, 75, 75},  {70, 71, 38, 35},  {72, 75, 40, 40},  {76, 77, 84, 40},
    {78, 80, 60, 40},  {81, 82, 23, 20},  {83, 87, 20, 23},  {88, 89, 42, 23},
    {90, 91, 30, 23},  {92, 93, 42, 23},  {94, 95, 54, 23},  {96, 97, 42, 47},
    {98, 98, 152, 23},
};

// The pressed faces: each is the sunken partner of the face before it, or of the
// faces that name it as their pressed look (0, 2, 3, 4 press as 1; 32 and 90 as 91;
// 98 as 33; 29 and 31 as 30; 72..74 as 75; 78 and 80 as 79; 83..86 as 87).
constexpr int kSunken[] = {1,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30,
                           33, 35, 37, 39, 41, 43, 45, 47, 49, 51, 54, 56, 58, 60,
                           62, 64, 66, 69, 71, 75, 77, 79, 82, 87, 89, 91, 93, 95, 97};

constexpr uint32_t kTransparent = 0xFF000000u;

struct Palette {
  uint32_t outline;
  uint32_t upperOuter, upperInner;  // bevel above and left
  uint32_t lowerOuter, lowerInner;  // bevel below and right
  uint32_t faceTop, faceBottom;     // graded face
  uint32_t mark;                    // the shrink mark of the title-strip key
};

constexpr Palette kRaised = {0x5A5A5A, 0xFFFFFF, 0xF0F0EC, 0x6E6E6A, 0x9C9C98,
                             0xE6E6E0, 0xC8C8C1, 0x004444};
// Symbol and digit keys (face 52): the same key in a cooler grey.
constexpr Palette kRaisedCool = {0x5A5A5A, 0xFFFFFF, 0xEEF2F6, 0x6A6E72, 0x98A0A6,
                                 0xE0E8EE, 0xC2CCD4, 0x004444};
// Sunken faces are dark so that the pressed text colour (olive on black) stands out.
constexpr Palette kSunkenPal = {0x202020, 0x0E1212, 0x182020, 0x7A8282, 0x566060,
                                0x1E2626, 0x2C3434, 0x888800};

uint32_t Mix(uint32_t a, uint32_t b, int num, int den) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF);
    const int cb = static_cast<int>((b >> shift) & 0xFF);
    out |= static_cast<uint32_t>(ca + (cb - ca) * num / den) << shift;
  }
  return out;
}

class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w * h), 0) {}
  void Set(int x, int y, uint32_t c) {
    if (x >= 0 && x < w_ && y >= 0 && y < h_) px_[static_cast<size_t>(y * w_ + x)] = c;
  }
  uint32_t Get(int x, int y) const { return px_[static_cast<size_t>(y * w_ + x)]; }
  int width() const { return w_; }
  int height() const { return h_; }

 private:
  int w_, h_;
  std::vector<uint32_t> px_;
};

void PaintKey(Canvas& c, const Palette& p) {
  const int w = c.width(), h = c.height();
  const int bevel = (w < 24 || h < 24) ? 1 : 2;
  constexpr int kShades = 12;  // steps of the graded face
  for (int y = 0; y < h; ++y) {
    const int step = h > 1 ? y * (kShades - 1) / (h - 1) : 0;
    const uint32_t face = Mix(p.faceTop, p.faceBottom, step, kShades - 1);
    for (int x = 0; x < w; ++x) c.Set(x, y, face);
  }
  for (int i = 1; i <= bevel; ++i) {
    const uint32_t upper = i == 1 ? p.upperOuter : p.upperInner;
    const uint32_t lower = i == 1 ? p.lowerOuter : p.lowerInner;
    // Upper and left edges first; the lower and right ones win at the far corners.
    for (int x = i; x < w - i; ++x) c.Set(x, i, upper);
    for (int y = i; y < h - i; ++y) c.Set(i, y, upper);
    for (int x = i; x < w - i; ++x) c.Set(x, h - 1 - i, lower);
    for (int y = i + 1; y < h - i; ++y) c.Set(w - 1 - i, y, lower);
  }
  for (int x = 0; x < w; ++x) {
    c.Set(x, 0, p.outline);
    c.Set(x, h - 1, p.outline);
  }
  for (int y = 0; y < h; ++y) {
    c.Set(0, y, p.outline);
    c.Set(w - 1, y, p.outline);
  }
  c.Set(0, 0, kTransparent);
  c.Set(w - 1, 0, kTransparent);
  c.Set(0, h - 1, kTransparent);
  c.Set(w - 1, h - 1, kTransparent);
}

// The title-strip key: a small window outline with a thick bottom bar, "shrink".
void PaintShrinkMark(Canvas& c, uint32_t color) {
  const int x0 = (c.width() - 11) / 2, y0 = (c.height() - 9) / 2;
  for (int x = 0; x < 11; ++x) {
    c.Set(x0 + x, y0, color);
    c.Set(x0 + x, y0 + 7, color);
    c.Set(x0 + x, y0 + 8, color);
  }
  for (int y = 0; y < 9; ++y) {
    c.Set(x0, y0 + y, color);
    c.Set(x0 + 10, y0 + y, color);
  }
}

std::vector<std::string> ToXpm(const Canvas& c) {
  // XPM colour keys, one character per pixel; no '"' or '\\'.
  static const char kKeys[] =
      ".#$%&'()*+,-/0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{|}~";
  std::map<uint32_t, char> keys;
  keys[kTransparent] = ' ';
  size_t next = 0;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      const uint32_t px = c.Get(x, y);
      if (!keys.count(px)) keys[px] = kKeys[next++ % (sizeof kKeys - 1)];
    }
  std::vector<std::string> lines;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d %d %zu 1", c.width(), c.height(), keys.size());
  lines.emplace_back(buf);
  for (const auto& [color, key] : keys) {
    if (color == kTransparent)
      std::snprintf(buf, sizeof buf, "%c c None", key);
    else
      std::snprintf(buf, sizeof buf, "%c c #%06X", key, color);
    lines.emplace_back(buf);
  }
  for (int y = 0; y < c.height(); ++y) {
    std::string row(static_cast<size_t>(c.width()), ' ');
    for (int x = 0; x < c.width(); ++x) row[static_cast<size_t>(x)] = keys[c.Get(x, y)];
    lines.push_back(std::move(row));
  }
  return lines;
}

struct Picture {
  std::vector<std::string> lines;
  std::vector<const char*> pointers;
};

const Picture* BuildPicture(int index) {
  static std::array<std::unique_ptr<Picture>, kFaceCount> cache;
  if (index < 0 || index >= kFaceCount) return nullptr;
  if (!cache[static_cast<size_t>(index)]) {
    const KeySize size = KeyPictureSize(index);
    Canvas canvas(size.width, size.height);
    const Palette& pal = IsSunkenFace(index) ? kSunkenPal : index == 52 ? kRaisedCool : kRaised;
    PaintKey(canvas, pal);
    if (index == 81 || index == 82) PaintShrinkMark(canvas, pal.mark);
    auto picture = std::make_unique<Picture>();
    picture->lines = ToXpm(canvas);
    for (const std::string& line : picture->lines) picture->pointers.push_back(line.c_str());
    cache[static_cast<size_t>(index)] = std::move(picture);
  }
  return cache[static_cast<size_t>(index)].get();
}

}  // namespace

KeySize KeyPictureSize(int index) {
  for (const SizeRange& r : kSizes)
    if (index >= r.first && index <= r.last) return {r.width, r.height};
  return {0, 0};
}

bool IsSunkenFace(int index) {
  for (int s : kSunken)
    if (s == index) return true;
  return false;
}

FaceTextColors TextColorsOn(int index) {
  if (IsSunkenFace(index)) return {kColorPressedText, kColorPressedShadow};
  return {kColorNormalText, kColorNormalShadow};
}

std::string ButtonXpmName(int index) {
  char name[16];
  std::snprintf(name, sizeof name, "btn%02d", index + 1);
  return name;
}

const char* const* ButtonXpm(int index) {
  const Picture* picture = BuildPicture(index);
  return picture ? picture->pointers.data() : nullptr;
}

const std::vector<std::string>& ButtonXpmLines(int index) {
  static const std::vector<std::string> none;
  const Picture* picture = BuildPicture(index);
  return picture ? picture->lines : none;
}
