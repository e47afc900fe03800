#include "landforge/terrain/patch.h"

#include <algorithm>

namespace landforge {

namespace {

// Keeps a patch of the given size inside the grid.
int pullBack(int origin, int size) {
    if (origin + size > kGridSize) origin = kGridSize - size;
    return std::max(origin, 0);
}

bool step(int& x, int& y, int width, int height, PatchKey key) {
    switch (key) {
    case PatchKey::Left:
        if (x <= 0) return false;
        --x;
        return true;
    case PatchKey::Right:
        if (x + 1 + width > kGridSize) return false;
        ++x;
        return true;
    case PatchKey::Up:
        if (y + 1 + height > kGridSize) return false;
        ++y;
        return true;
    case PatchKey::Down:
        if (y <= 0) return false;
        --y;
        return true;
    }
    return false;
}

void selectRect(TerrainState& state, const GridRect& rect) {
    state.selection.clear();
    state.selection.selectRect(rect);
}

}  // namespace

void startImport(TerrainState& state) {
    ImportPatch& p = state.patch;
    p.importWidth = std::clamp(p.importWidth, 1, kGridSize);
    p.importHeight = std::clamp(p.importHeight, 1, kGridSize);
    p.importX = pullBack(state.view.viewX, p.importWidth);
    p.importY = pullBack(state.view.viewY, p.importHeight);
    state.importing = true;
}

bool movePatch(TerrainState& state, PatchKey key) {
    bool moved = false;
    if (state.importing) {
        ImportPatch& p = state.patch;
        moved = step(p.importX, p.importY, p.importWidth, p.importHeight, key);
    }
    if (state.pasting)
        moved = step(state.pasteX, state.pasteY, state.clipboard.copyWidth, state.clipboard.copyHeight, key) || moved;
    return moved;
}

void cancelPatches(TerrainState& state) {
    state.importing = false;
    state.pasting = false;
}

void commitPatches(TerrainState& state) {
    if (state.importing) commitImport(state);
    if (state.pasting) commitPaste(state);
}

namespace {

bool insideImport(const TerrainState& state, int i, int j) {
    const ImportPatch& p = state.patch;
    return state.importing && i >= p.importX && i < p.importX + p.importWidth && j >= p.importY &&
           j < p.importY + p.importHeight;
}

bool insidePaste(const TerrainState& state, int i, int j) {
    const Clipboard& c = state.clipboard;
    return state.pasting && !c.empty() && i >= state.pasteX && i < state.pasteX + c.copyWidth &&
           j >= state.pasteY && j < state.pasteY + c.copyHeight;
}

// Import patch point blended onto terrain point t with the patch's mode and weight.
TerrainPoint blendImport(const ImportPatch& p, int i, int j, TerrainPoint t) {
    float w = static_cast<float>(p.importWeight) / 100.0f;
    const TerrainPoint& src = p.point(i - p.importX, j - p.importY);
    TerrainPoint q{src.x + static_cast<float>(10 * p.importX), src.y + static_cast<float>(10 * p.importY),
                   src.z};
    switch (p.importMode) {
    case ImportMode::Replace:
        return q;
    case ImportMode::Add:
        return {t.x + (q.x - t.x) * w, t.y + (q.y - t.y) * w, t.z + (q.z - t.z) * w};
    case ImportMode::Subtract:
        return {t.x - (q.x - t.x) * w, t.y - (q.y - t.y) * w, t.z - (q.z - t.z) * w};
    }
    return t;
}

TerrainPoint pastedPoint(const TerrainState& state, int i, int j) {
    const Clipboard& c = state.clipboard;
    int ci = i - state.pasteX;
    int cj = j - state.pasteY;
    TerrainPoint q = c.points[static_cast<std::size_t>(cj) * c.copyWidth + ci];
    return {q.x + static_cast<float>(10 * (state.pasteX - c.copyX)),
            q.y + static_cast<float>(10 * (state.pasteY - c.copyY)), q.z};
}

}  // namespace

bool insideActivePatch(const TerrainState& state, int i, int j) {
    return insideImport(state, i, j) || insidePaste(state, i, j);
}

TerrainPoint blendedPatchPoint(const TerrainState& state, int i, int j) {
    TerrainPoint t = state.grid.point(i, j);
    if (insideImport(state, i, j)) t = blendImport(state.patch, i, j, t);
    if (insidePaste(state, i, j)) t = pastedPoint(state, i, j);
    return t;
}

void commitImport(TerrainState& state) {
    const ImportPatch& p = state.patch;
    if (!insideGrid({p.importX, p.importY, p.importWidth, p.importHeight})) {
        state.importing = false;
        return;
    }
    for (int j = p.importY; j < p.importY + p.importHeight; ++j)
        for (int i = p.importX; i < p.importX + p.importWidth; ++i)
            state.grid.point(i, j) = blendImport(p, i, j, state.grid.point(i, j));
    updateTrisRect(state.grid, rectOf(state.view));
    selectRect(state, {p.importX, p.importY, p.importWidth, p.importHeight});
    state.importing = false;
    // The cells touching the patch, one beyond each edge that is not the grid's.
    updateTrisCells(state.grid, p.importX - 1, p.importY - 1, p.importX + p.importWidth - 1,
                    p.importY + p.importHeight - 1);
}

void setImportMode(ImportPatch& patch, ImportMode mode, int weight) {
    patch.importMode = mode;
    patch.importWeight = std::clamp(weight, 1, 100);
}

void copyViewArea(TerrainState& state) {
    const ViewArea& v = state.view;
    UndoSnapshot s = captureSnapshot(state.grid, rectOf(v), true, true);
    state.clipboard = Clipboard{v.viewX, v.viewY, v.viewWidth, v.viewHeight, std::move(s.points),
                                std::move(s.cells)};
}

PasteStart startPaste(TerrainState& state) {
    if (state.importing) return PasteStart::ImportActive;
    if (state.clipboard.empty()) return PasteStart::ClipboardEmpty;
    state.pasteX = pullBack(state.view.viewX, state.clipboard.copyWidth);
    state.pasteY = pullBack(state.view.viewY, state.clipboard.copyHeight);
    state.pasting = true;
    return PasteStart::Started;
}

void commitPaste(TerrainState& state) {
    const Clipboard& c = state.clipboard;
    if (c.empty() || !insideGrid({state.pasteX, state.pasteY, c.copyWidth, c.copyHeight})) {
        state.pasting = false;
        return;
    }
    // Undo gives back what the paste covered.
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells,
                 {state.pasteX, state.pasteY, c.copyWidth, c.copyHeight});
    for (int j = state.pasteY; j < state.pasteY + c.copyHeight; ++j)
        for (int i = state.pasteX; i < state.pasteX + c.copyWidth; ++i)
            state.grid.point(i, j) = pastedPoint(state, i, j);
    float offX = static_cast<float>(10 * (state.pasteX - c.copyX));
    float offY = static_cast<float>(10 * (state.pasteY - c.copyY));
    std::size_t k = 0;
    for (int j = 0; j < c.copyHeight - 1; ++j)
        for (int i = 0; i < c.copyWidth - 1; ++i) {
            TerrainCell cell = c.cells[k++];
            cell.center.x += offX;
            cell.center.y += offY;
            state.grid.cell(state.pasteX + i, state.pasteY + j) = cell;
        }
    selectRect(state, {state.pasteX, state.pasteY, c.copyWidth, c.copyHeight});
    state.pasting = false;
}

}  // namespace landforge
