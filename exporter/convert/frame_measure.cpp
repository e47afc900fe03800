#include "exporter/convert/frame_measure.h"

#include "exporter/convert/host_scene.h"
#include "exporter/convert/selection.h"

#include <algorithm>
#include <cmath>

namespace korvath::convert {

std::uint32_t exportedVertexCount(const SceneModel& model) {
    std::uint32_t count = 0;
    for (const ModelNode& node : model.nodes)
        if (isExported(node)) count += node.vertexCount;
    return count;
}

FrameMeasure measureFrames(const SceneModel& model, FrameTable& table, const std::vector<int>& frames,
                           float scale) {
    FrameMeasure measure;
    measure.vertices = exportedVertexCount(model);
    std::vector<std::vector<bool>> outside(model.nodes.size());
    for (int frame : frames) {
        for (std::size_t i = 0; i < model.nodes.size(); ++i) {
            const ModelNode& node = model.nodes[i];
            if (!isExported(node)) continue;
            const hostsdk::Matrix3 tm = toHostMatrix(table.transform(int(i), frame), scale);
            const aiVector3D* positions = table.positions(int(i), frame);
            outside[i].resize(node.vertexCount);
            for (std::uint32_t v = 0; v < node.vertexCount; ++v) {
                const hostsdk::Point3 p = tm * hostsdk::Point3(positions[v].x, positions[v].y, positions[v].z);
                for (const float c : {p.x, p.y, p.z}) {
                    if (!std::isfinite(c)) {
                        if (measure.nonFinite.empty())
                            measure.nonFinite = "node \"" + node.name + "\", frame " + std::to_string(frame);
                        continue;
                    }
                    measure.largest = std::max(measure.largest, std::fabs(c));
                    if (c > 128.0f || c < -128.0f) outside[i][v] = true;
                }
            }
        }
    }
    for (const auto& flags : outside) measure.outside += std::uint32_t(std::count(flags.begin(), flags.end(), true));
    return measure;
}

}  // namespace korvath::convert
