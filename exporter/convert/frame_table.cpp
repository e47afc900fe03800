#include "exporter/convert/frame_table.h"

#include "exporter/convert/frame_evaluator.h"
#include "exporter/convert/selection.h"
#include "exporter/convert/welder.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace korvath::convert {

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

float largestComponent(const aiMatrix4x4& m, const aiVector3D* vertices, std::size_t count, float largest) {
    for (std::size_t v = 0; v < count; ++v) {
        const aiVector3D w = m * vertices[v];
        largest = std::max({largest, std::fabs(w.x), std::fabs(w.y), std::fabs(w.z)});
    }
    return largest;
}

// Keeps each group's first vertex; the others sat on the same spot in every frame.
void compact(const std::vector<std::uint32_t>& weldMap, const aiVector3D* from, aiVector3D* to) {
    for (std::size_t v = weldMap.size(); v-- > 0;) to[weldMap[v]] = from[v];
}

}  // namespace

FrameTable::FrameTable() = default;
FrameTable::~FrameTable() = default;

int FrameTable::slot(int frame) const { return std::clamp(frame - startFrame_, 0, std::max(frameCount_ - 1, 0)); }

// Evaluates one frame into `raw` (loader vertices, before welding), for every mesh node.
bool FrameTable::evaluate(int slot, std::vector<NodeFrames>& raw, std::string& error) {
    const SceneModel& model = loaded_->model;
    const int frame = startFrame_ + slot;
    std::unique_ptr<Assimp::Importer> keyImport;
    std::optional<FrameEvaluator> keyEvaluator;
    FrameEvaluator* evaluator = main_.get();
    if (model.keyFramePerImport && slot > 0) {
        keyImport = importKeyFrame(path_, frame, error);
        if (!keyImport) return false;
        const aiScene& keyScene = *keyImport->GetScene();
        if (!matchesFirstImport(model, *loaded_->scene, keyScene)) {
            error = "key frame " + std::to_string(frame) + " does not match the first";
            return false;
        }
        keyEvaluator.emplace(model, keyScene, nodesDepthFirst(keyScene), nullptr, framesPerSecond_);
        if (!keyEvaluator->valid(error)) return false;
        evaluator = &*keyEvaluator;
        evaluator->pose(0.0);
    } else {
        evaluator->pose(model.keyFramePerImport ? 0.0 : double(frame) / framesPerSecond_);
    }
    raw.resize(model.nodes.size());
    for (std::size_t i = 0; i < model.nodes.size(); ++i) {
        const ModelNode& node = model.nodes[i];
        if (!node.hasMesh()) continue;
        NodeFrames& out = raw[i];
        out.transforms.resize(1);
        evaluator->vertices(int(i), out.positions);
        aiMatrix4x4 transform = loaded_->upRotation;
        if (node.skinned) {
            // Skinned vertices are world positions already. A skin on a mirrored node is shown
            // as mirrored through an exact reflection, so its winding is kept.
            if (slot == 0) mirroredSkin_[i] = evaluator->world(int(i)).Determinant() < 0.0f;
            if (mirroredSkin_[i]) {
                aiMatrix4x4 flip;
                flip.c3 = -1.0f;
                transform = transform * flip;
                for (aiVector3D& v : out.positions) v.z = -v.z;
            }
        } else {
            transform = transform * evaluator->world(int(i));
        }
        out.transforms[0] = transform;
    }
    return true;
}

