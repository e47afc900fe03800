#include "exporter/convert/frame_table.h"

#include "exporter/convert/frame_evaluator.h"
#include "exporter/convert/selection.h"
#include "exporter/convert/welder.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace korvath::convert {

int FrameTable::slot(int frame) const {
    return std::clamp(frame - startFrame, 0, std::max(frameCount - 1, 0));
}

namespace {

// A key-frame import must give the same meshes, with the same vertex counts, as the first.
bool matchesFirstImport(const SceneModel& model, const aiScene& first, const aiScene& other) {
    for (const ModelNode& node : model.nodes)
        for (const MeshPart& part : node.parts)
            if (part.meshIndex >= other.mNumMeshes ||
                first.mMeshes[part.meshIndex]->mNumVertices != other.mMeshes[part.meshIndex]->mNumVertices)
                return false;
    return true;
}

float largestComponent(const aiMatrix4x4& m, const std::vector<aiVector3D>& vertices, float largest) {
    for (const aiVector3D& v : vertices) {
        const aiVector3D w = m * v;
        largest = std::max({largest, std::fabs(w.x), std::fabs(w.y), std::fabs(w.z)});
    }
    return largest;
}

}  // namespace

bool buildFrameTable(LoadedModel& loaded, const std::string& path, int framesPerSecond,
                     FrameTable& table, std::string& error, const ProgressFn& progress) {
    SceneModel& model = loaded.model;
    const aiScene& scene = *loaded.scene;
    const std::size_t n = model.nodes.size();
    table = FrameTable{};
    table.startFrame = model.startFrame;
    table.frameCount = model.frameCount();
    table.nodes.resize(n);

    const aiAnimation* animation =
        model.chosenAnimation >= 0 ? scene.mAnimations[model.chosenAnimation] : nullptr;
    double ticksPerSecond = framesPerSecond;  // keys in frames when the file gives no rate
    if (animation != nullptr && animation->mTicksPerSecond > 0.0) ticksPerSecond = animation->mTicksPerSecond;
    FrameEvaluator main(model, scene, loaded.sourceNodes, animation, ticksPerSecond);
    if (!main.valid(error)) return false;

    std::vector<std::optional<Welder>> welders(n);
    std::vector<bool> exported(n, false), mirroredSkin(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        if (!model.nodes[i].hasMesh()) continue;
        welders[i].emplace(model.nodes[i].rawVertexCount);
        exported[i] = exclusionReason(model.nodes[i]).empty();
        table.nodes[i].transforms.reserve(std::size_t(table.frameCount));
        table.nodes[i].positions.reserve(std::size_t(table.frameCount) * model.nodes[i].rawVertexCount);
    }

    std::vector<aiVector3D> vertices;
    for (int f = 0; f < table.frameCount; ++f) {
        const int frame = table.startFrame + f;
        std::unique_ptr<Assimp::Importer> keyImport;
        std::optional<FrameEvaluator> keyEvaluator;
        FrameEvaluator* evaluator = &main;
        if (model.keyFramePerImport && f > 0) {
            keyImport = importKeyFrame(path, frame, error);
            if (!keyImport) return false;
            const aiScene& keyScene = *keyImport->GetScene();
            if (!matchesFirstImport(model, scene, keyScene)) {
                error = "key frame " + std::to_string(frame) + " does not match the first";
                return false;
            }
            keyEvaluator.emplace(model, keyScene, nodesDepthFirst(keyScene), nullptr, ticksPerSecond);
            if (!keyEvaluator->valid(error)) return false;
            evaluator = &*keyEvaluator;
            evaluator->pose(0.0);
        } else {
            evaluator->pose(model.keyFramePerImport ? 0.0 : double(frame) / framesPerSecond);
        }

        for (std::size_t i = 0; i < n; ++i) {
            if (!welders[i]) continue;
            const ModelNode& node = model.nodes[i];
            evaluator->vertices(int(i), vertices);
            aiMatrix4x4 transform = loaded.upRotation;
            if (node.skinned) {
                // Skinned vertices are world positions already. A skin on a mirrored node is
                // shown as mirrored through an exact reflection, so its winding is kept.
                if (f == 0) mirroredSkin[i] = evaluator->world(int(i)).Determinant() < 0.0f;
                if (mirroredSkin[i]) {
                    aiMatrix4x4 flip;
                    flip.c3 = -1.0f;
                    transform = transform * flip;
                    for (aiVector3D& v : vertices) v.z = -v.z;
                }
            } else {
                transform = transform * evaluator->world(int(i));
            }
            NodeFrames& frames = table.nodes[i];
            frames.transforms.push_back(transform);
            frames.positions.insert(frames.positions.end(), vertices.begin(), vertices.end());
            welders[i]->addFrame(vertices.data());
            if (exported[i])
                table.largestCoordinate = largestComponent(transform, vertices, table.largestCoordinate);
        }
        if (progress) progress(f + 1, table.frameCount);
    }

    for (std::size_t i = 0; i < n; ++i) {
        if (!welders[i]) continue;
        ModelNode& node = model.nodes[i];
        std::uint32_t kept = 0;
        node.weldMap = welders[i]->keptIndex(kept);
        node.vertexCount = kept;
        for (ModelFace& face : node.faces)
            for (std::uint32_t& c : face.corners) c = node.weldMap[c];
        if (kept == node.rawVertexCount) continue;
        // Keep each group's first vertex; the others sat on the same spot in every frame.
        std::vector<aiVector3D>& positions = table.nodes[i].positions;
        std::vector<aiVector3D> compact(std::size_t(table.frameCount) * kept);
        for (int f = 0; f < table.frameCount; ++f) {
            const aiVector3D* from = positions.data() + std::size_t(f) * node.rawVertexCount;
            aiVector3D* to = compact.data() + std::size_t(f) * kept;
            for (std::uint32_t v = node.rawVertexCount; v-- > 0;) to[node.weldMap[v]] = from[v];
        }
        positions = std::move(compact);
    }
    return true;
}

}  // namespace korvath::convert
