#pragma once
// Brush export: the terrain as a closed solid in T3D polygon-list text (CR LF lines).
#include <string>
#include <vector>

#include "common/result.h"
#include "landforge/terrain/heightfield.h"

namespace landforge {

// The area's points with area-local indices (a View area rebased so its origin lies at
// x = y = 0 when undragged) and the diagonals of its cells.
struct ExportArea {
    int width = 0;
    int height = 0;
    std::vector<TerrainPoint> points;  // [i][j] at j * width + i
    std::vector<int> diagonals;        // [i][j] at j * (width - 1) + i
    const TerrainPoint& p(int i, int j) const { return points[static_cast<std::size_t>(j) * width + i]; }
};

// Full (kFullRect) keeps the stored coordinates; any other rectangle is rebased.
ExportArea exportArea(const Heightfield& grid, const GridRect& rect);

// `scale` is the whole number of the export dialog: coordinates are multiplied by 1.6 x scale.
// The text is built in pieces on two threads.
std::string t3dText(const ExportArea& area, int scale);

// Writes the export to `path` through a temporary file, overlapping formatting and writing.
korvath::Status writeT3dFile(const ExportArea& area, int scale, const std::string& path);

}  // namespace landforge