bool FrameTable::prepare(LoadedModel& loaded, const std::string& path, int framesPerSecond, bool measure,
                         std::string& error, const ProgressFn& progress) {
    loaded_ = &loaded;
    path_ = path;
    framesPerSecond_ = framesPerSecond;
    SceneModel& model = loaded.model;
    const aiScene& scene = *loaded.scene;
    const std::size_t n = model.nodes.size();
    startFrame_ = model.startFrame;
    frameCount_ = model.frameCount();

    const aiAnimation* animation = model.chosenAnimation >= 0 ? scene.mAnimations[model.chosenAnimation] : nullptr;
    double ticksPerSecond = framesPerSecond;  // keys count frames when the file gives no rate
    if (animation != nullptr && animation->mTicksPerSecond > 0.0) ticksPerSecond = animation->mTicksPerSecond;
    main_ = std::make_unique<FrameEvaluator>(model, scene, loaded.sourceNodes, animation, ticksPerSecond);
    if (!main_->valid(error)) return false;
    mirroredSkin_.assign(n, false);

    std::vector<std::optional<Welder>> welders(n);
    std::vector<bool> exported(n, false);
    if (!evaluate(0, scratch_, error)) return false;
    bool weldCandidates = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!model.nodes[i].hasMesh()) continue;
        welders[i].emplace(model.nodes[i].rawVertexCount);
        welders[i]->addFrame(scratch_[i].positions.data());
        std::uint32_t kept = 0;
        welders[i]->keptIndex(kept);
        weldCandidates = weldCandidates || kept < model.nodes[i].rawVertexCount;
        exported[i] = exclusionReason(model.nodes[i]).empty();
    }
    // Every frame is needed up front only to weld or to measure; one frame is stored anyway.
    stored_ = measure || frameCount_ == 1 || (weldCandidates && frameCount_ > 1);

    nodes_.assign(n, {});
    if (stored_) {
        for (std::size_t i = 0; i < n; ++i) {
            if (!welders[i]) continue;
            nodes_[i].transforms.reserve(std::size_t(frameCount_));
            nodes_[i].positions.reserve(std::size_t(frameCount_) * model.nodes[i].rawVertexCount);
        }
        for (int f = 0; f < frameCount_; ++f) {
            if (f > 0 && !evaluate(f, scratch_, error)) return false;
            for (std::size_t i = 0; i < n; ++i) {
                if (!welders[i]) continue;
                const NodeFrames& raw = scratch_[i];
                if (f > 0) welders[i]->addFrame(raw.positions.data());
                if (exported[i])
                    largest_ = largestComponent(raw.transforms[0], raw.positions.data(), raw.positions.size(), largest_);
                nodes_[i].transforms.push_back(raw.transforms[0]);
                nodes_[i].positions.insert(nodes_[i].positions.end(), raw.positions.begin(), raw.positions.end());
            }
            if (progress) progress(f + 1, frameCount_);
        }
    }

    for (std::size_t i = 0; i < n; ++i) {
        if (!welders[i]) continue;
        ModelNode& node = model.nodes[i];
        std::uint32_t kept = 0;
        node.weldMap = welders[i]->keptIndex(kept);
        node.vertexCount = kept;
        for (ModelFace& face : node.faces)
            for (std::uint32_t& c : face.corners) c = node.weldMap[c];
        if (!stored_ || kept == node.rawVertexCount) continue;
        std::vector<aiVector3D>& positions = nodes_[i].positions;
        std::vector<aiVector3D> welded(std::size_t(frameCount_) * kept);
        for (int f = 0; f < frameCount_; ++f)
            compact(node.weldMap, positions.data() + std::size_t(f) * node.rawVertexCount,
                    welded.data() + std::size_t(f) * kept);
        positions = std::move(welded);
    }
    if (!stored_) serve(0);  // frame 0 is in scratch_ already
    return true;
}

void FrameTable::serve(int slot) {
    // Frame 0 was left in scratch_ by prepare(); any other is evaluated now.
    if (cachedSlot_ >= 0 && !evaluate(slot, scratch_, lateError_)) {
        for (NodeFrames& frames : nodes_) std::fill(frames.positions.begin(), frames.positions.end(), aiVector3D());
        cachedSlot_ = slot;
        return;
    }
    const SceneModel& model = loaded_->model;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const ModelNode& node = model.nodes[i];
        if (!node.hasMesh()) continue;
        nodes_[i].transforms.assign(1, scratch_[i].transforms[0]);
        if (node.vertexCount == node.rawVertexCount) {
            nodes_[i].positions.swap(scratch_[i].positions);  // nothing welds: no copy
            continue;
        }
        nodes_[i].positions.resize(node.vertexCount);
        compact(node.weldMap, scratch_[i].positions.data(), nodes_[i].positions.data());
    }
    cachedSlot_ = slot;
}

const aiMatrix4x4& FrameTable::transform(int node, int frame) {
    const int s = slot(frame);
    if (stored_) return nodes_[std::size_t(node)].transforms[std::size_t(s)];
    if (s != cachedSlot_) serve(s);
    return nodes_[std::size_t(node)].transforms[0];
}

const aiVector3D* FrameTable::positions(int node, int frame) {
    const int s = slot(frame);
    const std::size_t count = loaded_->model.nodes[std::size_t(node)].vertexCount;
    if (stored_) return nodes_[std::size_t(node)].positions.data() + std::size_t(s) * count;
    if (s != cachedSlot_) serve(s);
    return nodes_[std::size_t(node)].positions.data();
}

}  // namespace korvath::convert
