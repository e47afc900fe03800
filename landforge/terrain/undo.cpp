#include "landforge/terrain/undo.h"

namespace landforge {

UndoSnapshot captureSnapshot(const Heightfield& grid, const GridRect& rect, bool points, bool cells) {
    UndoSnapshot s;
    s.rect = rect;
    s.hasPoints = points;
    s.hasCells = cells;
    if (points) {
        s.points.reserve(static_cast<std::size_t>(rect.width) * rect.height);
        for (int j = rect.y; j < rect.y + rect.height; ++j)
            for (int i = rect.x; i < rect.x + rect.width; ++i) s.points.push_back(grid.point(i, j));
    }
    if (cells) {
        for (int j = rect.y; j < rect.y + rect.height - 1; ++j)
            for (int i = rect.x; i < rect.x + rect.width - 1; ++i) s.cells.push_back(grid.cell(i, j));
    }
    return s;
}

void restoreSnapshot(Heightfield& grid, const UndoSnapshot& s) {
    const GridRect& r = s.rect;
    if (s.hasPoints) {
        std::size_t k = 0;
        for (int j = r.y; j < r.y + r.height; ++j)
            for (int i = r.x; i < r.x + r.width; ++i) grid.point(i, j) = s.points[k++];
    }
    if (s.hasCells) {
        std::size_t k = 0;
        for (int j = r.y; j < r.y + r.height - 1; ++j)
            for (int i = r.x; i < r.x + r.width - 1; ++i) grid.cell(i, j) = s.cells[k++];
    }
}

namespace {

void pushLimited(std::deque<UndoSnapshot>& list, UndoSnapshot s) {
    if (list.size() >= kUndoLimit) list.pop_back();
    list.push_front(std::move(s));
}

// Moves the newest snapshot of `from` back into the grid, saving the current state of the same
// rectangle and parts onto `to`.
bool step(std::deque<UndoSnapshot>& from, std::deque<UndoSnapshot>& to, Heightfield& grid) {
    if (from.empty()) return false;
    const UndoSnapshot& newest = from.front();
    pushLimited(to, captureSnapshot(grid, newest.rect, newest.hasPoints, newest.hasCells));
    restoreSnapshot(grid, newest);
    from.pop_front();
    return true;
}

}  // namespace

void takeSnapshot(UndoHistory& history, const Heightfield& grid, SnapshotKind kind, const GridRect& rect) {
    if (!insideGrid(rect)) return;
    history.redoList.clear();
    bool points = kind != SnapshotKind::Cells;
    bool cells = kind != SnapshotKind::Points;
    pushLimited(history.undoList, captureSnapshot(grid, rect, points, cells));
}

bool undo(UndoHistory& history, Heightfield& grid) { return step(history.undoList, history.redoList, grid); }

bool redo(UndoHistory& history, Heightfield& grid) { return step(history.redoList, history.undoList, grid); }

}  // namespace landforge
