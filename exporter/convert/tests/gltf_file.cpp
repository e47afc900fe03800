#include "exporter/convert/tests/gltf_file.h"

#include "common/testing/temp_dir.h"

#include <cstring>
#include <stdexcept>

namespace korvath::convert::testing {

GltfFile readGltf(const std::filesystem::path& path) {
    GltfFile file;
    file.json = parseJson(korvath::testing::readFile(path));
    for (const Json& buffer : file.json["buffers"].items) {
        const std::string& uri = buffer["uri"].text;
        const std::size_t comma = uri.find(',');
        if (uri.rfind("data:", 0) == 0 && comma != std::string::npos)
            file.buffers.push_back(decodeBase64(uri.substr(comma + 1)));
        else
            file.buffers.push_back(korvath::testing::readFile(path.parent_path() / uri));
    }
    return file;
}

std::vector<double> GltfFile::accessor(int index) const {
    const Json& a = json["accessors"][std::size_t(index)];
    const Json& view = json["bufferViews"][std::size_t(a["bufferView"].asInt())];
    const std::string& bytes = buffers.at(std::size_t(view["buffer"].asInt()));
    const std::string& type = a["type"].text;
    const int components = type == "SCALAR" ? 1 : type == "VEC2" ? 2 : type == "VEC3" ? 3 : type == "VEC4" ? 4 : 16;
    const int componentType = a["componentType"].asInt();
    const std::size_t size = componentType == 5126 || componentType == 5125 ? 4 : componentType == 5123 ? 2 : 1;
    const std::size_t stride = view.has("byteStride") ? std::size_t(view["byteStride"].asInt()) : size * std::size_t(components);
    const std::size_t start = std::size_t(view.has("byteOffset") ? view["byteOffset"].asInt() : 0) +
                              std::size_t(a.has("byteOffset") ? a["byteOffset"].asInt() : 0);
    std::vector<double> out;
    for (int e = 0; e < a["count"].asInt(); ++e)
        for (int c = 0; c < components; ++c) {
            const std::size_t at = start + std::size_t(e) * stride + std::size_t(c) * size;
            if (at + size > bytes.size()) throw std::runtime_error("accessor outside its buffer");
            if (componentType == 5126) {
                float f;
                std::memcpy(&f, bytes.data() + at, 4);
                out.push_back(f);
            } else {
                std::uint32_t v = 0;
                std::memcpy(&v, bytes.data() + at, size);
                out.push_back(double(v));
            }
        }
    return out;
}

M4 GltfFile::nodeTransform(int index) const {
    const Json& node = json["nodes"][std::size_t(index)];
    if (node.has("matrix")) {
        const std::vector<double> m = node["matrix"].numbers();  // column major
        M4 out;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) out.at(r, c) = m[std::size_t(c * 4 + r)];
        return out;
    }
    V3 t{0, 0, 0}, s{1, 1, 1};
    std::array<double, 4> q{0, 0, 0, 1};
    if (node.has("translation")) { auto v = node["translation"].numbers(); t = {v[0], v[1], v[2]}; }
    if (node.has("scale")) { auto v = node["scale"].numbers(); s = {v[0], v[1], v[2]}; }
    if (node.has("rotation")) { auto v = node["rotation"].numbers(); q = {v[0], v[1], v[2], v[3]}; }
    return fromTrs(t, q, s);
}

}  // namespace korvath::convert::testing
