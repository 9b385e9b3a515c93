// A forgiving HTML text extractor for generated documentation pages.
#include "html_text.h"

#include <cstdint>
#include <cctype>
#include <cstdlib>
#include <set>

#include "textconv.h"

namespace {

// Decodes the entity starting at html[pos] == '&'; returns the position after it,
// or pos + 1 (keeping the '&') when it is not an entity.
size_t DecodeEntity(const std::string& html, size_t pos, std::string* out) {
  const size_t semi = html.find(';', pos);
  if (semi == std::string::npos || semi - pos > 10) {
    out->push_back('&');
    return pos + 1;
  }
  const std::string name = html.substr(pos + 1, semi - pos - 1);
  if (!name.empty() && name[0] == '#') {
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    const std::string digits = name.substr(hex ? 2 : 1);
    char* end = nullptr;
    const unsigned long cp = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
    if (digits.empty() || *end != '\0') {
      out->push_back('&');
      return pos + 1;
    }
    out->append(Utf8FromCodePoint(static_cast<uint32_t>(cp)));
    return semi + 1;
  }
  static const struct {
    const char* name;
    const char* text;
  } kNamed[] = {{"amp", "&"},   {"lt", "<"},      {"gt", ">"},      {"quot", "\""},   {"apos", "'"},
                {"nbsp", " "},  {"copy", "©"},    {"mdash", "—"},   {"ndash", "-"},   {"hellip", "…"},
                {"lsquo", "‘"}, {"rsquo", "’"},   {"ldquo", "“"},   {"rdquo", "”"},   {"times", "×"}};
  for (const auto& n : kNamed)
    if (name == n.name) {
      out->append(n.text);
      return semi + 1;
    }
  out->push_back(' ');  // an entity this reader does not know
  return semi + 1;
}

// Elements that start and end a block of text.
const std::set<std::string>& BlockElements() {
  static const std::set<std::string> kBlocks = {
      "p",      "div",   "br",      "hr",       "h1",     "h2",      "h3",     "h4",         "h5",
      "h6",     "li",    "ul",      "ol",       "dl",     "dt",      "dd",     "table",      "tr",
      "td",     "th",    "thead",   "tbody",    "tfoot",  "caption", "blockquote", "title", "body",
      "html",   "section", "nav",   "header",   "footer", "aside",   "figure", "figcaption", "form",
      "address", "center", "article", "main",   "option", "select",  "img",    "button",     "label"};
  return kBlocks;
}

// Elements whose content is not running text.
const std::set<std::string>& SkippedElements() {
  static const std::set<std::string> kSkipped = {"head", "script", "style", "pre", "textarea", "svg", "math"};
  return kSkipped;
}

// The end of a tag starting at html[pos] == '<', past quoted attribute values.
size_t TagEnd(const std::string& html, size_t pos) {
  char quote = 0;
  for (size_t i = pos + 1; i < html.size(); ++i) {
    const char c = html[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i;
    }
  }
  return html.size();
}

std::string TagName(const std::string& tag) {
  size_t pos = 1;
  if (pos < tag.size() && tag[pos] == '/') ++pos;
  std::string name;
  while (pos < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[pos])) != 0))
    name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(tag[pos++]))));
  return name;
}

}  // namespace

std::vector<std::string> HtmlParagraphs(const std::string& html) {
  std::vector<std::string> paragraphs;
  std::string current;
  auto flush = [&]() {
    if (current.find_first_not_of(" \t\n") != std::string::npos) paragraphs.push_back(current);
    current.clear();
  };
  std::string skipping;  // the element whose content is being dropped
  size_t pos = 0;
  while (pos < html.size()) {
    const char c = html[pos];
    if (c == '<') {
      if (html.compare(pos, 4, "<!--") == 0) {
        const size_t end = html.find("-->", pos + 4);
        pos = end == std::string::npos ? html.size() : end + 3;
        continue;
      }
      if (html.compare(pos, 9, "<![CDATA[") == 0) {
        const size_t end = html.find("]]>", pos + 9);
        pos = end == std::string::npos ? html.size() : end + 3;
        continue;
      }
      const size_t end = TagEnd(html, pos);
      const std::string tag = html.substr(pos, end - pos + 1);
      pos = end + 1;
      const std::string name = TagName(tag);
      const bool closing = tag.size() > 1 && tag[1] == '/';
      const bool selfClosing = tag.size() > 2 && tag[tag.size() - 2] == '/';
      if (!skipping.empty()) {
        if (closing && name == skipping) skipping.clear();
        continue;
      }
      if (!closing && !selfClosing && SkippedElements().count(name)) {
        flush();
        skipping = name;
        continue;
      }
      if (BlockElements().count(name)) flush();
      continue;
    }
    if (!skipping.empty()) {
      ++pos;
      continue;
    }
    if (c == '&') {
      pos = DecodeEntity(html, pos, &current);
      continue;
    }
    current.push_back(c == '\r' ? '\n' : c);
    ++pos;
  }
  flush();
  return paragraphs;
}
