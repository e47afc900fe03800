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
    workerWake_.notify_all();
    worker_.join();
}

void FrameTable::aheadLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        auto canWork = [this] { return nextSlot_ >= 0 && nextSlot_ < frameCount_ && ringReady_ < kRing; };
        if (!stopping_ && !canWork()) {
            // A full ring waits until the exporter has taken half of it.
            workerWaiting_ = true;
            workerWake_.wait(lock, [&] { return stopping_ || (canWork() && ringReady_ <= kRing / 2); });
            workerWaiting_ = false;
        }
        if (stopping_) return;
        const int slot = nextSlot_;
        const int generation = generation_;
        AheadFrame& frame = ring_[std::size_t((ringFirst_ + ringReady_) % kRing)];
        workerBusy_ = true;
        lock.unlock();
        std::string error;
        const bool ok = evaluate(slot, frame.nodes, error);
        lock.lock();
        workerBusy_ = false;
        if (generation == generation_) {
            frame.slot = slot;
            frame.ok = ok;
            frame.error = std::move(error);
            ++ringReady_;
            ++nextSlot_;
            if (readyWanted_ > 0 && (ringReady_ >= readyWanted_ || nextSlot_ >= frameCount_)) readyWake_.notify_one();
        } else {
            readyWake_.notify_one();  // a restart waits for this frame to end
        }
    }
}

// Takes `slot` from the ring, waiting when the worker is about to make it; false when the
// worker is elsewhere (the exporter skipped back or far ahead).
bool FrameTable::takeAhead(int slot) {
    std::unique_lock lock(mutex_);
    for (;;) {
        while (ringReady_ > 0 && ring_[std::size_t(ringFirst_)].slot < slot) {  // skipped frames
            ringFirst_ = (ringFirst_ + 1) % kRing;
            --ringReady_;
        }
        if (ringReady_ > 0) break;
        if (nextSlot_ < 0 || nextSlot_ >= frameCount_ || slot < nextSlot_ || slot >= nextSlot_ + kRing / 2)
            return false;
        // An exporter faster than the worker sleeps until half the ring is ready.
        readyWanted_ = std::min(std::max(slot - nextSlot_ + 1, kRing / 2), frameCount_ - nextSlot_);
        if (workerWaiting_) workerWake_.notify_one();
        readyWake_.wait(lock, [this] { return ringReady_ >= readyWanted_ || nextSlot_ >= frameCount_; });
        readyWanted_ = 0;
    }
    AheadFrame& frame = ring_[std::size_t(ringFirst_)];
    if (frame.slot != slot) return false;
    ringFirst_ = (ringFirst_ + 1) % kRing;
    --ringReady_;
    if (workerWaiting_ && ringReady_ <= kRing / 2) workerWake_.notify_one();
    if (!frame.ok) {
        lateError_ = frame.error;
        failServe(slot);
    } else {
        take(frame.nodes, slot);
    }
    return true;
}

// Stops the worker (after the frame it is on) and, with `slot` >= 0, sets it going from there.
void FrameTable::restartAhead(int slot) {
    std::unique_lock lock(mutex_);
    ++generation_;
    ringReady_ = 0;
    nextSlot_ = -1;
    readyWanted_ = 1;
    readyWake_.wait(lock, [this] { return !workerBusy_; });
    readyWanted_ = 0;
    if (slot < 0 || slot >= frameCount_) return;
    nextSlot_ = slot;
    if (!worker_.joinable()) worker_ = std::thread(&FrameTable::aheadLoop, this);
    workerWake_.notify_one();
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
        for (std::size_t i = 0; i < model.nodes.size(); ++i)
            if (model.nodes[i].hasMesh()) evaluator->choose(int(i), which_[i]);
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
                for (hostsdk::Point3& v : out.positions) v.z = -v.z;
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
        if (model.nodes[i].hasMesh()) {
            which_[i] = main_->allVertices(int(i));
            main_->choose(int(i), which_[i]);
        }

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
        main_->choose(int(i), which_[i]);
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
        nodes_[i].positions.assign(model.nodes[i].vertexCount, hostsdk::Point3());
        nodes_[i].lent = false;
    }
    cachedSlot_ = slot;
}

void FrameTable::take(std::vector<NodeFrames>& source, int slot) {
    const SceneModel& model = loaded_->model;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (!model.nodes[i].hasMesh()) continue;
        nodes_[i].transforms.assign(1, source[i].transforms[0]);
        nodes_[i].positions.swap(source[i].positions);
        nodes_[i].lent = false;
    }
    cachedSlot_ = slot;
}

void FrameTable::serve(int slot) {
    // Exporters ask for frames in order; key frames read from files stay on this thread.
    const bool ahead = !loaded_->model.keyFramePerImport && frameCount_ > 1;
    if (ahead && scratchSlot_ != slot && takeAhead(slot)) return;
    if (ahead) restartAhead(-1);  // the evaluator is ours again
    if (scratchSlot_ != slot && !evaluate(slot, scratch_, lateError_)) return failServe(slot);
    take(scratch_, slot);
    scratchSlot_ = -1;  // swapped away
    if (ahead) restartAhead(slot + 1);
}

const aiMatrix4x4& FrameTable::transform(int node, int frame) {
    const int s = slot(frame);
    if (s != cachedSlot_) serve(s);
    return nodes_[std::size_t(node)].transforms[0];
}

const hostsdk::Point3* FrameTable::positions(int node, int frame) {
    const int s = slot(frame);
    if (s != cachedSlot_ || nodes_[std::size_t(node)].lent) serve(s);
    return nodes_[std::size_t(node)].positions.data();
}

void FrameTable::lendPositions(int node, int frame, std::vector<hostsdk::Point3>& into) {
    const int s = slot(frame);
    NodeFrames& served = nodes_[std::size_t(node)];
    if (s != cachedSlot_ || served.lent) serve(s);
    into.swap(served.positions);
    served.lent = true;
}

}  // namespace korvath::convert
