#pragma once
// The one place that decodes image files (QImage): any BMP or PNG that QImage loads, 16-bit
// channels kept at full precision.
#include <optional>
#include <string>

#include "terrain/image_patch.h"

namespace landforge {

// nullopt when the file does not load as an image.
std::optional<GreyImage> decodeImageFile(const std::string& path);

}  // namespace landforge
