#pragma once
// Shared helpers of the tests that drive korvathexp.dle: the loaded library, a host with an
// in-memory scene, small meshes and little-endian readers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exporter/scene/plugin_library.h"
#include "exporter/scene/scene.h"

namespace korvath::exporter_test {

// The library built by this tree, loaded once for the test program.
scene::PluginLibrary& plugin();

struct Host {
    scene::ScriptedWindows windows;
    scene::Scene scene{windows};

    Host() { scene.setTicksPerFrame(160); }
    // Runs one export with a new exporter from the library.
    int exportTo(const std::string& path, bool suppressPrompts = true, hostsdk::DWORD options = 0);
    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> messageTexts() const;
};

// A mesh with `vertexCount` vertices at (i, 0, 0) and the given faces.
hostsdk::Mesh lineMesh(int vertexCount, std::vector<hostsdk::Face> faces);

std::uint16_t u16(const std::string& bytes, size_t offset);
std::uint32_t u32(const std::string& bytes, size_t offset);

}  // namespace korvath::exporter_test
