#pragma once
// The 256 x 256 points and 255 x 255 cells, and the rules that tie the cells to the points.
#include <vector>

#include "landforge/terrain/terrain_types.h"

namespace landforge {

struct Heightfield {
    Heightfield();

    // Point [i][j]: i runs along x, j along y. Rows (fixed j) are contiguous.
    TerrainPoint& point(int i, int j) { return points[static_cast<std::size_t>(j) * kGridSize + i]; }
    const TerrainPoint& point(int i, int j) const {
        return points[static_cast<std::size_t>(j) * kGridSize + i];
    }
    TerrainCell& cell(int i, int j) { return cells[static_cast<std::size_t>(j) * kCellCount + i]; }
    const TerrainCell& cell(int i, int j) const {
        return cells[static_cast<std::size_t>(j) * kCellCount + i];
    }

    std::vector<TerrainPoint> points;
    std::vector<TerrainCell> cells;
};

// Every point to (10 i, 10 j, 0). Cells are left as they are.
void resetGrid(Heightfield& grid);

// Re-chooses the diagonal and centre of the cells whose lowest corner lies in
// [firstI..lastI] x [firstJ..lastJ] (clipped to the cell grid).
void updateTrisCells(Heightfield& grid, int firstI, int firstJ, int lastI, int lastJ);
void updateTrisFull(Heightfield& grid);
// The cells of the rectangle's interior.
void updateTrisRect(Heightfield& grid, const GridRect& rect);

// Recomputes the centres of the rectangle's cells from their current diagonals.
void refreshCentres(Heightfield& grid, const GridRect& rect);

// The midpoint of the diagonal `diagonal` of cell [i][j]; another value keeps the old centre.
TerrainPoint diagonalCentre(const Heightfield& grid, int i, int j, int diagonal, TerrainPoint old);

// The 8-bit colour of a height: baseColor at 127.5, highColor at 255, lowColor at 0.
// Heights outside 0-255 give the colour of the nearer end.
Rgb heightColor(const HeightColors& colors, float z);

// Mean of x, y and z over the rectangle's points.
TerrainPoint averagePoint(const Heightfield& grid, const GridRect& rect);

}  // namespace landforge
