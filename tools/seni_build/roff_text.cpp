// A small roff reader: enough of the man and tbl conventions to keep what a
// reader of a manual page sees as running text and drop everything else.
#include "roff_text.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "textconv.h"

namespace {

// Skips the name after \f, \*, \n, \s and similar escapes: one character,
// "(xx" or "[name]". Returns the position after it.
size_t SkipName(const std::string& s, size_t pos, std::string* name = nullptr) {
  if (pos >= s.size()) return pos;
  if (s[pos] == '(') {
    if (name) *name = s.substr(pos + 1, 2);
    return std::min(s.size(), pos + 3);
  }
  if (s[pos] == '[') {
    const size_t close = s.find(']', pos);
    if (close == std::string::npos) return s.size();
    if (name) *name = s.substr(pos + 1, close - pos - 1);
    return close + 1;
  }
  if (name) *name = s.substr(pos, 1);
  return pos + 1;
}

// Skips a delimited argument such as 'N' in \h'N'.
size_t SkipDelimited(const std::string& s, size_t pos) {
  if (pos >= s.size()) return pos;
  const size_t close = s.find(s[pos], pos + 1);
  return close == std::string::npos ? s.size() : close + 1;
}

// Special characters that stand for ordinary punctuation; all others read as a space.
void AppendSpecial(const std::string& name, std::string* out) {
  if (name.size() == 5 && name[0] == 'u') {
    uint32_t cp = 0;
    for (size_t i = 1; i < 5; ++i) {
      const char c = name[i];
      cp = cp * 16 + (c >= '0' && c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    out->append(Utf8FromCodePoint(cp));
  } else if (name == "aq") {
    out->push_back('\'');
  } else if (name == "dq") {
    out->push_back('"');
  } else if (name == "hy" || name == "mi" || name == "en") {
    out->push_back('-');
  } else {
    out->push_back(' ');
  }
}

// Splits a macro's arguments: blanks separate them, double quotes group them.
std::vector<std::string> MacroArguments(const std::string& text) {
  std::vector<std::string> args;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    if (pos >= text.size()) break;
    std::string arg;
    if (text[pos] == '"') {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] == '"') {
          if (pos + 1 < text.size() && text[pos + 1] == '"') {
            arg.push_back('"');
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        arg.push_back(text[pos++]);
      }
    } else {
      while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t') arg.push_back(text[pos++]);
    }
    args.push_back(arg);
  }
  return args;
}

class RoffReader {
 public:
  std::vector<std::string> Read(const std::string& roff) {
    size_t pos = 0;
    while (pos < roff.size()) {
      size_t end = roff.find('\n', pos);
      if (end == std::string::npos) end = roff.size();
      Line(roff.substr(pos, end - pos));
      pos = end + 1;
    }
    Break();
    return std::move(paragraphs_);
  }

 private:
  void Break() {
    if (current_.find_first_not_of(" \n") != std::string::npos) paragraphs_.push_back(current_);
    current_.clear();
  }
  void Text(const std::string& text) {
    if (!current_.empty()) current_.push_back('\n');
    current_ += text;
    if (noFill_ || tagNext_) {
      tagNext_ = false;
      Break();
    }
  }

