#pragma once
// What the exporter will meet in the positions it packs: the nodes it exports, at the frames of
// its frame list, each vertex moved by its transform times the scale exactly as the plug-in
// moves it.
#include "exporter/convert/frame_table.h"
#include "exporter/convert/scene_model.h"

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

FrameMeasure measureFrames(const SceneModel& model, FrameTable& table, const std::vector<int>& frames,
                           float scale);

// The vertices the exporter writes per frame: those of the nodes it exports.
std::uint32_t exportedVertexCount(const SceneModel& model);

}  // namespace korvath::convert
