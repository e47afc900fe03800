#pragma once
// The one place that decodes image files (QImage): any BMP or PNG that QImage loads, 16-bit
// channels kept at full precision. Only the top-left 256 x 256 pixels are converted, so a
// heightmap of 8192 x 8192 from another tool loads too.
//
// Memory stays bounded whatever size a file declares: a PNG is decoded only down to its 256th
// row, files are read as a stream, and an image whose decoded rows would need more than
// kMaxDecodedBytes (a 16384 x 16384 8-bit grey image still fits) is refused with its size named.
#include <cstdint>
#include <optional>
#include <string>

#include "common/result.h"
#include "landforge/terrain/image_patch.h"

namespace landforge {

inline constexpr std::int64_t kMaxDecodedBytes = std::int64_t{256} << 20;

// The image, or why there is none; the error is empty when the reason is no more than "not an
// image".
using ImageRead = korvath::Result<GreyImage>;
ImageRead readImageBytes(const std::string& bytes);
ImageRead readImageFile(const std::string& path);

// nullopt when the bytes are not an image, or a bitmap that ends before its pixel rows do.
std::optional<GreyImage> decodeImageBytes(const std::string& bytes);
// nullopt also when the file cannot be read.
std::optional<GreyImage> decodeImageFile(const std::string& path);

}  // namespace landforge