  void Line(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!skipUntil_.empty()) {
      if (line.compare(0, skipUntil_.size(), skipUntil_) == 0) skipUntil_.clear();
      return;
    }
    if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
      Request(line.substr(1));
      return;
    }
    if (line.find_first_not_of(" \t") == std::string::npos) {
      Break();
      return;
    }
    if (line[0] == ' ' || line[0] == '\t') Break();  // a leading blank starts a new line
    Text(RoffUnescape(line));
  }

  void Request(const std::string& rest) {
    size_t pos = rest.find_first_not_of(" \t");
    if (pos == std::string::npos) return;
    if (rest.compare(pos, 2, "\\\"") == 0 || rest.compare(pos, 2, "\\#") == 0) return;  // comment
    size_t nameEnd = rest.find_first_of(" \t", pos);
    if (nameEnd == std::string::npos) nameEnd = rest.size();
    const std::string name = rest.substr(pos, nameEnd - pos);
    const std::vector<std::string> args = MacroArguments(RoffUnescape(rest.substr(nameEnd)));

    static const std::set<std::string> kFontRuns = {"B", "I", "SM", "SB"};
    static const std::set<std::string> kAlternating = {"BR", "BI", "IB", "IR", "RB", "RI"};
    if (kFontRuns.count(name)) {
      std::string joined;
      for (const auto& a : args) joined += (joined.empty() ? "" : " ") + a;
      if (!joined.empty()) Text(joined);
    } else if (kAlternating.count(name)) {
      std::string joined;
      for (const auto& a : args) joined += a;
      if (!joined.empty()) Text(joined);
    } else if (name == "SH" || name == "SS") {
      Break();
      std::string joined;
      for (const auto& a : args) joined += (joined.empty() ? "" : " ") + a;
      if (!joined.empty()) Text(joined);
      Break();
    } else if (name == "TP" || name == "TQ") {
      Break();
      tagNext_ = true;
    } else if (name == "IP") {
      Break();
      if (!args.empty() && !args[0].empty()) Text(args[0]);
      Break();
    } else if (name == "nf" || name == "EX") {
      Break();
      noFill_ = true;
    } else if (name == "fi" || name == "EE") {
      Break();
      noFill_ = false;
    } else if (name == "TS") {
      Break();
      skipUntil_ = ".TE";
    } else if (name == "EQ") {
      Break();
      skipUntil_ = ".EN";
    } else if (name == "PS") {
      Break();
      skipUntil_ = ".PE";
    } else if (name == "de" || name == "de1" || name == "am" || name == "ig") {
      Break();
      skipUntil_ = "..";
    } else {
      Break();  // paragraphs, indents, titles and every request without text
    }
  }

  std::vector<std::string> paragraphs_;
  std::string current_;
  std::string skipUntil_;
  bool noFill_ = false;
  bool tagNext_ = false;
};

}  // namespace

std::string RoffUnescape(const std::string& line) {
  std::string out;
  size_t pos = 0;
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (pos >= line.size()) break;  // an escaped line end
    const char e = line[pos++];
    std::string name;
    switch (e) {
      case '"':
      case '#':
        return out;  // comment to the end of the line
      case 'f': case '*': case 'n': case 'g': case 'k': case 'F': case 'm': case 'M': case 'V': case 'Y':
        pos = SkipName(line, pos);
        break;
      case 's':
        if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) ++pos;
        if (pos < line.size() && line[pos] == '\'') {
          pos = SkipDelimited(line, pos);
        } else if (pos < line.size() && (line[pos] == '(' || line[pos] == '[')) {
          pos = SkipName(line, pos);
        } else {
          while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') ++pos;
        }
        break;
      case '(': case '[':
        pos = SkipName(line, pos - 1, &name);
        AppendSpecial(name, &out);
        break;
      case 'h': case 'v': case 'w': case 'l': case 'L': case 'o': case 'b': case 'x': case 'X': case 'D':
      case 'Z': case 'N': case 'R': case 'S': case 'H': case 'C': case 'A': case 'B': case 'O':
        pos = SkipDelimited(line, pos);
        break;
      case 'z':
        break;
      case '-':
        out.push_back('-');
        break;
      case 'e': case 'E': case '\\':
        out.push_back('\\');
        break;
      case ' ': case '~': case '0': case 't':
        out.push_back(' ');
        break;
      case '.': case '\'': case '`':
        out.push_back(e);
        break;
      default:
        break;  // \& \| \^ \% \c \: \/ \, \{ \} and the like print nothing
    }
  }
  return out;
}

std::vector<std::string> RoffParagraphs(const std::string& roff) { return RoffReader().Read(roff); }
