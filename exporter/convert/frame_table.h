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
    const hostsdk::Point3* positions(int node, int frame);
    // The same positions moved into `into` without a copy (its old contents come back to the
    // table as a buffer), for the host mesh that shows them.
    void lendPositions(int node, int frame, std::vector<hostsdk::Point3>& into);

    // The error of a frame evaluated on request (a key-frame import that failed), if any.
    const std::string& lateError() const { return lateError_; }

private:
    struct NodeFrames {
        std::vector<aiMatrix4x4> transforms;  // one: the frame served
        std::vector<hostsdk::Point3> positions;
        bool lent = false;  // positions were moved out by lendPositions()
    };

    int slot(int frame) const;
    bool evaluate(int slot, std::vector<NodeFrames>& raw, std::string& error);
    void serve(int slot);
    void failServe(int slot);
    void take(std::vector<NodeFrames>& source, int slot);
    // Frames ahead of the one served are evaluated in order on a second thread into a ring of
    // frames while the exporter packs; the faster side sleeps until the ring is half full (or
    // half empty), so the two wake each other a few times per export, not every frame.
    bool takeAhead(int slot);
    void restartAhead(int slot);
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

    // Shared with the worker under mutex_. The evaluator and the ring entry after the last
    // ready one belong to the worker while it is busy.
    struct AheadFrame {
        int slot = -1;
        bool ok = false;
        std::string error;
        std::vector<NodeFrames> nodes;
    };
    static constexpr int kRing = 8;
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable workerWake_;
    std::condition_variable readyWake_;
    std::vector<AheadFrame> ring_ = std::vector<AheadFrame>(kRing);
    int ringFirst_ = 0;  // the oldest ready frame
    int ringReady_ = 0;  // ready frames from ringFirst_ on
    int nextSlot_ = -1;  // the slot the worker evaluates next; -1 while it is to rest
    int generation_ = 0;  // counts restarts, so a frame begun before one is dropped
    bool workerBusy_ = false;
    bool workerWaiting_ = false;
    int readyWanted_ = 0;  // ready frames the consumer sleeps for; 0 while it does not
    bool stopping_ = false;
};

}  // namespace korvath::convert
