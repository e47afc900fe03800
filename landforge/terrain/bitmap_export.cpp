#include "landforge/terrain/bitmap_export.h"

#include <cmath>

namespace landforge {

namespace {

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}

}  // namespace

std::uint8_t heightByte(float z) {
    if (!std::isfinite(z)) return 0;
    double m = std::fmod(std::trunc(static_cast<double>(z)), 256.0);
    if (m < 0) m += 256.0;
    return static_cast<std::uint8_t>(m);
}

std::string writeBitmap(const Heightfield& grid, const GridRect& a) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(a.width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(a.height);
    const std::uint32_t offset = 14 + 40;
    std::string out;
    out.reserve(offset + imageSize);
    put16(out, 0x4D42);  // "BM"
    put32(out, offset + imageSize);
    put16(out, 0);
    put16(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(a.width));
    put32(out, static_cast<std::uint32_t>(a.height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // no compression
    put32(out, imageSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int r = a.height - 1; r >= 0; --r) {
        std::size_t rowStart = out.size();
        for (int c = 0; c < a.width; ++c) {
            char v = static_cast<char>(heightByte(grid.point(a.x + c, a.y + r).z));
            out.append(3, v);
        }
        out.append(rowStart + stride - out.size(), '\0');
    }
    return out;
}

}  // namespace landforge
