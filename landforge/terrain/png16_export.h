#pragma once
// Heights out to a 16-bit grey PNG at full precision: the 0-255 height range spread linearly
// over 0-65535 (z * 257, rounded), the inverse of what the image import reads from 16-bit grey.
// Rows as the bitmap export lays them: image row 0 at the top is the area's first row (j).
#include <cstdint>
#include <string>

#include "common/result.h"
#include "landforge/terrain/heightfield.h"

namespace landforge {

// The 16-bit sample of a height: 0 -> 0, 255 -> 65535, clamped at both ends; a non-number is 0.
std::uint16_t heightSample16(float z);

// The whole .png file: signature, IHDR (grey, 16 bits), one IDAT of stored deflate blocks, IEND.
std::string writeGrey16Png(const Heightfield& grid, const GridRect& area);

// Writes the file in one piece (an existing file is replaced only once the new one is whole).
korvath::Status exportPng16(const Heightfield& grid, const std::string& path, const GridRect& area);

}  // namespace landforge
