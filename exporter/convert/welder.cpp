#include "exporter/convert/welder.h"

#include <cstring>
#include <unordered_map>

namespace korvath::convert {

namespace {

struct PositionKey {
    float x, y, z;
    bool operator==(const PositionKey& o) const { return x == o.x && y == o.y && z == o.z; }
};

struct PositionHash {
    std::size_t operator()(const PositionKey& k) const {
        // +0 and -0 compare equal, so they must hash alike.
        auto bits = [](float f) {
            if (f == 0.0f) f = 0.0f;
            std::uint32_t u;
            std::memcpy(&u, &f, sizeof u);
            return std::size_t(u);
        };
        return bits(k.x) * 73856093u ^ bits(k.y) * 19349663u ^ bits(k.z) * 83492791u;
    }
};

bool same(const hostsdk::Point3& a, const hostsdk::Point3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

}  // namespace

Welder::Welder(std::uint32_t vertexCount) : count_(vertexCount), groupOf_(vertexCount, 0) {}

void Welder::addFrame(const hostsdk::Point3* p) {
    if (!started_) {
        started_ = true;
        // Open addressing over group numbers (0 = free), compared with a group's first member:
        // one array instead of a node per position.
        std::size_t size = 16;
        while (size < 2 * std::size_t(count_)) size *= 2;
        std::vector<std::uint32_t> slots(size, 0);
        const PositionHash hash;
        for (std::uint32_t v = 0; v < count_; ++v) {
            const PositionKey key{p[v].x, p[v].y, p[v].z};
            // A position that is not a number never equals anything, itself included.
            std::uint32_t* slot = nullptr;
            if (key == key) {
                std::size_t at = hash(key) & (size - 1);
                while (slots[at] != 0 && !same(p[members_[slots[at] - 1].front()], p[v])) at = (at + 1) & (size - 1);
                slot = &slots[at];
            }
            std::uint32_t group;
            if (slot != nullptr && *slot != 0) {
                group = *slot - 1;
            } else {
                group = std::uint32_t(members_.size());
                members_.emplace_back();
                if (slot != nullptr) *slot = group + 1;
            }
            members_[group].push_back(v);
            groupOf_[v] = group;
        }
        return;
    }
    const std::size_t groupCount = members_.size();
    for (std::size_t g = 0; g < groupCount; ++g) {
        if (members_[g].size() < 2) continue;
        const hostsdk::Point3& first = p[members_[g].front()];
        bool allSame = true;
        for (std::uint32_t v : members_[g]) allSame = allSame && same(p[v], first);
        if (allSame) continue;
        // Split: the members at the first member's spot stay, the others form new groups.
        std::vector<std::uint32_t> stay;
        std::unordered_map<PositionKey, std::uint32_t, PositionHash> moved;  // spot → new group
        for (std::uint32_t v : members_[g]) {
            if (same(p[v], first)) {
                stay.push_back(v);
                continue;
            }
            const PositionKey key{p[v].x, p[v].y, p[v].z};
            auto found = key == key ? moved.find(key) : moved.end();
            std::uint32_t target = 0;
            if (found != moved.end()) {
                target = found->second;
            } else {
                target = std::uint32_t(members_.size());
                members_.emplace_back();
                if (key == key) moved.emplace(key, target);
            }
            members_[target].push_back(v);
            groupOf_[v] = target;
        }
        members_[g] = std::move(stay);
    }
}

std::vector<std::uint32_t> Welder::keptIndex(std::uint32_t& keptCount) const {
    std::vector<std::uint32_t> kept(count_);
    std::vector<std::uint32_t> keptOfGroup(members_.size(), UINT32_MAX);
    keptCount = 0;
    for (std::uint32_t v = 0; v < count_; ++v) {
        std::uint32_t& k = keptOfGroup[groupOf_[v]];
        if (k == UINT32_MAX) k = keptCount++;
        kept[v] = k;
    }
    return kept;
}

}  // namespace korvath::convert
