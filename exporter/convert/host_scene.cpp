#include "exporter/convert/host_scene.h"

#include "exporter/convert/host_materials.h"

#include <memory>

namespace korvath::convert {

using hostsdk::Matrix3;
using hostsdk::Point3;

Matrix3 toHostMatrix(const aiMatrix4x4& m, float s) {
    return {Point3(m.a1 * s, m.b1 * s, m.c1 * s), Point3(m.a2 * s, m.b2 * s, m.c2 * s),
            Point3(m.a3 * s, m.b3 * s, m.c3 * s), Point3(m.a4 * s, m.b4 * s, m.c4 * s)};
}

namespace {

hostsdk::Mesh staticMeshPart(const ModelNode& node) {
    hostsdk::Mesh mesh;
    mesh.faces.reserve(node.faces.size());
    for (const ModelFace& f : node.faces)
        mesh.faces.emplace_back(f.corners[0], f.corners[1], f.corners[2], f.materialId);
    if (!node.textureVertices.empty()) {
        mesh.tVerts.reserve(node.textureVertices.size());
        for (const aiVector2D& uv : node.textureVertices) mesh.tVerts.emplace_back(uv.x, uv.y, 0.0f);
        mesh.tvFace.reserve(node.faces.size());
        for (const ModelFace& f : node.faces)
            mesh.tvFace.emplace_back(f.uvCorners[0], f.uvCorners[1], f.uvCorners[2]);
    }
    return mesh;
}

void fillNode(const SceneModel& model, FrameTable& table, const HostSceneSettings& settings,
              int index, scene::SceneNode& hostNode, HostMaterials& materials) {
    const ModelNode& node = model.nodes[std::size_t(index)];
    if (!node.hasMesh()) {
        hostNode.setObjectKind(scene::ObjectKind::Helper);
    } else {
        auto fixed = std::make_shared<hostsdk::Mesh>(staticMeshPart(node));
        const int ticksPerFrame = settings.ticksPerFrame;
        const float scale = settings.scale;
        auto onEvaluate = settings.onEvaluate;
        auto frameAt = [ticksPerFrame](hostsdk::TimeValue t) {
            return t >= 0 ? t / ticksPerFrame : -((-t + ticksPerFrame - 1) / ticksPerFrame);
        };
        hostNode.setMeshEvaluator([&table, index, fixed, frameAt, onEvaluate](hostsdk::TimeValue t,
                                                                                  hostsdk::Mesh& mesh) {
            if (onEvaluate) onEvaluate();
            if (mesh.faces.size() != fixed->faces.size() || mesh.tvFace.size() != fixed->tvFace.size()) {
                mesh.faces = fixed->faces;
                mesh.tVerts = fixed->tVerts;
                mesh.tvFace = fixed->tvFace;
            }
            table.lendPositions(index, frameAt(t), mesh.verts);
        });
        hostNode.setTransformEvaluator([&table, index, frameAt, scale](hostsdk::TimeValue t) {
            return toHostMatrix(table.transform(index, frameAt(t)), scale);
        });
        // The frame table holds world transforms already.
        hostNode.setInheritsParent(false);
        hostNode.setMaterial(materials.forNode(node));
    }
    for (int child : node.children) {
        scene::SceneNode& hostChild = hostNode.addChild(model.nodes[std::size_t(child)].name);
        fillNode(model, table, settings, child, hostChild, materials);
    }
}

}  // namespace

void fillHostScene(const SceneModel& model, FrameTable& table,
                   const HostSceneSettings& settings, scene::Scene& host) {
    host.setTicksPerFrame(settings.ticksPerFrame);
    host.setAnimRange(model.startFrame * settings.ticksPerFrame, model.endFrame * settings.ticksPerFrame);
    HostMaterials materials(model, host);
    const ModelNode& root = model.nodes.front();
    for (int child : root.children) {
        scene::SceneNode& hostChild = host.root().addChild(model.nodes[std::size_t(child)].name);
        fillNode(model, table, settings, child, hostChild, materials);
    }
}

}  // namespace korvath::convert
