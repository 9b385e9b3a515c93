// zkdic-sheet: draws reference forms (or benchmark samples) as a contact sheet in
// ImageMagick's vector format, to look at hand-made stroke data and path flattening.
//
//   zkdic-sheet [--kanjivg DIR] [--strokes DIR_OR_FILE]... [--chars TEXT] --out FILE.mvg
//   zkdic-sheet --samples FILE.jsonl [--first N] --out FILE.mvg
//
// Each cell shows one form: strokes coloured by writing order, a dot at each start.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "reference_set.h"
#include "saferead.h"
#include "textconv.h"

namespace {

constexpr int kCell = 120;
constexpr size_t kMaxSampleLine = 1 << 20;  // longest sample line read
constexpr int kColumns = 10;
const char* const kFont = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
const char* const kColours[] = {"#d00000", "#0060d0", "#008000", "#c07000", "#8000c0", "#008080", "#606060"};

struct Cell {
  std::string label;
  double box = 100;  // strokes lie in box x box
  double left = 0, top = 0;
  StrokeList strokes;
};

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

// ImageMagick's own vector format: `convert mvg:sheet.mvg sheet.png` needs no
// other renderer. Labels use the Japanese font when it is installed.
std::string Sheet(const std::vector<Cell>& cells) {
  const int rows = static_cast<int>((cells.size() + kColumns - 1) / kColumns);
  std::string mvg = "viewbox 0 0 " + std::to_string(kColumns * kCell) + " " + std::to_string(rows * kCell) + "\n";
  mvg += "fill white\nrectangle 0,0 " + std::to_string(kColumns * kCell) + "," + std::to_string(rows * kCell) + "\n";
  mvg += "font \"" + std::string(kFont) + "\"\nfont-size 10\n";
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    const double x0 = static_cast<double>(i % kColumns) * kCell + 10, y0 = static_cast<double>(i / kColumns) * kCell + 14;
    const double scale = 100.0 / cell.box;
    mvg += "fill none\nstroke #cccccc\nstroke-width 1\nrectangle " + Num(x0) + "," + Num(y0) + " " + Num(x0 + 100) +
           "," + Num(y0 + 100) + "\n";
    mvg += "fill black\nstroke none\ntext " + Num(x0) + "," + Num(y0 - 3) + " \"" + cell.label + "\"\n";
    for (size_t s = 0; s < cell.strokes.size(); ++s) {
      const Polyline& line = cell.strokes[s];
      if (line.empty()) continue;
      const char* colour = kColours[s % (sizeof kColours / sizeof kColours[0])];
      auto px = [&](PointF p) { return Num(x0 + (p.x - cell.left) * scale) + "," + Num(y0 + (p.y - cell.top) * scale); };
      mvg += "fill none\nstroke-width 2\nstroke " + std::string(colour) + "\npolyline";
      for (const PointF& p : line) mvg += " " + px(p);
      if (line.size() == 1) mvg += " " + px(line.front());
      mvg += "\nfill " + std::string(colour) + "\nstroke none\ncircle " + px(line.front()) + " " +
             Num(x0 + (line.front().x - cell.left) * scale + 3) + "," + Num(y0 + (line.front().y - cell.top) * scale) + "\n";
    }
  }
  return mvg;
}

std::string CodeLabel(uint16_t code, const std::string& source) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04X ", code);
  return buf + SjisCodeToUtf8(code) + " " + source.substr(0, 12);
}

// A frame size of a sample, absent or a number from 0 (no frame): the larger of the
// two is the cell's box, 100 without a frame.
bool FrameSide(const nlohmann::json& j, const char* name, double* side) {
  if (!j.contains(name)) return true;
  if (!j[name].is_number() || j[name].get<double>() < 0) return false;
  *side = std::max(*side, j[name].get<double>());
  return true;
}

