#pragma once
// The frames of the animation range as the host hands them to the plug-in: each mesh node's
// object transform and its (welded) vertex positions in the host's Z-up world.
//
// Frames are evaluated when the plug-in asks for them, one at a time. Welding may need a pass
// over every frame first, when vertices that share a spot in the first frame are not made
// from the same data (loaders that split vertices at face corners give copies of the same
// data, which stay together in every frame).
#include "exporter/convert/frame_evaluator.h"
#include "exporter/convert/model_loader.h"

#include <assimp/matrix4x4.h>
#include <assimp/vector3.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace korvath::convert {

using ProgressFn = std::function<void(int done, int total)>;

class FrameTable {
public:
    FrameTable();
    ~FrameTable();
    FrameTable(const FrameTable&) = delete;
    FrameTable& operator=(const FrameTable&) = delete;

    // Evaluates what welding needs, welds every mesh node's vertices that coincide in all
    // frames (updating the model's faces and vertex counts) and gets ready to serve frames.
    // `loaded` must outlive the table. False with `error` set on failure.
    bool prepare(LoadedModel& loaded, const std::string& path, int framesPerSecond, std::string& error,
                 const ProgressFn& progress = {});

    // Node `node` at host frame `frame` (frames outside the range read the nearest end):
    // object → host world transform (before --scale), and vertexCount positions.
    const aiMatrix4x4& transform(int node, int frame);
    const aiVector3D* positions(int node, int frame);

    // The error of a frame evaluated on request (a key-frame import that failed), if any.
    const std::string& lateError() const { return lateError_; }

private:
    struct NodeFrames {
        std::vector<aiMatrix4x4> transforms;  // one: the frame served
        std::vector<aiVector3D> positions;
    };

    int slot(int frame) const;
    bool evaluate(int slot, std::vector<NodeFrames>& raw, std::string& error);
    void serve(int slot);
    void failServe(int slot);
    // The next frame is evaluated on a second thread while the exporter packs this one.
    void startAhead(int slot);
    void waitAhead();
    void aheadLoop();

    LoadedModel* loaded_ = nullptr;
    std::string path_;
    int framesPerSecond_ = 30;
    int startFrame_ = 0;
    int frameCount_ = 0;
    int cachedSlot_ = -1;   // the frame nodes_ holds
    int scratchSlot_ = -1;  // the frame scratch_ holds
    std::unique_ptr<FrameEvaluator> main_;
    std::vector<bool> mirroredSkin_;
    std::vector<std::vector<FrameEvaluator::VertexRef>> which_;  // per node: vertices evaluated
    std::vector<NodeFrames> nodes_;  // per model node; empty for nodes without a mesh
    std::vector<NodeFrames> scratch_;
    std::string lateError_;

    // Shared with the worker thread under mutex_; ahead_ and the evaluator belong to the
    // worker while aheadWanted_ is set.
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::atomic<int> aheadWanted_{-1};  // the slot being evaluated ahead
    int aheadSlot_ = -1;    // the slot ahead_ holds
    bool aheadOk_ = false;
    std::atomic<bool> stopping_{false};
    std::vector<NodeFrames> ahead_;
    std::string aheadError_;
};

}  // namespace korvath::convert
