// The generated key pictures (XPM well-formedness at their sizes, readable face
// text) and the parsing of face texts: index, items, the small-font switch, templates.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "ui/colors.h"
#include "ui/facetext.h"
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

TEST(KeyPictures, EveryPictureIsWellFormedXpmAndItsTextColourStandsOut) {
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

  // Whatever state a key is drawn in, its text keeps well apart from the face under
  // it: dark text on a light face, light text on a dark one.
  for (int i = 0; i < kFaceCount; ++i) {
    const int face = FaceBrightness(Decode(i)) / 3;
    const int text = static_cast<int>((ColorRgb(TextColorsOn(i).text) >> 8) & 0xFF);
    EXPECT_GT(std::abs(face - text), 60) << "face " << i;
  }
}

// Items written back as "x:y:text", with a leading '*' for the small font.
std::string Items(const FaceText& f) {
  std::string out;
  for (const auto& item : f.items)
    out += std::string(out.empty() ? "" : " ") + (item.small ? "*" : "") + std::to_string(item.x) + ":" +
           std::to_string(item.y) + ":" + item.text;
  return out;
}

TEST(FaceText, IndexItemsAndTheSmallFontSwitch) {
  const struct {
    const char* text;
    int index;
    const char* items;
    int skipped;
  } cases[] = {
      {"53", 53, "", 0},
      {"51%s", 51, "", 0},  // a template
      {"  7;1:2:x", 7, "1:2:x", 0},
      {"84;*4:15:F1", 84, "*4:15:F1", 0},
      {"2;8:28:1 21:19:!", 2, "8:28:1 21:19:!", 0},
      {"3;8:29:: 21:19:*", 3, "8:29:: 21:19:*", 0},  // "*" as text, not as the font switch
      {"0;1:2:a:b*c", 0, "1:2:a:b*c", 0},
      {"83;*2:12:Pri 4:20:nt", 83, "*2:12:Pri *4:20:nt", 0},  // the small font stays
      {"4;4:17:Pri *17:30:nt 1:2:x", 4, "4:17:Pri *17:30:nt *1:2:x", 0},
      {"48;7:15:マウス 14:30:入力", 48, "7:15:マウス 14:30:入力", 0},
      // "21:23:" has no text; "x:1:y" and "5:6" are malformed.
      {"2;8:28:2 21:23: x:1:y 5:6 7:8:ok", 2, "8:28:2 7:8:ok", 2},
      {"1;-3:+4:t", 1, "-3:4:t", 0},
      {"98", 98, "", 0},
  };
  for (const auto& c : cases) {
    const FaceText f = ParseFaceText(c.text);
    ASSERT_TRUE(f.valid) << c.text;
    EXPECT_EQ(f.index, c.index) << c.text;
    EXPECT_EQ(Items(f), c.items) << c.text;
    EXPECT_EQ(f.skipped, c.skipped) << c.text;
  }
  for (const char* bad : {"99", "-1", ";1:2:x", "", static_cast<const char*>(nullptr)})
    EXPECT_FALSE(ParseFaceText(bad).valid) << (bad ? bad : "null");
}

}  // namespace
