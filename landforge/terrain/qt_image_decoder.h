#pragma once
// The one place that decodes image files (QImage): any BMP or PNG that QImage loads, 16-bit
// channels kept at full precision. Only the top-left 256 x 256 pixels are converted, so a
// heightmap of 8192 x 8192 from another tool loads too.
#include <optional>
#include <string>

#include "terrain/image_patch.h"

namespace landforge {

// nullopt when the bytes are not an image, or a bitmap that ends before its pixel rows do.
std::optional<GreyImage> decodeImageBytes(const std::string& bytes);
// nullopt also when the file cannot be read.
std::optional<GreyImage> decodeImageFile(const std::string& path);

}  // namespace landforge
