#include "landforge/terrain/png16_export.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/files/atomic_file.h"
#include "landforge/terrain/png_crc.h"

namespace landforge {

namespace {

std::uint32_t adler32(const std::string& bytes) {
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : bytes) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putBig32(std::string& out, std::uint32_t v) {
    for (int k = 3; k >= 0; --k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    putBig32(out, pngCrc(std::string_view(out).substr(start)));
}

// A zlib stream of stored (uncompressed) deflate blocks: simple, and every decoder reads it.
std::string storedZlib(const std::string& raw) {
    std::string out{'\x78', '\x01'};
    std::size_t at = 0;
    do {
        std::size_t len = std::min<std::size_t>(raw.size() - at, 65535);
        bool last = at + len == raw.size();
        out.push_back(last ? '\x01' : '\x00');
        out.push_back(static_cast<char>(len & 0xFF));
        out.push_back(static_cast<char>(len >> 8));
        out.push_back(static_cast<char>(~len & 0xFF));
        out.push_back(static_cast<char>((~len >> 8) & 0xFF));
        out.append(raw, at, len);
        at += len;
    } while (at < raw.size());
    putBig32(out, adler32(raw));
    return out;
}

}  // namespace

std::uint16_t heightSample16(float z) {
    if (!std::isfinite(z)) return 0;
    double v = std::floor(static_cast<double>(z) * 257.0 + 0.5);
    if (v <= 0) return 0;
    if (v >= 65535) return 65535;
    return static_cast<std::uint16_t>(v);
}

std::string writeGrey16Png(const Heightfield& grid, const GridRect& a) {
    std::string header;
    putBig32(header, static_cast<std::uint32_t>(a.width));
    putBig32(header, static_cast<std::uint32_t>(a.height));
    header += std::string{'\x10', '\x00', '\x00', '\x00', '\x00'};  // 16 bits, grey, deflate, no filter, no interlace

    std::string raw;
    raw.reserve(static_cast<std::size_t>(a.height) * (1 + 2 * static_cast<std::size_t>(a.width)));
    for (int r = 0; r < a.height; ++r) {
        raw.push_back('\0');  // filter: none
        for (int c = 0; c < a.width; ++c) {
            std::uint16_t s = heightSample16(grid.point(a.x + c, a.y + r).z);
            raw.push_back(static_cast<char>(s >> 8));
            raw.push_back(static_cast<char>(s & 0xFF));
        }
    }

    std::string out("\x89PNG\r\n\x1a\n", 8);
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", "");
    return out;
}

korvath::Status exportPng16(const Heightfield& grid, const std::string& path, const GridRect& area) {
    if (!insideGrid(area)) return korvath::Status::failure("the area lies outside the 256 x 256 grid");
    return korvath::writeFileAtomically(path, writeGrey16Png(grid, area));
}

}  // namespace landforge
