#include "exporter/convert/tests/mesh_file_reader.h"

#include "common/testing/temp_dir.h"

namespace korvath::convert::testing {

namespace {

unsigned u16(const std::string& b, std::size_t at) {
    return unsigned(std::uint8_t(b[at])) | unsigned(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t u32(const std::string& b, std::size_t at) {
    return std::uint32_t(u16(b, at)) | std::uint32_t(u16(b, at + 2)) << 16;
}

}  // namespace

MeshFiles readMeshFiles(const std::filesystem::path& dataPath, const std::filesystem::path& animPath) {
    MeshFiles out;
    const std::string data = korvath::testing::readFile(dataPath);
    const std::string anim = korvath::testing::readFile(animPath);
    if (data.size() < 48 || anim.size() < 4) return out;
    out.triangleCount = int(u16(data, 0));
    out.vertexCount = int(u16(data, 2));
    out.headerRestZero = data.substr(4, 44) == std::string(44, '\0');
    if (data.size() != 48 + 16 * std::size_t(out.triangleCount)) return out;
    for (int t = 0; t < out.triangleCount; ++t) {
        const std::size_t at = 48 + 16 * std::size_t(t);
        Triangle tri;
        for (int c = 0; c < 3; ++c) tri.v[std::size_t(c)] = int(u16(data, at + 2 * std::size_t(c)));
        tri.polygonType = std::uint8_t(data[at + 6]);
        for (int c = 0; c < 6; ++c) tri.uv[std::size_t(c)] = std::uint8_t(data[at + 8 + std::size_t(c)]);
        tri.textureNumber = std::uint8_t(data[at + 14]);
        out.triangles.push_back(tri);
    }
    out.frameCount = int(u16(anim, 0));
    out.frameSize = int(u16(anim, 2));
    if (anim.size() != 4 + std::size_t(out.frameCount) * std::size_t(out.frameSize)) return out;
    for (std::size_t at = 4; at + 4 <= anim.size(); at += 4) out.words.push_back(u32(anim, at));
    out.ok = true;
    return out;
}

}  // namespace korvath::convert::testing
