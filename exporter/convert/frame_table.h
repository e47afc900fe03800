#pragma once
// The frames of the animation range as the host hands them to the plug-in: each mesh node's
// object transform and its (welded) vertex positions in the host's Z-up world.
//
// Frames are evaluated when the plug-in asks for them, one at a time. Welding and --fit may
// need a pass over every frame first: --fit always, welding only when vertices that share a
// spot in the first frame are not made from the same data (loaders that split vertices at
// face corners give copies of the same data, which stay together in every frame).
#include "exporter/convert/frame_evaluator.h"
#include "exporter/convert/model_loader.h"

#include <assimp/matrix4x4.h>
#include <assimp/vector3.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvath::convert {

using ProgressFn = std::function<void(int done, int total)>;

class FrameTable {
public:
    FrameTable();
    ~FrameTable();
    FrameTable(const FrameTable&) = delete;
    FrameTable& operator=(const FrameTable&) = delete;

    // Evaluates what welding and --fit (`measure`) need, welds every mesh node's vertices that
    // coincide in all frames (updating the model's faces and vertex counts) and gets ready to
    // serve frames. `loaded` must outlive the table. False with `error` set on failure.
    bool prepare(LoadedModel& loaded, const std::string& path, int framesPerSecond, bool measure,
                 std::string& error, const ProgressFn& progress = {});

    // Largest |x|, |y|, |z| the exporter will meet, over all frames (only with `measure`).
    float largestCoordinate() const { return largest_; }

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

    LoadedModel* loaded_ = nullptr;
    std::string path_;
    int framesPerSecond_ = 30;
    int startFrame_ = 0;
    int frameCount_ = 0;
    int cachedSlot_ = -1;   // the frame nodes_ holds
    int scratchSlot_ = -1;  // the frame scratch_ holds
    float largest_ = 0.0f;
    std::unique_ptr<FrameEvaluator> main_;
    std::vector<bool> mirroredSkin_;
    std::vector<std::vector<FrameEvaluator::VertexRef>> which_;  // per node: vertices evaluated
    std::vector<NodeFrames> nodes_;  // per model node; empty for nodes without a mesh
    std::vector<NodeFrames> scratch_;
    std::string lateError_;
};

}  // namespace korvath::convert
