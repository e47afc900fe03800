#include "exporter/scene/tests/test_scene.h"

#include <gtest/gtest.h>

namespace korvath::exporter_test {

using namespace hostsdk;

scene::PluginLibrary& plugin() {
    static std::unique_ptr<scene::PluginLibrary> library = [] {
        std::string error;
        auto loaded = scene::PluginLibrary::load(KORVATHEXP_PLUGIN_PATH, error);
        if (!loaded) ADD_FAILURE() << error;
        return loaded;
    }();
    if (!library) std::abort();  // the test program cannot go on without the library
    return *library;
}

int Host::exportTo(const std::string& path, bool suppressPrompts, DWORD options) {
    auto exporter = plugin().createExporter();
    if (!exporter) {
        ADD_FAILURE() << "the library made no exporter";
        return -1;
    }
    ExpInterface unused;
    return exporter->DoExport(path.c_str(), &unused, &scene, suppressPrompts ? TRUE : FALSE, options);
}

std::vector<std::string> Host::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : windows.messages()) texts.push_back(shown.text);
    return texts;
}

Mesh lineMesh(int vertexCount, std::vector<Face> faces) {
    Mesh mesh;
    for (int i = 0; i < vertexCount; ++i) mesh.verts.push_back({static_cast<float>(i), 0.0f, 0.0f});
    mesh.faces = std::move(faces);
    return mesh;
}

std::uint16_t u16(const std::string& bytes, size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(offset)) |
                                      static_cast<unsigned char>(bytes.at(offset + 1)) << 8);
}

std::uint32_t u32(const std::string& bytes, size_t offset) {
    return static_cast<std::uint32_t>(u16(bytes, offset)) | static_cast<std::uint32_t>(u16(bytes, offset + 2)) << 16;
}

}  // namespace korvath::exporter_test
