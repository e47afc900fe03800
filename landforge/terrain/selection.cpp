#include "landforge/terrain/selection.h"

#include <algorithm>

namespace landforge {

namespace {
std::size_t slot(GridIndex p) { return static_cast<std::size_t>(p.j) * kGridSize + p.i; }
}  // namespace

bool Selection::add(GridIndex p) {
    if (!valid(p) || present_[slot(p)]) return false;
    present_[slot(p)] = true;
    items_.push_front(p);
    return true;
}

bool Selection::remove(GridIndex p) {
    if (!contains(p)) return false;
    present_[slot(p)] = false;
    items_.erase(std::find(items_.begin(), items_.end(), p));
    return true;
}

void Selection::clear() {
    for (GridIndex p : items_) present_[slot(p)] = false;
    items_.clear();
}

bool Selection::contains(GridIndex p) const { return valid(p) && present_[slot(p)]; }

void Selection::selectRect(const GridRect& rect) {
    for (int j = rect.y; j < rect.y + rect.height; ++j)
        for (int i = rect.x; i < rect.x + rect.width; ++i) add({i, j});
}

}  // namespace landforge
