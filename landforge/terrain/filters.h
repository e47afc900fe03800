#pragma once
// Noise, filtering, smoothing and raise/lower. Each takes the undo snapshot its menu command
// takes, and clamps the dialog values as the dialogs do.
#include "landforge/terrain/terrain_state.h"

namespace landforge {

// z += low + rand() mod (high - low) on every point, then negative heights become 0. The
// remainder takes the sign rules of C++ (a negative range gives non-negative remainders).
// Equal limits add `low` without drawing.
void addRandomNoise(TerrainState& state, int high, int low);

// Copies each height onto its +i and +j neighbours that differ by less than `maxNoise`
// (below 1 counts as 1), propagating within the pass. Snapshot: points and cells, Full.
void filterNoise(TerrainState& state, float maxNoise);

// Mean height of all 65,536 points, as the flatten dialog shows it.
float meanHeight(const Heightfield& grid);

// Moves every height toward the mean by `percent` (clamped to 1-100).
void flattenTerrain(TerrainState& state, int percent);

// Moves interior heights toward the mean of their four neighbours, in place.
void averageTerrain(TerrainState& state, int percent);

enum class RaiseLowerMode { ToHeight, ByHeight };

// Over the view area's points; points-only View snapshot. Raise clamps to at most 255, Lower to at least 0.
void raiseTerrain(TerrainState& state, RaiseLowerMode mode, int height);
void lowerTerrain(TerrainState& state, RaiseLowerMode mode, int height);

}  // namespace landforge
