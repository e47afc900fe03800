#include "exporter/convert/frame_table.h"

#include "exporter/convert/frame_evaluator.h"
#include "exporter/convert/welder.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <chrono>
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

}  // namespace

FrameTable::FrameTable() = default;

FrameTable::~FrameTable() {
    if (!worker_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

namespace {

// A frame takes well under a millisecond; waiting that long awake costs less than being woken
// (on virtual machines an idle processor sleeps and takes long to wake).
template <typename Done>
void spinUntil(const Done& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(500);
    while (!done() && std::chrono::steady_clock::now() < until) std::this_thread::yield();
}

}  // namespace

void FrameTable::aheadLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!stopping_ && aheadWanted_ < 0) {
            lock.unlock();
            spinUntil([this] { return stopping_ || aheadWanted_ >= 0; });
            lock.lock();
        }
        changed_.wait(lock, [this] { return stopping_ || aheadWanted_ >= 0; });
        if (stopping_) return;
        const int slot = aheadWanted_;
        lock.unlock();
        std::string error;
        const bool ok = evaluate(slot, ahead_, error);
        lock.lock();
        aheadSlot_ = slot;
        aheadOk_ = ok;
        aheadError_ = std::move(error);
        aheadWanted_ = -1;
        changed_.notify_all();
    }
}

void FrameTable::startAhead(int slot) {
    if (!worker_.joinable()) worker_ = std::thread(&FrameTable::aheadLoop, this);
    {
        std::lock_guard lock(mutex_);
        aheadSlot_ = -1;
        aheadWanted_ = slot;
    }
    changed_.notify_all();
}

void FrameTable::waitAhead() {
    if (!worker_.joinable()) return;
    spinUntil([this] { return aheadWanted_ < 0; });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return aheadWanted_ < 0; });
}

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
        evaluator->vertices(int(i), which_[i], out.positions);
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
    if (&raw == &scratch_) scratchSlot_ = slot;
    return true;
}

bool FrameTable::prepare(LoadedModel& loaded, const std::string& path, int framesPerSecond,
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
    which_.assign(n, {});
    for (std::size_t i = 0; i < n; ++i)
        if (model.nodes[i].hasMesh()) which_[i] = main_->allVertices(int(i));

    std::vector<std::optional<Welder>> welders(n);
    if (!evaluate(0, scratch_, error)) return false;
    // Vertices that share a spot in the first frame and are made from the same data share it
    // in every frame; only other coinciding vertices need the later frames to decide.
    bool undecided = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!model.nodes[i].hasMesh()) continue;
        welders[i].emplace(model.nodes[i].rawVertexCount);
        welders[i]->addFrame(scratch_[i].positions.data());
        for (const auto& group : welders[i]->groups()) {
            if (undecided) break;
            for (std::size_t m = 1; m < group.size() && !undecided; ++m)
                undecided = model.keyFramePerImport || !main_->sameRecipe(int(i), group.front(), group[m]);
        }
    }
    if (undecided) {
        for (int f = 1; f < frameCount_; ++f) {
            if (!evaluate(f, scratch_, error)) return false;
            for (std::size_t i = 0; i < n; ++i)
                if (welders[i]) welders[i]->addFrame(scratch_[i].positions.data());
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
        if (kept == node.rawVertexCount) continue;
        // From now on only the first vertex of each welded group is evaluated.
        std::vector<FrameEvaluator::VertexRef> first(kept);
        for (std::uint32_t v = node.rawVertexCount; v-- > 0;) first[node.weldMap[v]] = which_[i][v];
        which_[i] = std::move(first);
        scratchSlot_ = -1;
    }
    nodes_.assign(n, {});
    cachedSlot_ = -1;
    serve(0);  // frame 0 may still be in scratch_
    return lateError_.empty() || (error = lateError_, false);
}

void FrameTable::failServe(int slot) {
    // The export goes on with zeros; the host reports the error and fails the run.
    const SceneModel& model = loaded_->model;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        nodes_[i].transforms.assign(1, aiMatrix4x4());
        nodes_[i].positions.assign(model.nodes[i].vertexCount, aiVector3D());
    }
    cachedSlot_ = slot;
}

void FrameTable::serve(int slot) {
    const SceneModel& model = loaded_->model;
    waitAhead();  // the evaluator is ours again
    std::vector<NodeFrames>* source = &scratch_;
    if (aheadSlot_ == slot && scratchSlot_ != slot) {
        aheadSlot_ = -1;
        if (!aheadOk_) {
            lateError_ = aheadError_;
            return failServe(slot);
        }
        source = &ahead_;
    } else if (scratchSlot_ != slot && !evaluate(slot, scratch_, lateError_)) {
        return failServe(slot);
    }
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const ModelNode& node = model.nodes[i];
        if (!node.hasMesh()) continue;
        nodes_[i].transforms.assign(1, (*source)[i].transforms[0]);
        nodes_[i].positions.swap((*source)[i].positions);
    }
    if (source == &scratch_) scratchSlot_ = -1;  // swapped away
    cachedSlot_ = slot;
    // Exporters ask for frames in order; key frames read from files stay on this thread.
    if (!model.keyFramePerImport && slot + 1 < frameCount_) startAhead(slot + 1);
}

const aiMatrix4x4& FrameTable::transform(int node, int frame) {
    const int s = slot(frame);
    if (s != cachedSlot_) serve(s);
    return nodes_[std::size_t(node)].transforms[0];
}

const aiVector3D* FrameTable::positions(int node, int frame) {
    const int s = slot(frame);
    if (s != cachedSlot_) serve(s);
    return nodes_[std::size_t(node)].positions.data();
}

}  // namespace korvath::convert
