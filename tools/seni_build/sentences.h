// Cutting paragraphs of source text into sentences of codes, and keeping each
// distinct sentence once (manuals repeat their boilerplate many times).
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "text_coder.h"

// The sentences of a paragraph, each ending after 。 ． ？ or ！ (ASCII forms
// included) or at the paragraph's end. A line end joins two lines directly when
// the characters on both sides are not ASCII (Japanese text is broken anywhere),
// otherwise it separates like a space. Breaks are collapsed and trimmed; sentences
// without any kana or kanji are left out.
std::vector<CodeString> SplitSentences(const std::string& paragraph, const TextCoder& coder);

// True when the codes hold a hiragana, katakana or kanji.
bool HasJapanese(const CodeString& codes);

class SentenceSet {
 public:
  // True when the sentence was not seen before.
  bool Insert(const CodeString& sentence);
  size_t size() const { return seen_.size(); }

 private:
  std::unordered_set<std::string> seen_;
};
