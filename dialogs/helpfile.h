// The help file "Help.dat": fifteen topics in EUC-JP, separated by empty lines. A
// topic's first line is its title; a body line starting with "$" stands for an empty
// line inside the body. The reader turns a topic into UTF-8 for the viewer and keeps
// whatever it can read of a damaged file.
#pragma once

#include <istream>
#include <string>
#include <vector>

constexpr int kHelpTopics = 15;
// Names of the topic keys, in the order of the topics in the file.
extern const char* const kHelpTopicNames[kHelpTopics];

// Bytes kept of one line (the rest of a longer line is dropped) and body lines kept of
// one topic, so that a damaged file cannot make the viewer hold a whole disk.
constexpr size_t kHelpMaxLineBytes = 4096;
constexpr size_t kHelpMaxBodyLines = 2000;
// Largest help file read: the installed one is under 10 KB; a hundred times that
// leaves room for any translation, and a larger file is not help text.
constexpr size_t kHelpMaxFileBytes = 1 << 20;

struct HelpTopic {
  bool found = false;              // the file has a topic at that place
  std::string title;               // UTF-8, without line end
  std::vector<std::string> lines;  // UTF-8 body lines; "" is an empty line
};

// Topic n (1-based) of the help text in `in`. A topic beyond the file is not found and
// empty. Lines are read whole, whatever their length.
HelpTopic ReadHelpTopic(std::istream& in, int n);
// The same from a file; false when the file does not open or is larger than
// kHelpMaxFileBytes (then *tooLarge, when given, is set and nothing is read).
bool LoadHelpTopic(const std::string& path, int n, HelpTopic* topic, bool* tooLarge = nullptr);

// UTF-8 of EUC-JP text in which bytes that are not EUC-JP, and codes without a
// character, each become "〓".
std::string EucToUtf8Readable(const std::string& euc);
