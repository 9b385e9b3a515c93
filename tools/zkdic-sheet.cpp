// zkdic-sheet: draws reference forms (or benchmark samples) as a contact sheet in
// ImageMagick's vector format, to look at hand-made stroke data and path flattening.
//
//   zkdic-sheet [--kanjivg DIR] [--strokes DIR_OR_FILE]... [--chars TEXT] --out FILE.mvg
//   zkdic-sheet --samples FILE.jsonl [--first N] --out FILE.mvg
//
// Each cell shows one form: strokes coloured by writing order, a dot at each start.
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "reference_set.h"
#include "textconv.h"

namespace {

constexpr int kCell = 120;
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

bool SampleCells(const std::string& path, size_t first, std::vector<Cell>* cells) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (cells->size() < first && std::getline(in, line)) {
    const nlohmann::json j = nlohmann::json::parse(line, nullptr, false);
    if (j.is_discarded() || !j.contains("strokes")) continue;
    Cell cell;
    cell.box = std::max(j.value("width", 100), j.value("height", 100));
    for (const auto& stroke : j["strokes"]) {
      Polyline poly;
      for (const auto& p : stroke) poly.push_back({p[0].get<double>(), p[1].get<double>()});
      cell.strokes.push_back(std::move(poly));
    }
    uint16_t code = Utf8ToSjisCode(j.value("char", std::string()));
    cell.label = CodeLabel(code, "#" + std::to_string(cells->size() + 1));
    cells->push_back(std::move(cell));
  }
  return true;
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
    else if (a == "--first") first = std::stoul(v);
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
    if (!SampleCells(samples, first, &cells)) {
      std::fprintf(stderr, "zkdic-sheet: cannot read %s\n", samples.c_str());
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
