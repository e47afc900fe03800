#pragma once
// Everything Landforge holds about the one terrain it edits, in one plain struct that the
// program owns and passes by reference.
#include <string>
#include <vector>

#include "landforge/terrain/heightfield.h"
#include "landforge/terrain/lcg_random.h"
#include "landforge/terrain/selection.h"
#include "landforge/terrain/undo.h"

namespace landforge {

enum class ImportMode { Add = 0, Replace = 1, Subtract = 2 };

// A terrain or bitmap brought in for blending. Point [i][j] sits at j * 256 + i.
struct ImportPatch {
    ImportPatch() : points(static_cast<std::size_t>(kGridSize) * kGridSize) {}
    TerrainPoint& point(int i, int j) { return points[static_cast<std::size_t>(j) * kGridSize + i]; }
    const TerrainPoint& point(int i, int j) const {
        return points[static_cast<std::size_t>(j) * kGridSize + i];
    }

    std::vector<TerrainPoint> points;
    int importWidth = 0;
    int importHeight = 0;
    int importX = 0;
    int importY = 0;
    ImportMode importMode = ImportMode::Replace;
    int importWeight = 100;  // percent, 1-100
};

// What Copy took: the rectangle and its points (rows j outer) and interior cells.
struct Clipboard {
    int copyX = 0;
    int copyY = 0;
    int copyWidth = 0;
    int copyHeight = 0;
    std::vector<TerrainPoint> points;
    std::vector<TerrainCell> cells;
    bool empty() const { return points.empty(); }
};

enum class ReshapeMethod { Peak, Dome, Ripple };

// Parameters of the generation, noise, smoothing and reshape dialogs kept between uses.
struct ToolSettings {
    int noiseHigh = 2;
    int noiseLow = -2;
    float maxNoise = 5.0f;
    float peakRadius = 40.0f;
    float domeRadius = 80.0f;
    float rippleRadius = 80.0f;
    int rippleCycles = 1;
    ReshapeMethod method = ReshapeMethod::Peak;
};

struct TerrainState {
    Heightfield grid;
    ViewArea view;
    TerrainParameters params;
    HeightColors colors;
    ToolSettings tools;
    Selection selection;
    Clipboard clipboard;
    ImportPatch patch;
    bool importing = false;
    bool pasting = false;
    int pasteX = 0;
    int pasteY = 0;
    UndoHistory history;
    LcgRandom random;
    std::string filePath;
    std::string fileName = "(untitled)";
    bool modified = false;
};

// Start-up: the generator seeded with `timeSeed` and `seed` set to its first value; everything
// else at its defaults (a reset grid with all cells computed).
void initTerrainState(TerrainState& state, std::uint32_t timeSeed);

}  // namespace landforge
