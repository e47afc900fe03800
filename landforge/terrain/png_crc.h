#pragma once
// The CRC-32 that guards every PNG chunk (type and data), as the PNG format defines it.
#include <cstdint>
#include <string_view>

namespace landforge {

std::uint32_t pngCrc(std::string_view bytes);

}  // namespace landforge
