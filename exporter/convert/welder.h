#pragma once
// Finds the vertices of one mesh that lie on the same spot in every frame, so that the vertices
// a loader split at face corners become one again.
#include "exporter/host/types.h"

#include <cstdint>
#include <vector>

namespace korvath::convert {

class Welder {
public:
    explicit Welder(std::uint32_t vertexCount);

    // One frame's positions (vertexCount of them). The first frame groups equal positions;
    // each later frame splits a group whose members no longer coincide.
    void addFrame(const hostsdk::Point3* positions);

    // Old vertex → kept vertex. Kept vertices are numbered in the order of their first
    // member, so a mesh without coinciding vertices keeps its order.
    std::vector<std::uint32_t> keptIndex(std::uint32_t& keptCount) const;

    // The groups of vertices that coincide in every frame added so far, members ascending.
    const std::vector<std::vector<std::uint32_t>>& groups() const { return members_; }

private:
    std::uint32_t count_;
    bool started_ = false;
    std::vector<std::uint32_t> groupOf_;
    std::vector<std::vector<std::uint32_t>> members_;  // per group, ascending
};

}  // namespace korvath::convert
