#pragma once
// Reads the data and animation files our code wrote, field by field, for the tests' checks.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace korvath::convert::testing {

struct Triangle {
    std::array<int, 3> v{};
    int polygonType = 0;
    std::array<int, 6> uv{};
    int textureNumber = 0;
};

struct MeshFiles {
    bool ok = false;
    int triangleCount = 0, vertexCount = 0;
    bool headerRestZero = false;
    std::vector<Triangle> triangles;
    int frameCount = 0, frameSize = 0;
    std::vector<std::uint32_t> words;  // every packed vertex, frame after frame

    std::uint32_t word(int frame, int vertex) const {
        return words.at(std::size_t(frame) * std::size_t(vertexCount) + std::size_t(vertex));
    }
};

MeshFiles readMeshFiles(const std::filesystem::path& data, const std::filesystem::path& animation);

}  // namespace korvath::convert::testing
