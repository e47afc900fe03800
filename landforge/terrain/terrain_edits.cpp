#include "landforge/terrain/terrain_edits.h"

#include <algorithm>

#include "common/files/atomic_file.h"
#include "landforge/terrain/bitmap_export.h"
#include "landforge/terrain/fixed_format.h"
#include "landforge/terrain/patch.h"
#include "landforge/terrain/t3d_export.h"
#include "landforge/terrain/terrain_file.h"

namespace landforge {

namespace {

void setDocument(TerrainState& state, const std::string& path) {
    state.filePath = path;
    state.fileName = fileNameOf(path);
    state.modified = false;
}

korvath::Status areaStatus(const GridRect& area) {
    if (insideGrid(area)) return korvath::Status::success();
    return korvath::Status::failure("The area lies outside the 256 x 256 grid.");
}

}  // namespace

std::string fileNameOf(const std::string& path) {
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void newTerrain(TerrainState& state) {
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, kFullRect);
    resetGrid(state.grid);
    updateTrisFull(state.grid);
    state.filePath.clear();
    state.fileName = "(untitled)";
    state.modified = false;
    state.importing = false;
}

void applyOpenedDocument(TerrainState& state, const ParsedDocument& parsed) {
    if (!parsed.ok()) return;
    const DocumentContents& doc = *parsed;
    Heightfield& g = state.grid;
    resetGrid(g);
    std::size_t k = 0;
    for (int j = 0; j < doc.height && k < doc.points.size(); ++j)
        for (int i = 0; i < doc.width && k < doc.points.size(); ++i) g.point(i, j) = doc.points[k++];
    k = 0;
    for (int j = 0; j < doc.height - 1 && k < doc.cells.size(); ++j)
        for (int i = 0; i < doc.width - 1 && k < doc.cells.size(); ++i) g.cell(i, j) = doc.cells[k++];
    updateTrisFull(g);
    state.importing = false;
}

void loadDocumentPatch(ImportPatch& patch, const ParsedDocument& parsed) {
    if (!parsed.ok()) return;
    const DocumentContents& doc = *parsed;
    // Slots a short document does not reach start flat rather than keep an earlier patch.
    for (int j = 0; j < doc.height; ++j)
        for (int i = 0; i < doc.width; ++i)
            patch.point(i, j) = {static_cast<float>(10 * i), static_cast<float>(10 * j), 0.0f};
    std::size_t k = 0;
    for (int j = 0; j < doc.height && k < doc.points.size(); ++j)
        for (int i = 0; i < doc.width && k < doc.points.size(); ++i) patch.point(i, j) = doc.points[k++];
    patch.importWidth = doc.width;
    patch.importHeight = doc.height;
}

korvath::Status openTerrain(TerrainState& state, const std::string& path) {
    ParsedDocument doc = readDocumentFile(path);
    if (!doc.ok()) return korvath::Status::failure(doc.error());
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, kFullRect);
    applyOpenedDocument(state, doc);
    setDocument(state, path);
    return korvath::Status::success();
}

korvath::Status saveTerrain(TerrainState& state, const std::string& path, const GridRect& area) {
    if (auto s = areaStatus(area); !s.ok()) return s;
    korvath::Status s = korvath::writeFileAtomically(path, writeDocument(state.grid, area));
    if (s.ok()) setDocument(state, path);
    return s;
}

korvath::Status importTerrain(TerrainState& state, const std::string& path) {
    ParsedDocument doc = readDocumentFile(path);
    if (!doc.ok()) return korvath::Status::failure(doc.error());
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, kFullRect);
    loadDocumentPatch(state.patch, doc);
    startImport(state);
    return korvath::Status::success();
}

korvath::Status importBitmap(TerrainState& state, const std::optional<GreyImage>& image) {
    takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, kFullRect);
    state.importing = true;
    if (!image || !loadImagePatch(state.patch, *image)) {
        state.importing = false;
        return korvath::Status::failure(kBitmapLoadError);
    }
    startImport(state);
    return korvath::Status::success();
}

korvath::Status exportBitmap(const TerrainState& state, const std::string& path, const GridRect& area) {
    if (auto s = areaStatus(area); !s.ok()) return s;
    return korvath::writeFileAtomically(path, writeBitmap(state.grid, area));
}

korvath::Status exportT3d(TerrainState& state, const std::string& path, const GridRect& area, int scale) {
    state.importing = false;
    if (scale < 1) return korvath::Status::success();
    if (auto s = areaStatus(area); !s.ok()) return s;
    return writeT3dFile(exportArea(state.grid, area), scale, path);
}

void updateTrisCommand(TerrainState& state, bool full) {
    GridRect range = full ? kFullRect : rectOf(state.view);
    takeSnapshot(state.history, state.grid, SnapshotKind::Cells, range);
    updateTrisRect(state.grid, range);
}

bool flipCellDiagonal(TerrainState& state, int i, int j) {
    if (i < 0 || j < 0 || i >= kCellCount || j >= kCellCount) return false;
    takeSnapshot(state.history, state.grid, SnapshotKind::Cells, rectOf(state.view));
    TerrainCell& c = state.grid.cell(i, j);
    c.diagonal = c.diagonal == 1 ? 2 : 1;
    c.center = diagonalCentre(state.grid, i, j, c.diagonal, c.center);
    return true;
}

void changeViewArea(TerrainState& state, int width, int height) {
    ViewArea& v = state.view;
    v.viewWidth = std::clamp(width, 1, kGridSize);
    v.viewHeight = std::clamp(height, 1, kGridSize);
    v.viewX = std::min(v.viewX, kGridSize - v.viewWidth);
    v.viewY = std::min(v.viewY, kGridSize - v.viewHeight);
}

void centreViewOnOverhead(TerrainState& state, int x, int y) {
    ViewArea& v = state.view;
    v.viewX = std::clamp(x - v.viewWidth / 2, 0, kGridSize - v.viewWidth);
    v.viewY = std::clamp(256 - y - v.viewHeight / 2, 0, kGridSize - v.viewHeight);
}

std::string pointInfoText(const TerrainState& state) {
    std::string text;
    int number = 0;
    for (GridIndex s : state.selection.items()) {
        const TerrainPoint& p = state.grid.point(s.i, s.j);
        text += "point-" + std::to_string(++number) + " (" + std::to_string(s.i) + "," + std::to_string(s.j) +
                ")\tX=" + signedFixed(p.x) + "\tY=" + signedFixed(p.y) + "\tZ=" + signedFixed(p.z) + "\t";
    }
    return text;
}

}  // namespace landforge
