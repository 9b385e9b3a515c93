// Sentence splitting and the set of sentences already counted.
#include "sentences.h"

#include "codes.h"

namespace {

bool EndsSentence(uint16_t code) {
  return code == 0x8142 || code == 0x8144 || code == 0x8148 || code == 0x8149;  // 。 ． ？ ！
}

bool IsSpace(uint32_t cp) { return cp == ' ' || cp == '\t' || cp == '\r' || cp == '\f' || cp == '\v'; }

void Push(CodeString* sentence, uint16_t code) {
  if (code == kCodeBreak && (sentence->empty() || sentence->back() == kCodeBreak)) return;
  sentence->push_back(code);
}

void Finish(CodeString* sentence, std::vector<CodeString>* out) {
  while (!sentence->empty() && sentence->back() == kCodeBreak) sentence->pop_back();
  if (HasJapanese(*sentence)) out->push_back(*sentence);
  sentence->clear();
}

}  // namespace

bool HasJapanese(const CodeString& codes) {
  for (uint16_t code : codes) {
    const uint32_t cls = ZkCheckJisyu(code);
    if (cls == kClassKanji || cls == kClassHiragana || cls == kClassKatakana) return true;
  }
  return false;
}

std::vector<CodeString> SplitSentences(const std::string& paragraph, const TextCoder& coder) {
  std::vector<CodeString> sentences;
  CodeString sentence;
  uint32_t previous = 0;   // the last character before a pending line end
  bool lineEnd = false;
  size_t pos = 0;
  while (pos < paragraph.size()) {
    const uint32_t cp = NextCodepoint(paragraph, &pos);
    if (cp == '\n') {
      lineEnd = true;
      continue;
    }
    if (lineEnd) {
      lineEnd = false;
      if (previous < 0x80 || cp < 0x80) Push(&sentence, kCodeBreak);
    }
    previous = cp;
    const uint16_t code = IsSpace(cp) ? kCodeBreak : coder.CodeOf(cp);
    Push(&sentence, code);
    if (EndsSentence(code)) Finish(&sentence, &sentences);
  }
  Finish(&sentence, &sentences);
  return sentences;
}

bool SentenceSet::Insert(const CodeString& sentence) {
  return seen_.emplace(reinterpret_cast<const char*>(sentence.data()), sentence.size() * sizeof(uint16_t)).second;
}
