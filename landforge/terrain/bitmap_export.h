#pragma once
// Heights out to a 24-bit grey Windows bitmap: row 0 at the top of the image is the area's first
// row (j), every channel the low 8 bits of the truncated height.
#include <cstdint>
#include <string>

#include "landforge/terrain/heightfield.h"

namespace landforge {

// The low 8 bits of trunc(z) as two's complement would give them, for any finite height
// (a non-number gives 0).
std::uint8_t heightByte(float z);

// The whole .bmp file: 14-byte file header, 40-byte info header, bottom-up rows padded to
// four bytes; the size fields count the padding.
std::string writeBitmap(const Heightfield& grid, const GridRect& area);

}  // namespace landforge
