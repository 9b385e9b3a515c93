// Face texts: the one-line description of a key face. A face index, then after ";"
// items of x:y:text separated by single spaces; "*" before an item selects the small
// font for it and every later item ("83;*2:12:Pri 4:20:nt").
#pragma once

#include <string>
#include <vector>

struct FaceItem {
  int x;             // origin of the first character in the face picture
  int y;             // text baseline
  bool small;        // 9-pixel font instead of the 14-pixel one
  std::string text;  // may hold ":" and "*", never a space
};

struct FaceText {
  bool valid;        // false when the text does not begin with a face index 0..98
  int index;
  std::vector<FaceItem> items;
  int skipped;       // malformed items left out
};

FaceText ParseFaceText(const char* face);

// The face with its first two characters replaced by `style` (the "51%s" template
// applied to the text from its third character): the pressed or released variant.
std::string ReplaceFaceStyle(const std::string& face, const char* style);
