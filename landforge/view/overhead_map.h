#pragma once
// The overhead map's picture: the whole height map in a 255 x 255 client area, north up, with
// the view area outlined.
#include <cstdint>
#include <vector>

#include "landforge/terrain/terrain_state.h"

namespace landforge {

inline constexpr int kOverheadSize = 255;
inline constexpr Rgb kOverheadOutline{220, 14, 118};

// Pixels as 0xAARRGGBB, row 0 at the top, kOverheadSize per row. Pixel (x, y) for y >= 1 shows
// point [x][256 - y] in its height colour; row 0 and points at the unset height -1 stay
// unpainted (alpha 0).
std::vector<std::uint32_t> overheadPixels(const TerrainState& terrain);

}  // namespace landforge
