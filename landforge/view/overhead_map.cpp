#include "landforge/view/overhead_map.h"

namespace landforge {

namespace {

std::uint32_t argb(const Rgb& c) {
    return 0xff000000u | static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 |
           static_cast<std::uint32_t>(c.b);
}

class Canvas {
public:
    explicit Canvas(std::vector<std::uint32_t>& pixels) : pixels_(pixels) {}
    void set(int x, int y, std::uint32_t value) {
        if (x >= 0 && y >= 0 && x < kOverheadSize && y < kOverheadSize)
            pixels_[static_cast<std::size_t>(y) * kOverheadSize + x] = value;
    }

private:
    std::vector<std::uint32_t>& pixels_;
};

}  // namespace

std::vector<std::uint32_t> overheadPixels(const TerrainState& terrain) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kOverheadSize) * kOverheadSize, 0);
    Canvas canvas(pixels);
    for (int y = 1; y < kOverheadSize; ++y)
        for (int x = 0; x < kOverheadSize; ++x) {
            float z = terrain.grid.point(x, kGridSize - y).z;
            if (z != kUnsetHeight) canvas.set(x, y, argb(heightColor(terrain.colors, z)));
        }
    const ViewArea& v = terrain.view;
    const std::uint32_t outline = argb(kOverheadOutline);
    const int top = 256 - v.viewY, bottom = 256 - v.viewHeight - v.viewY;
    for (int y = 257 - v.viewHeight - v.viewY; y <= top; ++y) {
        canvas.set(v.viewX, y, outline);
        canvas.set(v.viewX + v.viewWidth, y, outline);
    }
    for (int x = v.viewX; x < v.viewX + v.viewWidth; ++x) {
        canvas.set(x, top, outline);
        canvas.set(x, bottom, outline);
    }
    return pixels;
}

}  // namespace landforge
