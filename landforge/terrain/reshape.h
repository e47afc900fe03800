#pragma once
// The reshape ("RM") methods: while selected points are dragged, the other points of the view
// area are pulled along by their distance to each selected point.
#include "landforge/terrain/terrain_state.h"

namespace landforge {

struct WorldStep {
    float dx = 0;
    float dy = 0;
    float dz = 0;
};

// Applies the chosen method for one drag step to every unselected point of the view area,
// once per selected point in selection order; heights are clamped to 0-255 after each
// contribution. A point exactly on a selected point is not pulled by Peak (the pull would be
// unbounded).
void applyReshape(TerrainState& state, const WorldStep& step);

// The dialog values: radius entered in grid steps (stored x 10, at least 1), cycles at least 1.
void setPeakRadius(ToolSettings& tools, int gridSteps);
void setDomeRadius(ToolSettings& tools, int gridSteps);
void setRippleMethod(ToolSettings& tools, int gridSteps, int cycles);

}  // namespace landforge
