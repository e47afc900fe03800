#include "landforge/terrain/bitmap_check.h"

#include <cstdint>

namespace landforge {

namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint32_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

constexpr std::uint32_t kRle8 = 1, kRle4 = 2;

}  // namespace

bool bitmapCutShort(std::string_view b) { return bitmapCutShort(b, b.size()); }

bool bitmapCutShort(std::string_view b, std::uint64_t fileSize) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
    std::uint64_t dataStart = u32(b, 10);
    std::uint32_t infoSize = u32(b, 14);
    std::uint64_t width, height, bits, compression = 0, imageSize = 0;
    if (infoSize == 12) {  // the old core header: 16-bit sizes
        width = u16(b, 18);
        height = u16(b, 20);
        bits = u16(b, 24);
    } else {
        // A header of no known size could be taken by the decoder as any size at all.
        if (infoSize < 40) return true;
        if (b.size() < 54) return false;
        width = u32(b, 18);
        auto h = static_cast<std::int32_t>(u32(b, 22));
        height = h < 0 ? -static_cast<std::int64_t>(h) : h;
        bits = u16(b, 28);
        compression = u32(b, 30);
        imageSize = u32(b, 34);
    }
    if (width >= (1u << 31)) return false;  // a negative width: not a bitmap the decoder takes
    std::uint64_t needed;
    if (compression == kRle8 || compression == kRle4) needed = imageSize;
    else needed = (width * bits + 31) / 32 * 4 * height;
    return fileSize < dataStart + needed;
}

}  // namespace landforge
