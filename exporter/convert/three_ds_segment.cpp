#include "exporter/convert/three_ds_segment.h"

#include <cstdint>

namespace korvath::convert {

namespace {

constexpr std::uint16_t kMain = 0x4D4D;
constexpr std::uint16_t kKeyFrames = 0xB000;
constexpr std::uint16_t kSegment = 0xB008;
constexpr std::size_t kHeader = 6;  // id (16 bits) and length (32 bits, header included)
constexpr std::int64_t kMaxFrames = 65535;

std::uint32_t read32(std::string_view b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

// The body of the first chunk `id` among the chunks that fill `b`, or empty.
std::optional<std::string_view> findChunk(std::string_view b, std::uint16_t id) {
    std::size_t at = 0;
    while (b.size() - at >= kHeader) {
        const std::uint16_t chunk = std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
        const std::uint32_t length = read32(b, at + 2);
        if (length < kHeader || length > b.size() - at) return std::nullopt;
        if (chunk == id) return b.substr(at + kHeader, length - kHeader);
        at += length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FrameSegment> threeDsSegment(std::string_view bytes) {
    const auto main = findChunk(bytes, kMain);
    if (!main) return std::nullopt;
    const auto keyFrames = findChunk(*main, kKeyFrames);
    if (!keyFrames) return std::nullopt;
    const auto segment = findChunk(*keyFrames, kSegment);
    if (!segment || segment->size() < 8) return std::nullopt;
    const std::int64_t start = std::int32_t(read32(*segment, 0));
    const std::int64_t end = std::int32_t(read32(*segment, 4));
    if (start < 0 || end < start || end - start + 1 > kMaxFrames) return std::nullopt;
    return FrameSegment{int(start), int(end)};
}

}  // namespace korvath::convert
