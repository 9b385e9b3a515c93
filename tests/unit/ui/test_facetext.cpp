// Face-text parsing: index, items, the small-font switch and templates.
#include <gtest/gtest.h>

#include "ui/facetext.h"

namespace {

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
