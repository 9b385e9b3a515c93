// KanjiVG files through pugixml: finds the StrokePaths group and flattens its paths.
#include "kanjivg_reader.h"

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include <pugixml.hpp>

#include "saferead.h"
#include "svg_path.h"

namespace {

bool IsStrokePathsGroup(const pugi::xml_node& node) {
  if (std::strcmp(node.name(), "g") != 0) return false;
  const char* id = node.attribute("id").value();
  return std::strncmp(id, "kvg:StrokePaths_", 16) == 0;
}

// Depth-first, so paths come in document order: the writing order.
void CollectPaths(const pugi::xml_node& node, std::vector<pugi::xml_node>* paths) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    if (std::strcmp(child.name(), "path") == 0)
      paths->push_back(child);
    else
      CollectPaths(child, paths);
  }
}

pugi::xml_node FindStrokePaths(const pugi::xml_node& node) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    if (IsStrokePathsGroup(child)) return child;
    if (pugi::xml_node found = FindStrokePaths(child)) return found;
  }
  return {};
}

bool ReadDocument(const pugi::xml_document& doc, const std::string& where, StrokeList* strokes,
                  std::string* error) {
  strokes->clear();
  const pugi::xml_node group = FindStrokePaths(doc);
  if (!group) {
    *error = where + ": no StrokePaths group";
    return false;
  }
  std::vector<pugi::xml_node> paths;
  CollectPaths(group, &paths);
  for (size_t i = 0; i < paths.size(); ++i) {
    std::vector<Polyline> subpaths;
    std::string why;
    if (!FlattenSvgPath(paths[i].attribute("d").value(), &subpaths, &why)) {
      *error = where + ": stroke " + std::to_string(i + 1) + ": " + why;
      strokes->clear();
      return false;
    }
    // A stroke is one pen movement: several subpaths are drawn without lifting.
    Polyline stroke;
    for (const Polyline& sub : subpaths) stroke.insert(stroke.end(), sub.begin(), sub.end());
    if (stroke.empty()) {
      *error = where + ": stroke " + std::to_string(i + 1) + " has no path data";
      strokes->clear();
      return false;
    }
    strokes->push_back(std::move(stroke));
  }
  if (strokes->empty()) {
    *error = where + ": no stroke";
    return false;
  }
  return true;
}

}  // namespace

bool ParseKanjiVgName(const std::string& fileName, KanjiVgName* name) {
  const std::string ext = ".svg";
  if (fileName.size() <= ext.size() || fileName.compare(fileName.size() - ext.size(), ext.size(), ext) != 0)
    return false;
  const std::string stem = fileName.substr(0, fileName.size() - ext.size());
  const size_t dash = stem.find('-');
  const std::string hex = stem.substr(0, dash);
  if (hex.empty() || hex.size() > 6) return false;
  uint32_t value = 0;
  for (char c : hex) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    value = value * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c))
                                                   ? c - '0'
                                                   : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
  }
  if (value == 0 || value > 0x10FFFF) return false;
  name->codePoint = value;
  name->variant = dash == std::string::npos ? "" : stem.substr(dash + 1);
  if (dash != std::string::npos && name->variant.empty()) return false;
  return true;
}

bool ReadKanjiVgText(const std::string& text, const std::string& where, StrokeList* strokes,
                     std::string* error) {
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size());
  if (!parsed) {
    *error = where + ": not XML (" + parsed.description() + ")";
    strokes->clear();
    return false;
  }
  return ReadDocument(doc, where, strokes, error);
}

bool ReadKanjiVgFile(const std::string& path, StrokeList* strokes, std::string* error) {
  // Only a regular file is read: a FIFO among the SVG files cannot stall the build.
  std::string text;
  if (!ReadRegularFile(path, &text)) {
    *error = path + ": cannot open";
    strokes->clear();
    return false;
  }
  return ReadKanjiVgText(text, path, strokes, error);
}

bool ListKanjiVgFiles(const std::string& dir, std::vector<std::string>* names, std::string* error) {
  names->clear();
  DIR* d = opendir(dir.c_str());
  if (!d) {
    *error = dir + ": cannot read the directory";
    return false;
  }
  while (const dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".svg") == 0) names->push_back(name);
  }
  closedir(d);
  std::sort(names->begin(), names->end());
  return true;
}
