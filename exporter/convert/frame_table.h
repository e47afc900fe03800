#pragma once
// The frames of the animation range as the host hands them to the plug-in: each mesh node's
// object transform and its (welded) vertex positions in the host's Z-up world.
//
// Welding and --fit must see every frame before the export. When neither has anything to do
// (no --fit, and no two vertices of a node share a spot in the first frame, as in indexed
// formats), frames are evaluated only when the plug-in asks for them, one at a time.
#include "exporter/convert/model_loader.h"

#include <assimp/matrix4x4.h>
#include <assimp/vector3.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvath::convert {

class FrameEvaluator;

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
    bool allFramesStored() const { return stored_; }

    // Node `node` at host frame `frame` (frames outside the range read the nearest end):
    // object → host world transform (before --scale), and vertexCount positions.
    const aiMatrix4x4& transform(int node, int frame);
    const aiVector3D* positions(int node, int frame);

    // The error of a frame evaluated on request (a key-frame import that failed), if any.
    const std::string& lateError() const { return lateError_; }

private:
    struct NodeFrames {
        std::vector<aiMatrix4x4> transforms;  // stored: per frame; on request: one
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
    bool stored_ = false;
    int cachedSlot_ = -1;
    float largest_ = 0.0f;
    std::unique_ptr<FrameEvaluator> main_;
    std::vector<bool> mirroredSkin_;
    std::vector<NodeFrames> nodes_;  // per model node; empty for nodes without a mesh
    std::vector<NodeFrames> scratch_;
    std::string lateError_;
};

}  // namespace korvath::convert
