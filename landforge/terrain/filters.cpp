#include "landforge/terrain/filters.h"

#include <cmath>
#include <cstdint>

namespace landforge {

namespace {

int clampPercent(int percent) { return percent < 1 ? 1 : (percent > 100 ? 100 : percent); }

}  // namespace

void addRandomNoise(TerrainState& state, int high, int low) {
    takeSnapshot(state.history, state.grid, SnapshotKind::Points, kFullRect);
    // 64 bits: high - low overflows an int at the extremes.
    std::int64_t range = static_cast<std::int64_t>(high) - low;
    for (TerrainPoint& p : state.grid.points) {
        std::int64_t add = low;
        if (range != 0) add += state.random.next() % range;
        p.z += static_cast<float>(add);
        if (p.z < 0.0f) p.z = 0.0f;
    }
}

void filterNoise(TerrainState& state, float maxNoise) {
    if (!(maxNoise >= 1.0f)) maxNoise = 1.0f;
    // The pass reaches every point and every cell, so the whole grid is kept for Undo.
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, kFullRect);
    Heightfield& g = state.grid;
    for (int j = 0; j < kCellCount; ++j)
        for (int i = 0; i < kCellCount; ++i) {
            float a = g.point(i, j).z;
            if (std::fabs(a - g.point(i + 1, j).z) < maxNoise) g.point(i + 1, j).z = a;
            if (std::fabs(a - g.point(i, j + 1).z) < maxNoise) g.point(i, j + 1).z = a;
        }
    updateTrisFull(g);
}

float meanHeight(const Heightfield& grid) { return averagePoint(grid, kFullRect).z; }

void flattenTerrain(TerrainState& state, int percent) {
    takeSnapshot(state.history, state.grid, SnapshotKind::Points, kFullRect);
    // In double, z - (z - mean) is exact, so 100 % lands on the mean itself; in float it can
    // miss it by a step.
    double p = clampPercent(percent) / 100.0;
    double mean = meanHeight(state.grid);
    for (TerrainPoint& pt : state.grid.points) pt.z = static_cast<float>(pt.z - (pt.z - mean) * p);
}

void averageTerrain(TerrainState& state, int percent) {
    takeSnapshot(state.history, state.grid, SnapshotKind::Points, kFullRect);
    float p = static_cast<float>(clampPercent(percent)) / 100.0f;
    Heightfield& g = state.grid;
    for (int j = 1; j < kCellCount; ++j)
        for (int i = 1; i < kCellCount; ++i) {
            float& z = g.point(i, j).z;
            float avg = (g.point(i + 1, j).z + g.point(i - 1, j).z + g.point(i, j + 1).z + g.point(i, j - 1).z) / 4.0f;
            z += (avg - z) * 0.5f * p;
        }
}

namespace {

// Raise and Lower keep the view area's points for Undo first.
template <typename Change>
void overView(TerrainState& state, Change change) {
    const ViewArea& v = state.view;
    takeSnapshot(state.history, state.grid, SnapshotKind::Points, rectOf(v));
    for (int j = v.viewY; j < v.viewY + v.viewHeight; ++j)
        for (int i = v.viewX; i < v.viewX + v.viewWidth; ++i) change(state.grid.point(i, j).z);
}

}  // namespace

void raiseTerrain(TerrainState& state, RaiseLowerMode mode, int height) {
    float h = static_cast<float>(height);
    overView(state, [&](float& z) {
        z = mode == RaiseLowerMode::ToHeight ? h : z + h;
        if (z > 255.0f) z = 255.0f;
    });
}

void lowerTerrain(TerrainState& state, RaiseLowerMode mode, int height) {
    float h = static_cast<float>(height);
    overView(state, [&](float& z) {
        z = mode == RaiseLowerMode::ToHeight ? h : z - h;
        if (z < 0.0f) z = 0.0f;
    });
}

}  // namespace landforge
