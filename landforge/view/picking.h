#pragma once
// Finding the grid point or cell under the mouse: each candidate is projected exactly as its
// view draws it and hit when it lies within 3 x zoom pixels of the mouse in both directions.
// The test runs in device pixels, so it is right on a high-density screen too.
#include <optional>

#include "landforge/terrain/selection.h"
#include "landforge/view/view_camera.h"

namespace landforge {

struct WindowPosition {
    double x = 0;  // device pixels from the left
    double y = 0;  // device pixels from the bottom
    double depth = 0;
};

// Where a vertex (already minus the pivot) lands in the view's viewport, computed in double
// precision from the single-precision matrices, as the GL utility library's projection does.
WindowPosition projectToWindow(const Matrix4& modelview, const Matrix4& projection, int viewportWidth,
                               int viewportHeight, const TerrainPoint& vertex);
WindowPosition projectToWindow(const ViewCamera& camera, const ViewArea& view, const TerrainPoint& vertex);

// Selected points first, in list order; then the view area's points, rows j outer, i inner.
// The mouse is in logical client pixels with y from the top.
std::optional<GridIndex> pickPoint(const TerrainState& terrain, const ViewCamera& camera, int mouseX, int mouseY);

// The view area's cells by their centres, rows j outer, i inner.
std::optional<GridIndex> pickCell(const TerrainState& terrain, const ViewCamera& camera, int mouseX, int mouseY);

}  // namespace landforge
