#pragma once
// Placing and blending the import patch and the paste patch, and Copy.
#include "landforge/terrain/terrain_state.h"

namespace landforge {

// After a patch was loaded: placed at the view origin, pulled back so it fits; importing set.
void startImport(TerrainState& state);

enum class PatchKey { Left, Right, Up, Down };

// Moves the active import and the active paste one step each; false when neither moved.
bool movePatch(TerrainState& state, PatchKey key);

// Escape: ends the import and the paste without changing the terrain.
void cancelPatches(TerrainState& state);

// Enter: commits an active import, then an active paste.
void commitPatches(TerrainState& state);

// The position grid point (i, j) would have if the active import, then the active paste, were
// committed now; the terrain's own point when neither covers it. The commit and the views'
// white previews both use this, so what is shown is what Enter gives.
TerrainPoint blendedPatchPoint(const TerrainState& state, int i, int j);
inline float blendedPatchHeight(const TerrainState& state, int i, int j) {
    return blendedPatchPoint(state, i, j).z;
}
// True when an active import or paste covers grid point (i, j).
bool insideActivePatch(const TerrainState& state, int i, int j);

// Blends the import patch into the terrain with its mode and weight, selects its rectangle
// and re-chooses the cells around it.
void commitImport(TerrainState& state);

// Import mode dialog: weight 0 or less becomes 1, above 100 becomes 100.
void setImportMode(ImportPatch& patch, ImportMode mode, int weight);

// Copy: the view area's points and interior cells into the clipboard.
void copyViewArea(TerrainState& state);

enum class PasteStart { Started, ImportActive, ClipboardEmpty };

// Paste: refused while importing and when nothing was copied; else starts at the view origin
// (pulled back so the clipboard fits).
PasteStart startPaste(TerrainState& state);

// Points-and-cells snapshot of the pasted rectangle, then the clipboard written there.
void commitPaste(TerrainState& state);

}  // namespace landforge
