#include "landforge/view/mouse_tools.h"

#include <algorithm>

#include "landforge/terrain/terrain_edits.h"
#include "landforge/view/picking.h"

namespace landforge {

namespace {

bool freeView(int view) { return view == kViewFreeRotate || view == kViewAllInOne; }

DragView dragViewOf(int view, DragAxis axis) {
    switch (view) {
    case kViewXZ:
        return DragView::XZ;
    case kViewYZ:
        return DragView::YZ;
    case kViewAllInOne:
        return axis == DragAxis::ZAxis ? DragView::AllInOneZ : DragView::AllInOnePlane;
    default:
        return DragView::XY;
    }
}

MouseOutcome leftPress(TerrainState& terrain, const ViewCamera& camera, ViewOptions& options, const MouseInput& in) {
    MouseOutcome out;
    if (terrain.importing) return out;
    if (in.ctrl && in.shift) {
        if (auto cell = pickCell(terrain, camera, in.x, in.y)) {
            flipCellDiagonal(terrain, cell->i, cell->j);
            terrain.modified = true;
            out.terrainModified = out.historyChanged = out.redrawAllViews = true;
            return out;
        }
    } else if (auto hit = pickPoint(terrain, camera, in.x, in.y)) {
        if (in.ctrl) {
            if (!terrain.selection.remove(*hit)) terrain.selection.add(*hit);
        } else if (!terrain.selection.contains(*hit)) {
            terrain.selection.clear();
            terrain.selection.add(*hit);
        }
        options.drag = {true, false};
        out.selectionChanged = true;
        return out;
    }
    if (in.shift && !terrain.selection.empty()) {
        terrain.selection.clear();
        out.selectionChanged = true;
    }
    return out;
}

MouseOutcome press(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options, const MouseInput& in) {
    ViewCamera& camera = cameras[in.view];
    camera.lastMouseX = in.x;
    camera.lastMouseY = in.y;
    options.activeView = in.view;
    MouseOutcome out = in.button == MouseButton::Left ? leftPress(terrain, camera, options, in) : MouseOutcome{};
    out.captureMouse = true;
    return out;
}

MouseOutcome leftMove(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options, const MouseInput& in,
                      MouseMotion d) {
    MouseOutcome out;
    if (options.drag.active && in.view != kViewFreeRotate) {
        float zoom = cameras[in.view].zoom.x;
        WorldStep step = dragWorldStep(dragViewOf(in.view, options.dragAxis), d.dx, d.dy, options.snapDivisor, zoom);
        bool first = !options.drag.snapshotTaken;
        dragStep(terrain, options.drag, {options.reshapeOn, options.freezeSelected}, step);
        out.terrainModified = out.redrawAllViews = true;
        out.historyChanged = first;
    } else if (!options.keepTerrainCentered) {
        panBy(cameras[options.activeView], static_cast<float>(d.dx), static_cast<float>(d.dy));
        out.cameraChanged = true;
        out.redrawThisView = options.activeView == in.view;
        out.redrawAllViews = !out.redrawThisView;
    }
    return out;
}

MouseOutcome moveViewArea(TerrainState& terrain, ViewCameras& cameras, const ViewOptions& options, MouseMotion d) {
    ViewArea& v = terrain.view;
    v.viewX = std::clamp(v.viewX + d.dx, 0, kGridSize - v.viewWidth);
    v.viewY = std::clamp(v.viewY + d.dy, 0, kGridSize - v.viewHeight);
    recentre(cameras, terrain, options);
    MouseOutcome out;
    out.viewAreaMoved = out.redrawAllViews = true;
    return out;
}

MouseOutcome paintSelection(TerrainState& terrain, const ViewCamera& camera, const ViewOptions& options,
                            const MouseInput& in) {
    MouseOutcome out;
    if (auto hit = pickPoint(terrain, camera, in.x, in.y)) {
        bool changed = options.selectMode == SelectMode::Select ? terrain.selection.add(*hit)
                                                                 : terrain.selection.remove(*hit);
        out.selectionChanged = changed;
    }
    return out;
}

// A camera turn or zoom made with the mouse counts as a change to the document.
MouseOutcome cameraEdit(TerrainState& terrain) {
    terrain.modified = true;
    MouseOutcome out;
    out.cameraChanged = out.redrawThisView = true;
    return out;
}

MouseOutcome move(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options, const MouseInput& in) {
    ViewCamera& camera = cameras[in.view];
    const MouseMotion d = motionOf(camera, in);
    const bool mods = in.shift || in.ctrl;
    MouseOutcome out;
    if (in.left && in.right && !mods) {
        out = moveViewArea(terrain, cameras, options, d);
    } else if (in.left && !in.right && !mods) {
        out = leftMove(terrain, cameras, options, in, d);
    } else if (in.right && !in.left && !mods) {
        if (freeView(in.view)) {
            rotateBy(camera, static_cast<float>(-d.dy), static_cast<float>(d.dx), 0);
            out = cameraEdit(terrain);
        }
    } else if (in.left && !in.right && in.shift && !in.ctrl) {
        zoomBy(camera, -0.2f * static_cast<float>(d.dy));
        out = cameraEdit(terrain);
    } else if (in.right && !in.left && in.shift && !in.ctrl) {
        if (freeView(in.view)) {
            rotateBy(camera, 0, 0, static_cast<float>(d.dx));
            out = cameraEdit(terrain);
        }
    } else if (in.right && !in.left && in.ctrl && !in.shift) {
        out = paintSelection(terrain, camera, options, in);
    } else {
        return out;  // not in the table: the last position stays
    }
    camera.lastMouseX = in.x;
    camera.lastMouseY = in.y;
    return out;
}

}  // namespace

MouseMotion motionOf(const ViewCamera& camera, const MouseInput& input) {
    return {input.x - camera.lastMouseX, camera.lastMouseY - input.y};
}

MouseOutcome applyMouse(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options, const MouseInput& input) {
    if (input.view < 0 || input.view >= kViewCount) return {};
    switch (input.kind) {
    case MouseEventKind::Press:
        return press(terrain, cameras, options, input);
    case MouseEventKind::Move:
        return move(terrain, cameras, options, input);
    case MouseEventKind::Release: {
        options.drag = {};
        MouseOutcome out;
        out.repaintOverhead = true;
        return out;
    }
    }
    return {};
}

}  // namespace landforge
