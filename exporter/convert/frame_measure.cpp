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

FrameMeasurer::FrameMeasurer(const SceneModel& model) : model_(model), outside_(model.nodes.size()) {
    measure_.vertices = exportedVertexCount(model);
}

void FrameMeasurer::add(int index, int frame, const hostsdk::Matrix3& tm, const hostsdk::Point3* positions) {
    const ModelNode& node = model_.nodes[std::size_t(index)];
    std::vector<bool>& outside = outside_[std::size_t(index)];
    outside.resize(node.vertexCount);
    for (std::uint32_t v = 0; v < node.vertexCount; ++v) {
        const hostsdk::Point3 p = tm * positions[v];
        const float ax = std::fabs(p.x), ay = std::fabs(p.y), az = std::fabs(p.z);
        if (ax <= 128.0f && ay <= 128.0f && az <= 128.0f) {  // the usual case; false for not a number
            measure_.largest = std::max({measure_.largest, ax, ay, az});
            continue;
        }
        for (const float c : {p.x, p.y, p.z}) {
            if (!std::isfinite(c)) {
                if (measure_.nonFinite.empty())
                    measure_.nonFinite = "node \"" + node.name + "\", frame " + std::to_string(frame);
                continue;
            }
            measure_.largest = std::max(measure_.largest, std::fabs(c));
            if (c > 128.0f || c < -128.0f) outside[v] = true;
        }
    }
}

FrameMeasure FrameMeasurer::result() const {
    FrameMeasure measure = measure_;
    for (const auto& flags : outside_) measure.outside += std::uint32_t(std::count(flags.begin(), flags.end(), true));
    return measure;
}

FrameMeasure measureFrames(const SceneModel& model, FrameTable& table, const std::vector<int>& frames,
                           float scale) {
    FrameMeasurer measurer(model);
    for (int frame : frames)
        for (std::size_t i = 0; i < model.nodes.size(); ++i)
            if (isExported(model.nodes[i]))
                measurer.add(int(i), frame, toHostMatrix(table.transform(int(i), frame), scale),
                             table.positions(int(i), frame));
    return measurer.result();
}

}  // namespace korvath::convert
