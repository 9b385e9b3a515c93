// Gathering reference forms from both stroke sources.
#include "reference_set.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "char_map.h"
#include "codes.h"
#include "kanjivg_reader.h"
#include "rule_forms.h"
#include "stroke_text.h"

namespace {

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ListTextFiles(const std::string& dir, std::vector<std::string>* files, std::string* error) {
  DIR* d = opendir(dir.c_str());
  if (!d) {
    *error = dir + ": cannot read the directory";
    return false;
  }
  std::vector<std::string> names;
  while (const dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) names.push_back(name);
  }
  closedir(d);
  std::sort(names.begin(), names.end());
  for (const auto& name : names) files->push_back(dir + "/" + name);
  return true;
}

}  // namespace

bool LoadKanjiVgForms(const std::string& dir, bool withVariants, std::vector<ReferenceForm>* forms,
                      KanjiVgStats* stats, std::string* error) {
  std::vector<std::string> names;
  if (!ListKanjiVgFiles(dir, &names, error)) return false;
  for (const std::string& name : names) {
    KanjiVgName parsed;
    if (!ParseKanjiVgName(name, &parsed)) continue;
    ++stats->files;
    const uint16_t code = DictionaryCodeOf(parsed.codePoint);
    if (code == 0) {
      ++stats->notJis;
      continue;
    }
    const bool variant = !parsed.variant.empty();
    if (variant && !withVariants) {
      ++stats->variantsSkipped;
      continue;
    }
    ReferenceForm form;
    form.code = code;
    form.source = name;
    form.variant = variant;
    form.box = kKanjiVgBox;
    if (!ReadKanjiVgFile(dir + "/" + name, &form.strokes, error)) return false;
    forms->push_back(std::move(form));
    ++stats->used;
  }
  if (stats->files == 0) {
    *error = dir + ": no KanjiVG files (*.svg) found";
    return false;
  }
  return true;
}

std::vector<ReferenceForm> JoinedStrokeForms(const ReferenceForm& form, double maxGap) {
  std::vector<ReferenceForm> joined;
  const uint32_t cls = ZkCheckJisyu(form.code);
  if ((cls != kClassHiragana && cls != kClassKatakana) || RuleLargeFormOf(form.code) != 0) return joined;
  for (size_t i = 0; i + 1 < form.strokes.size(); ++i) {
    const Polyline& a = form.strokes[i];
    const Polyline& b = form.strokes[i + 1];
    if (a.empty() || b.empty() || std::hypot(b.front().x - a.back().x, b.front().y - a.back().y) > maxGap * form.box)
      continue;
    ReferenceForm f = form;
    f.variant = true;
    f.joined = true;
    f.joinedAt = static_cast<int>(i);
    f.source = form.source + " joined " + std::to_string(i + 1) + "+" + std::to_string(i + 2);
    f.strokes[i].insert(f.strokes[i].end(), b.begin(), b.end());
    f.strokes.erase(f.strokes.begin() + static_cast<long>(i) + 1);
    joined.push_back(std::move(f));
  }
  return joined;
}

bool LoadStrokeTextForms(const std::vector<std::string>& paths, std::vector<ReferenceForm>* forms,
                         std::string* error) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    if (IsDirectory(path)) {
      if (!ListTextFiles(path, &files, error)) return false;
    } else {
      files.push_back(path);
    }
  }
  for (const std::string& file : files) {
    std::vector<StrokeTextChar> chars;
    if (!ReadStrokeTextFile(file, &chars, error)) return false;
    // The first block of a code in a file is its standard form, later ones variants.
    std::vector<uint16_t> seen;
    for (StrokeTextChar& ch : chars) {
      ReferenceForm form;
      form.code = ch.code;
      const size_t slash = file.find_last_of('/');
      form.source = (slash == std::string::npos ? file : file.substr(slash + 1)) + ":" + std::to_string(ch.line);
      form.variant = std::find(seen.begin(), seen.end(), ch.code) != seen.end();
      seen.push_back(ch.code);
      form.box = kStrokeTextBox;
      form.handMade = true;
      form.strokes = std::move(ch.strokes);
      forms->push_back(std::move(form));
    }
  }
  return true;
}
