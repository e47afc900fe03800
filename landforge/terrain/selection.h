#pragma once
// The selected grid points: a list, newest first, without duplicates.
#include <cstddef>
#include <deque>
#include <vector>

#include "landforge/terrain/terrain_types.h"

namespace landforge {

struct GridIndex {
    int i = 0;
    int j = 0;
    bool operator==(const GridIndex&) const = default;
};

class Selection {
public:
    Selection() : present_(static_cast<std::size_t>(kGridSize) * kGridSize, false) {}

    // Adds at the front; false when the point is already there or lies outside the grid.
    bool add(GridIndex p);
    bool remove(GridIndex p);
    void clear();
    bool contains(GridIndex p) const;
    // Adds every point of the rectangle, row by row.
    void selectRect(const GridRect& rect);

    const std::deque<GridIndex>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }

private:
    static bool valid(GridIndex p) { return p.i >= 0 && p.j >= 0 && p.i < kGridSize && p.j < kGridSize; }
    std::deque<GridIndex> items_;
    std::vector<bool> present_;  // indexed j * 256 + i, for a constant-time contains
};

}  // namespace landforge
