// Where the pad's tests with the real engine find the built dictionaries and the
// KanjiVG strokes; empty paths when the build has no data (the tests then skip).
#pragma once

#include <sys/stat.h>

#include <string>

#ifdef SORENIX_SYSTEM_DIC
inline const std::string kSystemDic = SORENIX_SYSTEM_DIC;
#else
inline const std::string kSystemDic;
#endif
#ifdef SORENIX_TRANSITIONS
inline const std::string kTransitions = SORENIX_TRANSITIONS;
#else
inline const std::string kTransitions;
#endif
#ifdef SORENIX_KANJIVG
inline const std::string kKanjiVg = SORENIX_KANJIVG;
#else
inline const std::string kKanjiVg;
#endif

inline bool Exists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0;
}
