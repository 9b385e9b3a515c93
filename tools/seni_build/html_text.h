// The running text of an HTML page: tags removed, entities decoded, the head,
// scripts, styles and preformatted blocks dropped, cut into paragraphs at
// block-level elements.
#pragma once

#include <string>
#include <vector>

// Paragraphs of the page's text in UTF-8; line ends of the source stay as '\n'.
std::vector<std::string> HtmlParagraphs(const std::string& html);
