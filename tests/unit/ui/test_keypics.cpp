// The generated key pictures: XPM well-formedness at their sizes, readable face text.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "ui/colors.h"
#include "ui/keypics.h"

namespace {

struct Xpm {
  int width = 0, height = 0, colors = 0, cpp = 0;
  std::map<char, std::string> palette;
  std::vector<std::string> rows;
};

Xpm Decode(int index) {
  const std::vector<std::string>& lines = ButtonXpmLines(index);
  Xpm x;
  EXPECT_EQ(std::sscanf(lines.at(0).c_str(), "%d %d %d %d", &x.width, &x.height, &x.colors, &x.cpp), 4);
  for (int i = 1; i <= x.colors; ++i) {
    const std::string& line = lines.at(static_cast<size_t>(i));
    EXPECT_EQ(line.substr(1, 3), " c ") << line;
    x.palette[line[0]] = line.substr(4);
  }
  x.rows.assign(lines.begin() + 1 + x.colors, lines.end());
  return x;
}

// Mean brightness (0..765) of the face inside its bevel.
int FaceBrightness(const Xpm& x) {
  long sum = 0, n = 0;
  for (size_t y = 4; y + 4 < static_cast<size_t>(x.height); ++y)
    for (size_t c = 4; c + 4 < static_cast<size_t>(x.width); ++c) {
      unsigned rgb = 0;
      std::sscanf(x.palette.at(x.rows[y][c]).c_str(), "#%x", &rgb);
      sum += (rgb >> 16) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
      ++n;
    }
  return static_cast<int>(sum / n);
}

TEST(KeyPictures, EveryPictureIsWellFormedXpm) {
  for (int i = 0; i < kFaceCount; ++i) {
    const Xpm x = Decode(i);
    EXPECT_EQ(x.width, KeyPictureSize(i).width) << i;
    EXPECT_EQ(x.height, KeyPictureSize(i).height) << i;
    EXPECT_EQ(x.cpp, 1);
    ASSERT_EQ(static_cast<int>(x.rows.size()), x.height) << i;
    for (const std::string& row : x.rows) {
      ASSERT_EQ(static_cast<int>(row.size()), x.width) << i;
      for (char c : row) ASSERT_TRUE(x.palette.count(c)) << i << " key " << c;
    }
    EXPECT_EQ(x.palette.at(x.rows[0][0]), "None") << "corners are cut";
    EXPECT_NE(x.palette.at(x.rows[x.height / 2][x.width / 2]), "None");
    // The C-array form the toolkit reads holds the same lines.
    EXPECT_STREQ(ButtonXpm(i)[0], ButtonXpmLines(i)[0].c_str());
  }
  EXPECT_EQ(ButtonXpm(kFaceCount), nullptr);
  EXPECT_EQ(KeyPictureSize(kFaceCount).width, 0);
  EXPECT_EQ(KeyPictureSize(-1).width, 0);
}

TEST(KeyPictures, FaceTextColoursStandOut) {
  // Whatever state a key is drawn in, its text keeps well apart from the face under
  // it: dark text on a light face, light text on a dark one.
  for (int i = 0; i < kFaceCount; ++i) {
    const int face = FaceBrightness(Decode(i)) / 3;
    const int text = static_cast<int>((ColorRgb(TextColorsOn(i).text) >> 8) & 0xFF);
    EXPECT_GT(std::abs(face - text), 60) << "face " << i;
  }
}

}  // namespace
