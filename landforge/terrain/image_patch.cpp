#include "landforge/terrain/image_patch.h"

#include <algorithm>

namespace landforge {

bool loadImagePatch(ImportPatch& patch, const GreyImage& image) {
    if (image.width < 1 || image.height < 1 ||
        image.heights.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return false;
    int w = std::min(image.width, kGridSize);
    int h = std::min(image.height, kGridSize);
    for (int j = 0; j < h; ++j) {
        int row = h - 1 - j;
        for (int c = 0; c < w; ++c) {
            float z = image.heights[static_cast<std::size_t>(row) * image.width + c];
            patch.point(c, j) = {static_cast<float>(10 * c), static_cast<float>(10 * j), z};
        }
    }
    patch.importWidth = w;
    patch.importHeight = h;
    return true;
}

}  // namespace landforge
