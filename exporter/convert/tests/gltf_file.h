#pragma once
// A glTF 2 file read by the tests themselves: its JSON and the numbers of its accessors.
#include "exporter/convert/tests/hand_math.h"
#include "exporter/convert/tests/mini_json.h"

#include <filesystem>
#include <string>
#include <vector>

namespace korvath::convert::testing {

struct GltfFile {
    Json json;
    std::vector<std::string> buffers;

    // All components of the accessor as numbers (floats or integers), element after element.
    std::vector<double> accessor(int index) const;
    // A node's own transform from its matrix or translation, rotation and scale.
    M4 nodeTransform(int node) const;
};

GltfFile readGltf(const std::filesystem::path& path);

}  // namespace korvath::convert::testing
