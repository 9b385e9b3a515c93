// MeCab behind WordCost. The dictionary's character set decides whether the text goes
// in as UTF-8 or EUC-JP (the Debian packages ship both builds of the IPA dictionary).
#include "word_cost.h"

#include <mecab.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <strings.h>
#include <vector>

#include "textconv.h"

namespace {

// The UTF-8 build of the IPA dictionary as Debian lays it out.
constexpr const char* kUtf8Dictionary = "/var/lib/mecab/dic/ipadic-utf8";

bool IsDirectory(const char* path) {
  struct stat st {};
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// A tagger and its lattice: one call's working state.
struct Parser {
  std::unique_ptr<MeCab::Tagger> tagger;
  std::unique_ptr<MeCab::Lattice> lattice;
};

}  // namespace

struct WordCost::Impl {
  std::unique_ptr<MeCab::Model> model;
  bool euc = false;
  // Parsers not in use: calls on several threads at once each take one (made when
  // none is free), sharing the model.
  std::mutex mutex;
  std::vector<Parser> idle;

  Parser Take() {
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (!idle.empty()) {
        Parser p = std::move(idle.back());
        idle.pop_back();
        return p;
      }
    }
    return Parser{std::unique_ptr<MeCab::Tagger>(model->createTagger()),
                  std::unique_ptr<MeCab::Lattice>(model->createLattice())};
  }
  void Give(Parser p) {
    std::lock_guard<std::mutex> lock(mutex);
    idle.push_back(std::move(p));
  }
};

WordCost::WordCost(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
WordCost::~WordCost() = default;

std::unique_ptr<WordCost> WordCost::Open(std::string* why) {
  auto impl = std::make_unique<Impl>();
  // An empty resource file keeps a user's ~/.mecabrc (another dictionary, another
  // output format) out of the costs; without the UTF-8 build, /etc/mecabrc names one.
  // SORENIX_WORD_DIC names another dictionary directory (for a dictionary built by
  // hand, or none at all).
  const char* chosen = std::getenv("SORENIX_WORD_DIC");
  if (chosen == nullptr && IsDirectory(kUtf8Dictionary)) chosen = kUtf8Dictionary;
  const std::string args = chosen ? std::string("-r /dev/null -d ") + chosen : std::string("-r /etc/mecabrc");
  impl->model.reset(MeCab::createModel(args.c_str()));
  if (!impl->model) {
    if (why) *why = MeCab::getLastError() ? MeCab::getLastError() : "MeCab cannot load its dictionary";
    return nullptr;
  }
  Parser first = impl->Take();
  if (!first.tagger || !first.lattice) {
    if (why) *why = "MeCab cannot start a tagger";
    return nullptr;
  }
  impl->Give(std::move(first));
  const MeCab::DictionaryInfo* info = impl->model->dictionary_info();
  impl->euc = info && info->charset &&
              (strcasecmp(info->charset, "euc-jp") == 0 || strcasecmp(info->charset, "eucjp") == 0);
  return std::unique_ptr<WordCost>(new WordCost(std::move(impl)));
}

long WordCost::Of(const std::string& utf8) const {
  std::string text = utf8;
  if (impl_->euc && !Utf8ToEuc(utf8, &text)) return kUnreadable;
  if (text.empty()) return 0;
  Parser parser = impl_->Take();
  if (!parser.tagger || !parser.lattice) return kUnreadable;
  MeCab::Lattice* lattice = parser.lattice.get();
  lattice->set_sentence(text.c_str());
  long cost = kUnreadable;
  if (parser.tagger->parse(lattice)) {
    const MeCab::Node* eos = lattice->eos_node();
    if (eos) cost = eos->cost;
  }
  impl_->Give(std::move(parser));
  return cost;
}

const WordCost* SharedWordCost() {
  static const std::unique_ptr<WordCost> shared = [] {
    std::string why;
    std::unique_ptr<WordCost> opened = WordCost::Open(&why);
    if (!opened)
      std::fprintf(stderr, "no word dictionary (MeCab with mecab-ipadic-utf8): rows are read without word "
                           "rescoring (%s)\n", why.c_str());
    return opened;
  }();
  return shared.get();
}
