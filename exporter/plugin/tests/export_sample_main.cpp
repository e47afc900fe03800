// export-sample PLUGIN OUT_FOLDER: a scripted host that loads the plug-in library and exports a
// fixed animated scene (materials, texture corners, a mirrored node, 12 frames) to
// OUT_FOLDER/sample_d.3d and sample_a.3d. The Windows build's files are compared with the
// Linux build's byte for byte.
#include <cmath>
#include <iostream>
#include <string>

#include "exporter/scene/plugin_library.h"
#include "exporter/scene/scene.h"

using namespace hostsdk;

namespace {

void fillScene(korvath::scene::Scene& scene) {
    scene.setTicksPerFrame(160);
    scene.setAnimRange(0, 160 * 11);
    auto& multi = scene.addMulti("multi");
    auto& skin = scene.addStandard("Skin3.Mask");
    auto& gun = scene.addStandard("gun.weapon");
    multi.subMaterials = {&skin, &gun};

    Mesh body;
    for (int i = 0; i < 8; ++i)
        body.verts.push_back({std::cos(i * 0.7f) * 3.0f, std::sin(i * 0.7f) * 2.5f, static_cast<float>(i) * 0.75f});
    body.faces = {Face(0, 1, 2, 0), Face(2, 3, 4, 1), Face(4, 5, 6, 0), Face(6, 7, 0, 1)};
    body.tVerts = {{0.0f, 0.0f, 0}, {1.0f, 1.0f, 0}, {1.5f, -0.25f, 0}, {0.3f, 0.6f, 0}};
    body.tvFace = {TVFace(0, 1, 2), TVFace(1, 2, 3), TVFace(3, 0, 1), TVFace(2, 3, 0)};
    auto& node = scene.root().addChild("body");
    node.setMesh(body);
    node.setMaterial(&multi);
    node.setTransformEvaluator([](TimeValue t) { return TransMatrix({t / 160.0f * 0.5f, 0, 1.25f}); });

    auto& mirrored = scene.root().addChild("mirrored");
    mirrored.setMesh(body);
    mirrored.setMaterial(&skin);
    mirrored.setTransform(ScaleMatrix({1, -1, 1}));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: export-sample PLUGIN OUT_FOLDER\n";
        return 2;
    }
    std::string error;
    auto library = korvath::scene::PluginLibrary::load(argv[1], error);
    if (!library) {
        std::cerr << "export-sample: " << error << "\n";
        return 1;
    }
    korvath::scene::ScriptedWindows windows;
    korvath::scene::Scene scene(windows);
    fillScene(scene);
    auto exporter = library->createExporter();
    if (!exporter) {
        std::cerr << "export-sample: the library made no exporter\n";
        return 1;
    }
    ExpInterface unused;
    std::string target = std::string(argv[2]) + "/sample_d.3d";
    int result = exporter->DoExport(target.c_str(), &unused, &scene, TRUE, 0);
    for (const auto& shown : windows.messages()) std::cout << "message: " << shown.text << "\n";
    std::cout << "export: " << result << "\n";
    return result == 1 ? 0 : 1;
}
