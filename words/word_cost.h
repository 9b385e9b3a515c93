// How well a text reads as words: MeCab's cost of its best analysis with the IPA
// dictionary (lower reads better).
#pragma once

#include <memory>
#include <string>

class WordCost {
 public:
  // Opens MeCab with the IPA dictionary the Debian packages install (the UTF-8 one
  // when present, else the one /etc/mecabrc names; SORENIX_WORD_DIC names another
  // directory). Null, with `why` set, when
  // MeCab or the dictionary cannot be loaded.
  static std::unique_ptr<WordCost> Open(std::string* why);
  ~WordCost();
  WordCost(const WordCost&) = delete;
  WordCost& operator=(const WordCost&) = delete;

  // Cost of the best analysis of UTF-8 text; text that does not convert to the
  // dictionary's character set costs kUnreadable. May be called from several threads
  // at once.
  long Of(const std::string& utf8) const;
  static constexpr long kUnreadable = 1000000;

 private:
  struct Impl;
  explicit WordCost(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The program's one word model, opened on first use. Null when it cannot be loaded;
// then one line says so on standard error, once.
const WordCost* SharedWordCost();
