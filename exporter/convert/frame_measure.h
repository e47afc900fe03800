#pragma once
// What the exporter meets in the positions it packs: the nodes it exports, at the frames of its
// frame list, each vertex moved by its transform times the scale exactly as the plug-in moves it.
#include "exporter/convert/frame_table.h"
#include "exporter/convert/scene_model.h"

#include "exporter/host/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvath::convert {

struct FrameMeasure {
    float largest = 0.0f;            // largest |x|, |y|, |z| of the finite coordinates
    std::uint32_t vertices = 0;      // vertices of the exported nodes
    std::uint32_t outside = 0;       // of those, the ones outside -128..128 in some frame
    std::string nonFinite;           // where a coordinate is not a number, if anywhere
};

// Adds up the measure frame by frame; the host feeds it what the plug-in packs as it goes.
class FrameMeasurer {
public:
    explicit FrameMeasurer(const SceneModel& model);
    void add(int node, int frame, const hostsdk::Matrix3& tm, const hostsdk::Point3* positions);
    FrameMeasure result() const;

private:
    const SceneModel& model_;
    FrameMeasure measure_;
    std::vector<std::vector<bool>> outside_;  // per node, per vertex
};

// The frames of `frames` evaluated once more and measured at `scale`.
FrameMeasure measureFrames(const SceneModel& model, FrameTable& table, const std::vector<int>& frames,
                           float scale);

// The vertices the exporter writes per frame: those of the nodes it exports.
std::uint32_t exportedVertexCount(const SceneModel& model);

}  // namespace korvath::convert
