// Reading the word list's surface forms.
#include "word_list.h"

#include <set>

#include "source_file.h"

std::string WordOfLine(const std::string& line) {
  const size_t comma = line.find(',');
  return comma == std::string::npos ? std::string() : line.substr(0, comma);
}

bool ReadWordList(const std::string& directory, std::vector<CodeString>* words, std::string* error) {
  const std::vector<std::string> files = ListSourceFiles(directory, ".csv");
  if (files.empty()) {
    *error = "no word list (*.csv) under " + directory;
    return false;
  }
  std::set<std::string> seen;
  std::string text;
  for (const std::string& path : files) {
    if (!ReadSourceFile(path, &text)) {
      *error = "cannot read " + path;
      return false;
    }
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string::npos) end = text.size();
      const std::string word = WordOfLine(text.substr(pos, end - pos));
      pos = end + 1;
      if (word.size() >= 2 && seen.insert(word).second) words->push_back(EucToCodes(word));
    }
  }
  return true;
}
