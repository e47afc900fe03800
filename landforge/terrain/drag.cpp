#include "landforge/terrain/drag.h"

#include <cmath>

namespace landforge {

WorldStep dragWorldStep(DragView view, int dxPixels, int dyPixels, int snapDivisor, float zoom) {
    float dx = static_cast<float>(dxPixels);
    float dy = static_cast<float>(dyPixels);
    if (snapDivisor > 0) {
        float n = static_cast<float>(snapDivisor);
        dx = std::trunc(dx * 10.0f / n * zoom);
        dy = std::trunc(dy * 10.0f / n * zoom);
    }
    float ux = dx / zoom, uy = dy / zoom;
    switch (view) {
    case DragView::XY:
    case DragView::AllInOnePlane:
        return {ux, uy, 0};
    case DragView::XZ:
        return {ux, 0, uy};
    case DragView::YZ:
        return {0, uy, ux};
    case DragView::AllInOneZ:
        return {0, 0, uy};
    }
    return {};
}

bool dragStep(TerrainState& state, DragState& drag, const DragSettings& settings, const WorldStep& step) {
    if (!drag.active) return false;
    if (!drag.snapshotTaken) {
        takeSnapshot(state.history, state.grid, SnapshotKind::PointsAndCells, rectOf(state.view));
        drag.snapshotTaken = true;
    }
    if (!(settings.reshapeOn && settings.freezeSelected)) {
        for (GridIndex s : state.selection.items()) {
            TerrainPoint& p = state.grid.point(s.i, s.j);
            p.x += step.dx;
            p.y += step.dy;
            if (step.dz != 0.0f) p.z = std::fmin(std::fmax(p.z + step.dz, 0.0f), 255.0f);
        }
    }
    if (settings.reshapeOn) applyReshape(state, step);
    refreshCentres(state.grid, rectOf(state.view));
    state.modified = true;
    return true;
}

}  // namespace landforge
