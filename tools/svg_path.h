// Flattening SVG path data ("M11,54c3.19,0.62 ...") into polylines.
#pragma once

#include <string>
#include <vector>

#include "geometry.h"

// Flattens the path data d into one polyline per subpath (each "M"/"m" starts one).
// Handles M L H V C S Q T Z in absolute and relative form; curves are cut into
// straight pieces no longer than about maxPiece units. False with a message naming
// the offending position on a syntax error or an unsupported command (arcs).
bool FlattenSvgPath(const std::string& d, std::vector<Polyline>* subpaths, std::string* error,
                    double maxPiece = 1.0);
