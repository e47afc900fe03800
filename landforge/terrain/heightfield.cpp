#include "landforge/terrain/heightfield.h"

#include <algorithm>
#include <cmath>

namespace landforge {

Heightfield::Heightfield()
    : points(static_cast<std::size_t>(kGridSize) * kGridSize),
      cells(static_cast<std::size_t>(kCellCount) * kCellCount) {
    resetGrid(*this);
    updateTrisFull(*this);
}

void resetGrid(Heightfield& grid) {
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i)
            grid.point(i, j) = {static_cast<float>(10 * i), static_cast<float>(10 * j), 0.0f};
}

TerrainPoint diagonalCentre(const Heightfield& grid, int i, int j, int diagonal, TerrainPoint old) {
    const TerrainPoint* a;
    const TerrainPoint* b;
    if (diagonal == 1) {
        a = &grid.point(i, j);
        b = &grid.point(i + 1, j + 1);
    } else if (diagonal == 2) {
        a = &grid.point(i + 1, j);
        b = &grid.point(i, j + 1);
    } else {
        return old;
    }
    return {(a->x + b->x) / 2.0f, (a->y + b->y) / 2.0f, (a->z + b->z) / 2.0f};
}

void updateTrisCells(Heightfield& grid, int firstI, int firstJ, int lastI, int lastJ) {
    firstI = std::max(firstI, 0);
    firstJ = std::max(firstJ, 0);
    lastI = std::min(lastI, kCellCount - 1);
    lastJ = std::min(lastJ, kCellCount - 1);
    for (int j = firstJ; j <= lastJ; ++j) {
        for (int i = firstI; i <= lastI; ++i) {
            float z00 = grid.point(i, j).z;
            float z11 = grid.point(i + 1, j + 1).z;
            float z01 = grid.point(i, j + 1).z;
            float z10 = grid.point(i + 1, j).z;
            TerrainCell& c = grid.cell(i, j);
            // Split along the diagonal whose ends differ less; ties choose 1.
            c.diagonal = std::fabs(z00 - z11) > std::fabs(z01 - z10) ? 2 : 1;
            c.center = diagonalCentre(grid, i, j, c.diagonal, c.center);
        }
    }
}

void updateTrisFull(Heightfield& grid) { updateTrisCells(grid, 0, 0, kCellCount - 1, kCellCount - 1); }

void updateTrisRect(Heightfield& grid, const GridRect& rect) {
    updateTrisCells(grid, rect.x, rect.y, rect.x + rect.width - 2, rect.y + rect.height - 2);
}

void refreshCentres(Heightfield& grid, const GridRect& rect) {
    int lastI = std::min(rect.x + rect.width - 2, kCellCount - 1);
    int lastJ = std::min(rect.y + rect.height - 2, kCellCount - 1);
    for (int j = std::max(rect.y, 0); j <= lastJ; ++j)
        for (int i = std::max(rect.x, 0); i <= lastI; ++i) {
            TerrainCell& c = grid.cell(i, j);
            c.center = diagonalCentre(grid, i, j, c.diagonal, c.center);
        }
}

namespace {

int channel(int base, int target, float t) {
    float v = static_cast<float>(base) + t * static_cast<float>(target - base);
    // Heights beyond 0-255 would push the channel out of a byte: keep it inside.
    if (!(v >= 0.0f)) return 0;
    if (v >= 255.0f) return 255;
    return static_cast<int>(v);
}

}  // namespace

Rgb heightColor(const HeightColors& colors, float z) {
    const Rgb& base = colors.baseColor;
    const Rgb* target;
    float t;
    if (z >= 127.5f) {
        t = (z - 127.5f) / 127.5f;
        target = &colors.highColor;
    } else {
        t = (127.5f - z) / 127.5f;
        target = &colors.lowColor;
    }
    if (!(t <= 1.0f)) t = 1.0f;  // also catches a NaN height
    return {channel(base.r, target->r, t), channel(base.g, target->g, t), channel(base.b, target->b, t)};
}

TerrainPoint averagePoint(const Heightfield& grid, const GridRect& rect) {
    double sx = 0, sy = 0, sz = 0;
    for (int j = rect.y; j < rect.y + rect.height; ++j)
        for (int i = rect.x; i < rect.x + rect.width; ++i) {
            const TerrainPoint& p = grid.point(i, j);
            sx += p.x;
            sy += p.y;
            sz += p.z;
        }
    double n = static_cast<double>(rect.width) * rect.height;
    return {static_cast<float>(sx / n), static_cast<float>(sy / n), static_cast<float>(sz / n)};
}

}  // namespace landforge