// One sample line: {"strokes": [[[x, y], ...], ...], "width": W, "height": H,
// "char": "…"}, the last three optional. False with the reason when it is not one.
bool SampleCell(const std::string& line, Cell* cell, std::string* why) {
  const nlohmann::json j = nlohmann::json::parse(line, nullptr, false);
  if (!j.is_object()) {
    *why = "not a JSON object";
    return false;
  }
  if (!j.contains("strokes") || !j["strokes"].is_array()) {
    *why = "\"strokes\" must be an array of strokes";
    return false;
  }
  double box = 0;
  if (!FrameSide(j, "width", &box) || !FrameSide(j, "height", &box)) {
    *why = "\"width\" and \"height\" must be numbers from 0";
    return false;
  }
  cell->box = box > 0 ? box : 100;
  for (const auto& stroke : j["strokes"]) {
    if (!stroke.is_array()) {
      *why = "a stroke must be an array of [x, y] points";
      return false;
    }
    Polyline poly;
    for (const auto& p : stroke) {
      if (!p.is_array() || p.size() != 2 || !p[0].is_number() || !p[1].is_number()) {
        *why = "a point must be [x, y] of two numbers";
        return false;
      }
      poly.push_back({p[0].get<double>(), p[1].get<double>()});
    }
    cell->strokes.push_back(std::move(poly));
  }
  if (j.contains("char") && !j["char"].is_string()) {
    *why = "\"char\" must be a string";
    return false;
  }
  cell->label = j.value("char", std::string());
  return true;
}

// The first `first` samples of a JSON Lines file; blank lines are skipped. False with
// the reason (file and line) when the file is not a readable regular file or a line
// is not a sample.
bool SampleCells(const std::string& path, size_t first, std::vector<Cell>* cells, std::string* error) {
  // A FIFO or device named here would block the open or never end.
  const int fd = OpenRegularFile(path, Symlinks::kFollow, error);
  if (fd < 0) return false;
  BoundedLineReader in(fd, kMaxSampleLine, true);
  std::string line, why;
  while (cells->size() < first && in.Next(&line)) {
    const std::string where = path + ":" + std::to_string(in.LineNumber()) + ": ";
    if (in.Truncated()) {
      *error = where + "longer than " + std::to_string(kMaxSampleLine) + " bytes";
      return false;
    }
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    Cell cell;
    if (!SampleCell(line, &cell, &why)) {
      *error = where + why;
      return false;
    }
    cell.label = CodeLabel(Utf8ToSjisCode(cell.label), "#" + std::to_string(cells->size() + 1));
    cells->push_back(std::move(cell));
  }
  return true;
}

// A count from 1 up, digits only.
bool ParseCount(const std::string& text, size_t* count) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  *count = std::stoul(text);
  return *count > 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string kanjivg, out, chars, samples;
  std::vector<std::string> strokeFiles;
  size_t first = 100;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) {
      std::fprintf(stderr, "zkdic-sheet: %s needs a value\n", a.c_str());
      return 2;
    }
    const std::string v = argv[++i];
    if (a == "--kanjivg") kanjivg = v;
    else if (a == "--strokes") strokeFiles.push_back(v);
    else if (a == "--chars") chars = v;
    else if (a == "--samples") samples = v;
    else if (a == "--first") {
      if (!ParseCount(v, &first)) {
        std::fprintf(stderr, "zkdic-sheet: --first wants a number of samples from 1, not \"%s\"\n", v.c_str());
        return 2;
      }
    }
    else if (a == "--out") out = v;
    else {
      std::fprintf(stderr, "zkdic-sheet: unknown option %s\n", a.c_str());
      return 2;
    }
  }
  if (out.empty()) {
    std::fprintf(stderr, "usage: zkdic-sheet [--kanjivg DIR] [--strokes PATH]... [--chars TEXT] --out FILE.mvg\n"
                         "       zkdic-sheet --samples FILE.jsonl [--first N] --out FILE.mvg\n");
    return 2;
  }
  std::vector<Cell> cells;
  if (!samples.empty()) {
    std::string error;
    if (!SampleCells(samples, first, &cells, &error)) {
      std::fprintf(stderr, "zkdic-sheet: %s\n", error.c_str());
      return 2;
    }
  } else {
    std::vector<ReferenceForm> forms;
    KanjiVgStats stats;
    std::string error;
    if ((!kanjivg.empty() && !LoadKanjiVgForms(kanjivg, true, &forms, &stats, &error)) ||
        !LoadStrokeTextForms(strokeFiles, &forms, &error)) {
      std::fprintf(stderr, "zkdic-sheet: %s\n", error.c_str());
      return 2;
    }
    std::set<uint16_t> wanted;
    for (const std::string& one : Utf8Characters(chars)) wanted.insert(Utf8ToSjisCode(one));
    for (const ReferenceForm& form : forms) {
      if (!wanted.empty() && !wanted.count(form.code)) continue;
      cells.push_back({CodeLabel(form.code, form.source), form.box, 0, 0, form.strokes});
    }
  }
  std::ofstream file(out);
  file << Sheet(cells);
  if (!file) {
    std::fprintf(stderr, "zkdic-sheet: cannot write %s\n", out.c_str());
    return 2;
  }
  std::printf("%zu cells\n", cells.size());
  return 0;
}
