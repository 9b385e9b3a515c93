// SVG path data tokenizer and flattener: straight commands are copied, curves are
// cut into short straight pieces, so a stroke becomes the polyline a pen would draw.
#include "svg_path.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

class PathScanner {
 public:
  explicit PathScanner(const std::string& d) : d_(d) {}

  void SkipSeparators() {
    while (pos_ < d_.size() && (std::isspace(static_cast<unsigned char>(d_[pos_])) || d_[pos_] == ','))
      ++pos_;
  }

  bool AtEnd() {
    SkipSeparators();
    return pos_ >= d_.size();
  }

  // A command letter comes next (numbers may repeat the previous command).
  bool AtCommand() {
    SkipSeparators();
    return pos_ < d_.size() && std::isalpha(static_cast<unsigned char>(d_[pos_])) && d_[pos_] != 'e' &&
           d_[pos_] != 'E';
  }

  char TakeCommand() { return d_[pos_++]; }

  // One number: sign, digits, one decimal point, exponent. "0.5.5" is two numbers
  // and "1-2" too, as SVG allows.
  bool TakeNumber(double* value) {
    SkipSeparators();
    const size_t start = pos_;
    size_t p = pos_;
    if (p < d_.size() && (d_[p] == '+' || d_[p] == '-')) ++p;
    bool digits = false;
    while (p < d_.size() && std::isdigit(static_cast<unsigned char>(d_[p]))) ++p, digits = true;
    if (p < d_.size() && d_[p] == '.') {
      ++p;
      while (p < d_.size() && std::isdigit(static_cast<unsigned char>(d_[p]))) ++p, digits = true;
    }
    if (!digits) return false;
    if (p < d_.size() && (d_[p] == 'e' || d_[p] == 'E')) {
      size_t q = p + 1;
      if (q < d_.size() && (d_[q] == '+' || d_[q] == '-')) ++q;
      if (q < d_.size() && std::isdigit(static_cast<unsigned char>(d_[q]))) {
        while (q < d_.size() && std::isdigit(static_cast<unsigned char>(d_[q]))) ++q;
        p = q;
      }
    }
    *value = std::strtod(d_.substr(start, p - start).c_str(), nullptr);
    if (!std::isfinite(*value)) return false;
    pos_ = p;
    return true;
  }

  size_t Position() const { return pos_; }

 private:
  const std::string& d_;
  size_t pos_ = 0;
};

int PiecesFor(double controlLength, double maxPiece) {
  const double n = std::ceil(controlLength / maxPiece);
  if (!(n >= 2)) return 2;
  return n > 256 ? 256 : static_cast<int>(n);
}

double Dist(PointF a, PointF b) { return std::hypot(b.x - a.x, b.y - a.y); }

void AddCubic(Polyline* line, PointF p0, PointF c1, PointF c2, PointF p3, double maxPiece) {
  const int n = PiecesFor(Dist(p0, c1) + Dist(c1, c2) + Dist(c2, p3), maxPiece);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
    line->push_back({a * p0.x + b * c1.x + c * c2.x + e * p3.x, a * p0.y + b * c1.y + c * c2.y + e * p3.y});
  }
}

void AddQuadratic(Polyline* line, PointF p0, PointF c, PointF p2, double maxPiece) {
  const int n = PiecesFor(Dist(p0, c) + Dist(c, p2), maxPiece);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1 - t;
    line->push_back({u * u * p0.x + 2 * u * t * c.x + t * t * p2.x, u * u * p0.y + 2 * u * t * c.y + t * t * p2.y});
  }
}

PointF Reflect(PointF control, PointF about) { return {2 * about.x - control.x, 2 * about.y - control.y}; }

int ArgumentCount(char upper) {
  switch (upper) {
    case 'M': case 'L': case 'T': return 2;
    case 'H': case 'V': return 1;
    case 'C': return 6;
    case 'S': case 'Q': return 4;
    case 'Z': return 0;
    default: return -1;
  }
}

}  // namespace

bool FlattenSvgPath(const std::string& d, std::vector<Polyline>* subpaths, std::string* error,
                    double maxPiece) {
  subpaths->clear();
  if (!(maxPiece > 0)) maxPiece = 1.0;
  PathScanner scan(d);
  PointF current, subpathStart;
  PointF lastCubicControl, lastQuadControl;
  char previous = 0;  // the command before, for the smooth curves' reflections
  char command = 0;
  auto fail = [&](const std::string& what) {
    *error = what + " at offset " + std::to_string(scan.Position()) + " of path data";
    subpaths->clear();
    return false;
  };

  while (!scan.AtEnd()) {
    if (scan.AtCommand()) {
      command = scan.TakeCommand();
      if (ArgumentCount(static_cast<char>(std::toupper(command))) < 0)
        return fail(std::string("unsupported path command '") + command + "'");
    } else if (command == 0) {
      return fail("path data does not start with a command");
    } else if (command == 'Z' || command == 'z') {
      return fail("number after closepath");
    }
    // Repeated coordinates after M/m are implicit line-tos.
    const char upper = static_cast<char>(std::toupper(command));
    const bool relative = std::islower(static_cast<unsigned char>(command)) != 0;
    double a[6];
    const int count = ArgumentCount(upper);
    for (int i = 0; i < count; ++i)
      if (!scan.TakeNumber(&a[i])) return fail(std::string("missing number for '") + command + "'");
    if (upper != 'M' && subpaths->empty()) return fail("path data does not start with a move");
    const PointF origin = relative ? current : PointF{0, 0};
    auto at = [&](int i) { return PointF{origin.x + a[i], origin.y + a[i + 1]}; };

    switch (upper) {
      case 'M':
        current = at(0);
        subpathStart = current;
        subpaths->push_back({current});
        command = relative ? 'l' : 'L';
        break;
      case 'L':
        current = at(0);
        subpaths->back().push_back(current);
        break;
      case 'H':
        current.x = relative ? current.x + a[0] : a[0];
        subpaths->back().push_back(current);
        break;
      case 'V':
        current.y = relative ? current.y + a[0] : a[0];
        subpaths->back().push_back(current);
        break;
      case 'C': {
        const PointF c1 = at(0), c2 = at(2), end = at(4);
        AddCubic(&subpaths->back(), current, c1, c2, end, maxPiece);
        lastCubicControl = c2;
        current = end;
        break;
      }
      case 'S': {
        const char p = static_cast<char>(std::toupper(previous));
        const PointF c1 = (p == 'C' || p == 'S') ? Reflect(lastCubicControl, current) : current;
        const PointF c2 = at(0), end = at(2);
        AddCubic(&subpaths->back(), current, c1, c2, end, maxPiece);
        lastCubicControl = c2;
        current = end;
        break;
      }
      case 'Q': {
        const PointF c = at(0), end = at(2);
        AddQuadratic(&subpaths->back(), current, c, end, maxPiece);
        lastQuadControl = c;
        current = end;
        break;
      }
      case 'T': {
        const char p = static_cast<char>(std::toupper(previous));
        const PointF c = (p == 'Q' || p == 'T') ? Reflect(lastQuadControl, current) : current;
        const PointF end = at(0);
        AddQuadratic(&subpaths->back(), current, c, end, maxPiece);
        lastQuadControl = c;
        current = end;
        break;
      }
      case 'Z':
        current = subpathStart;
        subpaths->back().push_back(current);
        break;
    }
    previous = upper == 'M' ? 'M' : command;
  }
  return true;
}
