#include "terrain/patch.h"

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

void commitImport(TerrainState& state) {
    const ImportPatch& p = state.patch;
    if (!insideGrid({p.importX, p.importY, p.importWidth, p.importHeight})) {
        state.importing = false;
        return;
    }
    float w = static_cast<float>(p.importWeight) / 100.0f;
    float offX = static_cast<float>(10 * p.importX);
    float offY = static_cast<float>(10 * p.importY);
    for (int j = 0; j < p.importHeight; ++j)
        for (int i = 0; i < p.importWidth; ++i) {
            TerrainPoint& t = state.grid.point(p.importX + i, p.importY + j);
            const TerrainPoint& src = p.point(i, j);
            TerrainPoint q{src.x + offX, src.y + offY, src.z};
            switch (p.importMode) {
            case ImportMode::Replace:
                t = q;
                break;
            case ImportMode::Add:
                t = {t.x + (q.x - t.x) * w, t.y + (q.y - t.y) * w, t.z + (q.z - t.z) * w};
                break;
            case ImportMode::Subtract:
                t = {t.x - (q.x - t.x) * w, t.y - (q.y - t.y) * w, t.z - (q.z - t.z) * w};
                break;
            }
        }
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
    float offX = static_cast<float>(10 * (state.pasteX - c.copyX));
    float offY = static_cast<float>(10 * (state.pasteY - c.copyY));
    std::size_t k = 0;
    for (int j = 0; j < c.copyHeight; ++j)
        for (int i = 0; i < c.copyWidth; ++i) {
            TerrainPoint q = c.points[k++];
            state.grid.point(state.pasteX + i, state.pasteY + j) = {q.x + offX, q.y + offY, q.z};
        }
    k = 0;
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
