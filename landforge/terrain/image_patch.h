#pragma once
// A decoded image as heights, and how it becomes the import patch. Decoding itself lives in
// the Qt adapter (qt_image_decoder.h); everything after it is here.
#include <vector>

#include "landforge/terrain/terrain_state.h"

namespace landforge {

// Heights 0-255 (fractions kept) of the image's pixels, top row first.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<float> heights;  // width * height, row r at r * width
};

// The patch takes the left 256 columns and top 256 rows; the bottom image row becomes patch
// row 0. False (patch untouched) when the image is empty or its pixel count does not match.
bool loadImagePatch(ImportPatch& patch, const GreyImage& image);

}  // namespace landforge
