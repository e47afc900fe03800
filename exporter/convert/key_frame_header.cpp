#include "exporter/convert/key_frame_header.h"

#include <cstddef>
#include <cstdint>

namespace korvath::convert {

namespace {

struct FrameCountField {
    std::string_view magic;
    std::size_t offset;  // of the signed 32-bit little-endian frame count
};

// MD2: seven counts before the frames'. MD3 and MDC: version, a 64-byte name and flags come
// first. IDPO MDL and the MDL2 to MDL5 kinds: scale, origin, radius, eye and four counts.
constexpr FrameCountField kFields[] = {
    {"IDP2", 40}, {"IDP3", 76}, {"IDPC", 76}, {"IDPO", 68},
    {"MDL2", 68}, {"MDL3", 68}, {"MDL4", 68}, {"MDL5", 68},
};

}  // namespace

std::optional<int> declaredKeyFrames(std::string_view bytes) {
    for (const FrameCountField& field : kFields) {
        if (bytes.substr(0, 4) != field.magic) continue;
        if (bytes.size() < field.offset + 4) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[field.offset + std::size_t(i)]);
        const auto count = std::int32_t(value);
        if (count <= 0) return std::nullopt;
        return count;
    }
    return std::nullopt;
}

}  // namespace korvath::convert
