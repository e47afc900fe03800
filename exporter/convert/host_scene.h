#pragma once
// Presents a converted model to the plug-in through the in-memory host scene: one host node per
// file node under the scene's root, meshes and world transforms read from the frame table.
#include "exporter/convert/frame_table.h"
#include "exporter/convert/scene_model.h"

#include "exporter/scene/scene.h"

#include <functional>

namespace korvath::convert {

struct HostSceneSettings {
    int ticksPerFrame = 160;
    float scale = 1.0f;
    // Called whenever the plug-in evaluates a node; the host uses it to pass Ctrl-C on.
    std::function<void()> onEvaluate;
};

// The tables must outlive `host`: its nodes read them when the plug-in evaluates them.
void fillHostScene(const SceneModel& model, FrameTable& table,
                   const HostSceneSettings& settings, scene::Scene& host);

// The host's row-vector form of a column-vector transform, every entry times `scale`.
hostsdk::Matrix3 toHostMatrix(const aiMatrix4x4& m, float scale);

}  // namespace korvath::convert
