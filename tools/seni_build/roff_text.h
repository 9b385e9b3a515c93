// The running text of a manual page: roff requests, macros and escapes removed,
// the text cut into paragraphs (headings, tags and paragraphs of their own).
#pragma once

#include <string>
#include <vector>

// Paragraphs of the page's text in UTF-8; the input lines a paragraph was filled
// from stay separated by '\n'.
std::vector<std::string> RoffParagraphs(const std::string& roff);

// One line of roff text with its escapes resolved (fonts, sizes, strings and
// motions removed, special characters replaced by a space); stops at a comment.
std::string RoffUnescape(const std::string& line);
