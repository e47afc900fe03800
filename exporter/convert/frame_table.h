#pragma once
// Every frame of the animation range, evaluated once before the export: each mesh node's
// object transform and its vertex positions in the host's Z-up world. Welding and --fit need
// all frames first, and the plug-in then reads them back frame by frame.
#include "exporter/convert/model_loader.h"

#include <assimp/matrix4x4.h>
#include <assimp/vector3.h>

#include <functional>
#include <string>
#include <vector>

namespace korvath::convert {

struct NodeFrames {
    std::vector<aiMatrix4x4> transforms;  // per frame: object → host world, before --scale
    std::vector<aiVector3D> positions;    // per frame, vertexCount each, object space
};

struct FrameTable {
    int startFrame = 0;
    int frameCount = 0;
    std::vector<NodeFrames> nodes;     // per model node; empty for nodes without a mesh
    float largestCoordinate = 0.0f;    // largest |x|, |y|, |z| the exporter will meet

    // `frame` is a host frame number; frames outside the range read the nearest end.
    int slot(int frame) const;
};

using ProgressFn = std::function<void(int done, int total)>;

// Evaluates frames startFrame … endFrame of `loaded.model`, welds every mesh node's vertices
// that coincide in all of them (updating the model's faces and vertex counts) and measures
// the largest coordinate of the exported nodes. False with `error` set on failure.
bool buildFrameTable(LoadedModel& loaded, const std::string& path, int framesPerSecond,
                     FrameTable& table, std::string& error, const ProgressFn& progress = {});

}  // namespace korvath::convert
