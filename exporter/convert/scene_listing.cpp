#include "exporter/convert/scene_listing.h"

#include "exporter/convert/selection.h"

namespace korvath::convert {

namespace {

void listNode(const SceneModel& model, int index, int depth, std::ostream& out) {
    const ModelNode& node = model.nodes[std::size_t(index)];
    out << std::string(std::size_t(depth) * 2, ' ') << '"' << node.name << "\": ";
    const std::string reason = exclusionReason(node);
    if (reason.empty())
        out << "exported (" << node.rawVertexCount << " vertices before welding, " << node.faces.size()
            << " triangles, " << node.materials.size() << " material(s)" << (node.skinned ? ", skinned" : "")
            << ")\n";
    else
        out << "not exported: " << reason << '\n';
    for (int child : node.children) listNode(model, child, depth + 1, out);
}

}  // namespace

void listScene(const LoadedModel& loaded, int framesPerSecond, std::ostream& out) {
    const SceneModel& model = loaded.model;
    out << "Nodes:\n";
    for (int child : model.nodes.front().children) listNode(model, child, 1, out);
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
