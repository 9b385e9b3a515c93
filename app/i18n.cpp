// Catalogue look-ups and the conversion of their texts to EUC-JP.
#include "app/i18n.h"

#include <libintl.h>

#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "textconv.h"

const char* Msg(const char* literal) { return dgettext(kTextDomain, literal); }

const char* InternText(const std::string& text) {
  // Node-based set: element addresses stay valid while it grows.
  static std::unordered_set<std::string> pool;
  return pool.insert(text).first->c_str();
}

const char* MsgEuc(const char* literal) {
  static std::unordered_map<std::string, const char*> cache;
  const char* utf8 = Msg(literal);
  auto found = cache.find(utf8);
  if (found != cache.end()) return found->second;
  std::string euc;
  if (!Utf8ToEuc(utf8, &euc)) {
    // Keep the text as it is: its index part and ASCII items still work.
    std::fprintf(stderr, "sorenix: no EUC-JP form for \"%s\"\n", utf8);
    euc = utf8;
  }
  const char* kept = InternText(euc);
  cache.emplace(utf8, kept);
  return kept;
}
