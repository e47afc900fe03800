#include "exporter/convert/scene_listing.h"

#include "exporter/convert/host_materials.h"
#include "exporter/convert/selection.h"

#include "exporter/plugin/export_rules.h"
#include "exporter/scene/scripted_windows.h"

namespace korvath::convert {

namespace {

// Each material ID of an exported node with the polygon type and texture number its faces get.
void listMaterials(const SceneModel& model, const ModelNode& node, HostMaterials& materials, int depth,
                   std::ostream& out) {
    hostsdk::Mtl* hostMaterial = materials.forNode(node);
    for (std::size_t id = 0; id < node.materials.size(); ++id) {
        const ModelMaterial& m = model.materials[std::size_t(node.materials[id])];
        const korvathexp::PolygonType type = korvathexp::PolygonTypeOf(hostMaterial, hostsdk::MtlID(id));
        out << std::string(std::size_t(depth) * 2 + 4, ' ') << "material " << id << " \"" << m.name << "\": ";
        if (type.noMaterial) {
            out << (m.invented ? "made up by the import library, " : "") << "no material (polygon type 0)\n";
            continue;
        }
        out << "polygon type " << int(type.type) << ", texture number ";
        if (type.textureNumber) out << *type.textureNumber << '\n';
        else out << "unchanged (the last \"skin\" material's, else 0)\n";
    }
}

void listNode(const SceneModel& model, HostMaterials& materials, int index, int depth, std::ostream& out) {
    const ModelNode& node = model.nodes[std::size_t(index)];
    out << std::string(std::size_t(depth) * 2, ' ') << '"' << node.name << "\": ";
    const std::string reason = exclusionReason(node);
    if (reason.empty()) {
        out << "exported (" << node.rawVertexCount << " vertices before welding, " << node.faces.size()
            << " triangles, " << node.materials.size() << " material(s)" << (node.skinned ? ", skinned" : "")
            << ")\n";
        listMaterials(model, node, materials, depth, out);
    } else {
        out << "not exported: " << reason << '\n';
    }
    for (int child : node.children) listNode(model, materials, child, depth + 1, out);
}

}  // namespace

void listScene(const LoadedModel& loaded, int framesPerSecond, std::ostream& out) {
    const SceneModel& model = loaded.model;
    scene::ScriptedWindows windows;
    scene::Scene host(windows);
    HostMaterials materials(model, host);
    out << "Nodes:\n";
    for (int child : model.nodes.front().children) listNode(model, materials, child, 1, out);
    out << "Animations:";
    if (model.animations.empty()) out << " none";
    out << '\n';
    for (std::size_t i = 0; i < model.animations.size(); ++i) {
        const AnimationInfo& a = model.animations[i];
        out << "  \"" << a.name << "\": " << a.durationTicks << " ticks at ";
        if (a.ticksPerSecond > 0.0) out << a.ticksPerSecond << " ticks per second";
        else out << "the frame rate (the file gives none)";
        out << (int(i) == model.chosenAnimation ? " (chosen)" : "") << '\n';
    }
    if (model.keyFramePerImport) out << "Key frames: " << model.frameCount() << '\n';
    out << "Range: frames " << model.startFrame << " to " << model.endFrame << " at " << framesPerSecond
        << " frames per second\n";
}

}  // namespace korvath::convert
