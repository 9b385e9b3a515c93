// seni-build: builds the character-transition table "Senijish.dat" from Japanese
// running text (manual pages, HTML documentation) and a word list.
// Usage: seni-build --output FILE --words DIR [--man DIR]... [--html FILE|DIR]...
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "html_text.h"
#include "pair_counts.h"
#include "roff_text.h"
#include "seni.h"
#include "seni_state.h"
#include "sentences.h"
#include "source_file.h"
#include "word_list.h"

namespace {

struct Options {
  std::string output;
  std::string words;
  std::vector<std::string> man;
  std::vector<std::string> html;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    if (arg == "--output")
      options->output = value;
    else if (arg == "--words")
      options->words = value;
    else if (arg == "--man")
      options->man.push_back(value);
    else if (arg == "--html")
      options->html.push_back(value);
    else
      return false;
  }
  return !options->output.empty() && !options->words.empty();
}

struct Corpus {
  TextCoder coder;
  SentenceSet seen;
  PairCounter counter;
  size_t files = 0;
  size_t sentences = 0;

  void AddParagraphs(const std::vector<std::string>& paragraphs) {
    for (const std::string& paragraph : paragraphs)
      for (const CodeString& sentence : SplitSentences(paragraph, coder)) {
        ++sentences;
        if (seen.Insert(sentence)) counter.AddSentence(sentence);
      }
  }

  // Reads every file of `paths` with the suffix; false when one cannot be read.
  template <typename Extract>
  bool AddFiles(const std::vector<std::string>& paths, const std::string& suffix, Extract extract) {
    std::string text;
    for (const std::string& path : paths)
      for (const std::string& file : ListSourceFiles(path, suffix)) {
        if (!ReadSourceFile(file, &text)) {
          std::fprintf(stderr, "seni-build: cannot read %s\n", file.c_str());
          return false;
        }
        AddParagraphs(extract(text));
        ++files;
      }
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: seni-build --output FILE --words DIR [--man DIR]... [--html FILE|DIR]...\n");
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  Corpus corpus;
  if (!corpus.AddFiles(options.man, "", RoffParagraphs) || !corpus.AddFiles(options.html, ".html", HtmlParagraphs))
    return 1;
  if (corpus.counter.TextPairs() == 0) {
    std::fprintf(stderr, "seni-build: no Japanese sentences in %zu source files\n", corpus.files);
    return 1;
  }
  std::vector<CodeString> words;
  std::string error;
  if (!ReadWordList(options.words, &words, &error)) {
    std::fprintf(stderr, "seni-build: %s\n", error.c_str());
    return 1;
  }
  for (const CodeString& word : words) corpus.counter.AddWord(word);

  TableFigures figures;
  const SeniTable table = corpus.counter.Build(SNmaprbl, &figures);
  if (!SeniWriteTable(options.output, table, &error)) {
    std::fprintf(stderr, "seni-build: %s\n", error.c_str());
    return 1;
  }
  // The table must load as the pad will load it.
  const int loaded = SeniJishoFrom(options.output, &error);
  SeniClose();
  if (loaded != kSeniLoaded) {
    std::fprintf(stderr, "seni-build: the written table does not load (%d): %s\n", loaded, error.c_str());
    std::remove(options.output.c_str());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf(
      "seni-build: %zu files, %zu sentences (%zu distinct), %zu words; %zu text pairs + %zu word pairs = "
      "%zu transitions from %zu characters; largest pair %lld, scale %.4f; %.1f s\n",
      corpus.files, corpus.sentences, corpus.seen.size(), words.size(), figures.textPairs, figures.wordPairs,
      table.transitions.size(), figures.fromEntries, static_cast<long long>(figures.largestPair), figures.scale,
      seconds);
  return 0;
}
