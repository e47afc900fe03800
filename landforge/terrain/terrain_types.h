#pragma once
// The records of the heightfield: points, cells, the view area, parameters and colours.
#include <cstdint>

namespace landforge {

inline constexpr int kGridSize = 256;             // points per side
inline constexpr int kCellCount = kGridSize - 1;  // cells per side
inline constexpr float kUnsetHeight = -1.0f;      // marks a height still to be generated

struct TerrainPoint {
    float x = 0;
    float y = 0;
    float z = 0;
};

// Diagonal 1 runs [i][j]-[i+1][j+1], 2 runs [i+1][j]-[i][j+1]; any other value has no triangles.
struct TerrainCell {
    TerrainPoint center;
    std::int32_t diagonal = 1;
};

struct ViewArea {
    int viewX = 0;
    int viewY = 0;
    int viewWidth = 16;
    int viewHeight = 16;
};

struct TerrainParameters {
    std::uint32_t seed = 0;
    float dampening = 2.0f;
    float initialHeight = 25.0f;
    float seaLevel = 0.0f;
    int levels = 8;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

struct HeightColors {
    Rgb highColor{0, 255, 0};
    Rgb baseColor{255, 255, 0};
    Rgb lowColor{127, 0, 0};
    Rgb seaColor{0, 0, 255};
};

// A rectangle of grid indices: origin and size.
struct GridRect {
    int x = 0;
    int y = 0;
    int width = kGridSize;
    int height = kGridSize;
    bool operator==(const GridRect&) const = default;
};

inline constexpr GridRect kFullRect{0, 0, kGridSize, kGridSize};

inline GridRect rectOf(const ViewArea& v) { return {v.viewX, v.viewY, v.viewWidth, v.viewHeight}; }

// True when the rectangle lies inside the grid and is at least one point wide and high.
inline bool insideGrid(const GridRect& r) {
    return r.width >= 1 && r.height >= 1 && r.x >= 0 && r.y >= 0 && r.width <= kGridSize &&
           r.height <= kGridSize && r.x <= kGridSize - r.width && r.y <= kGridSize - r.height;
}

}  // namespace landforge
