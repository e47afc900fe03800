#pragma once
// The terrain edits behind the menus (documents, imports, exports, cells, the view area), with
// the snapshot each takes and the document state each sets. File reads are checked completely before the terrain or
// the undo list changes, so a refused file leaves everything as it was.
#include <optional>
#include <string>

#include "common/result.h"
#include "landforge/terrain/image_patch.h"
#include "landforge/terrain/terrain_file.h"
#include "landforge/terrain/terrain_state.h"

namespace landforge {

// The name shown in the title: the path's last component.
std::string fileNameOf(const std::string& path);

// New Terrain: points-and-cells Full snapshot, reset grid, all cells, "(untitled)".
void newTerrain(TerrainState& state);

// Open Terrain. A document shorter than it announces is accepted (the rest stays reset); one
// with a bad size or a non-finite value, or a file that cannot be read, is refused.
korvath::Status openTerrain(TerrainState& state, const std::string& path);

// Open: reset grid, the records into slots from (0,0), then every cell re-chosen. Ends an
// import in progress. Records missing from a short document leave the reset values. A refused
// document changes nothing.
void applyOpenedDocument(TerrainState& state, const ParsedDocument& doc);

// Import Terrain: the points into the patch, with their stored coordinates; slots a short
// document lacks are flat (10 i, 10 j, 0). A refused document changes nothing.
void loadDocumentPatch(ImportPatch& patch, const ParsedDocument& doc);

// Save Terrain Full or View: writes the rectangle, then the name, path and modified flag.
korvath::Status saveTerrain(TerrainState& state, const std::string& path, const GridRect& area);

// Import Terrain: the document's points become the import patch, placed at the view origin.
korvath::Status importTerrain(TerrainState& state, const std::string& path);

// Import Bitmap with the decoded image (nullopt when it did not load). The snapshot is taken
// first and stays even when the image is refused.
inline constexpr const char* kBitmapLoadError = "The file is either corrupted or not in bitmap format.";
korvath::Status importBitmap(TerrainState& state, const std::optional<GreyImage>& image);

// Export Bitmap Full or View.
korvath::Status exportBitmap(const TerrainState& state, const std::string& path, const GridRect& area);

// Korvath Text export: ends an import in progress (the patch is never exported), then writes.
// A scale below 1 writes nothing.
korvath::Status exportT3d(TerrainState& state, const std::string& path, const GridRect& area, int scale);

// Update Tris Full or View: cells-only snapshot of that range, then the cells re-chosen.
void updateTrisCommand(TerrainState& state, bool full);

// Ctrl+Shift click on a cell: cells-only View snapshot, diagonal 1 <-> 2, centre on the new
// diagonal. False for a cell outside the grid.
bool flipCellDiagonal(TerrainState& state, int i, int j);

// Change View Area: sizes clamped to 1-256, the origin pulled back so the area fits.
void changeViewArea(TerrainState& state, int width, int height);

// A click at overhead pixel (x, y) centres the view area there, kept inside the grid.
void centreViewOnOverhead(TerrainState& state, int x, int y);

// The point information text: one entry per selected point, newest first, numbered from 1:
// "point-N (i,j)<TAB>X=x<TAB>Y=y<TAB>Z=z<TAB>" with the numbers as the T3D export prints them.
std::string pointInfoText(const TerrainState& state);

}  // namespace landforge
