#pragma once
// Undo and redo: two lists of at most ten snapshots, newest first. A snapshot holds a
// rectangle's points, the cells of its interior, or both, and writes them back to the same
// grid indices however the view area has moved since.
#include <deque>
#include <vector>

#include "landforge/terrain/heightfield.h"

namespace landforge {

enum class SnapshotKind { Points, Cells, PointsAndCells };

struct UndoSnapshot {
    GridRect rect;
    bool hasPoints = false;
    bool hasCells = false;
    std::vector<TerrainPoint> points;  // rect's points, rows j outer
    std::vector<TerrainCell> cells;    // (width-1) x (height-1) interior cells, rows j outer
};

inline constexpr std::size_t kUndoLimit = 10;

struct UndoHistory {
    std::deque<UndoSnapshot> undoList;
    std::deque<UndoSnapshot> redoList;
    bool canUndo() const { return !undoList.empty(); }
    bool canRedo() const { return !redoList.empty(); }
};

UndoSnapshot captureSnapshot(const Heightfield& grid, const GridRect& rect, bool points, bool cells);
void restoreSnapshot(Heightfield& grid, const UndoSnapshot& snapshot);

// Empties the redo list, drops the oldest undo snapshot when ten are held, pushes the new one.
// A rectangle outside the grid takes nothing.
void takeSnapshot(UndoHistory& history, const Heightfield& grid, SnapshotKind kind, const GridRect& rect);

// Both return false when their list is empty.
bool undo(UndoHistory& history, Heightfield& grid);
bool redo(UndoHistory& history, Heightfield& grid);

}  // namespace landforge
