#include "landforge/view/mouse_tools.h"

#include <functional>

#include <gtest/gtest.h>

#include "landforge/view/tests/view_test_util.h"

namespace landforge {
namespace {

using testing::ViewFixture;

// In the XY view of the fixture, point [3][5] is under (177, 163) and [4][5] under (182, 163).
constexpr int kPointX = 177, kPointY = 163;

MouseInput press(int view, MouseButton button, int x, int y, bool shift = false, bool ctrl = false) {
    MouseInput in;
    in.kind = MouseEventKind::Press;
    in.view = view;
    in.button = button;
    in.left = button == MouseButton::Left;
    in.right = button == MouseButton::Right;
    in.x = x;
    in.y = y;
    in.shift = shift;
    in.ctrl = ctrl;
    return in;
}

MouseInput move(int view, bool left, bool right, int x, int y, bool shift = false, bool ctrl = false) {
    MouseInput in;
    in.view = view;
    in.left = left;
    in.right = right;
    in.x = x;
    in.y = y;
    in.shift = shift;
    in.ctrl = ctrl;
    return in;
}

std::deque<GridIndex> items(const TerrainState& t) { return t.selection.items(); }

TEST(MouseTools, LeftPress) {
    struct Case {
        const char* what;
        std::function<void(ViewFixture&)> setup;
        MouseInput input;
        std::deque<GridIndex> selection;
        bool dragActive;
    };
    const GridIndex a{3, 5}, other{9, 9};
    auto selectOther = [&](ViewFixture& f) { f.terrain.selection.add(other); };
    auto selectBoth = [&](ViewFixture& f) {
        f.terrain.selection.add(other);
        f.terrain.selection.add(a);
    };
    const Case cases[] = {
        {"a hit selects just that point", selectOther, press(0, MouseButton::Left, kPointX, kPointY), {a}, true},
        {"a selected point keeps the selection", selectBoth, press(0, MouseButton::Left, kPointX, kPointY),
         {a, other}, true},
        {"Ctrl adds", selectOther, press(0, MouseButton::Left, kPointX, kPointY, false, true), {a, other}, true},
        {"Ctrl on a selected point removes it and still drags", selectBoth,
         press(0, MouseButton::Left, kPointX, kPointY, false, true), {other}, true},
        {"Shift on nothing clears", selectBoth, press(0, MouseButton::Left, 5, 5, true), {}, false},
        {"nothing hit keeps the selection", selectOther, press(0, MouseButton::Left, 5, 5), {other}, false},
        {"importing ignores the press", [&](ViewFixture& f) { selectOther(f); f.terrain.importing = true; },
         press(0, MouseButton::Left, kPointX, kPointY), {other}, false},
        {"the right button picks nothing", selectOther, press(0, MouseButton::Right, kPointX, kPointY), {other},
         false},
    };
    for (const Case& k : cases) {
        ViewFixture f;
        k.setup(f);
        MouseOutcome out = applyMouse(f.terrain, f.cameras, f.options, k.input);
        EXPECT_EQ(items(f.terrain), k.selection) << k.what;
        EXPECT_EQ(f.options.drag.active, k.dragActive) << k.what;
        EXPECT_FALSE(f.options.drag.snapshotTaken) << k.what;
        EXPECT_TRUE(out.captureMouse) << k.what;
        EXPECT_EQ(f.cameras[0].lastMouseX, k.input.x) << k.what;
        EXPECT_FALSE(f.terrain.history.canUndo()) << k.what;
    }
}

TEST(MouseTools, CtrlShiftClickFlipsTheCellUnderTheMouse) {
    ViewFixture f;
    // Cell [3][5] centre at (180, 160).
    MouseOutcome out = applyMouse(f.terrain, f.cameras, f.options, press(0, MouseButton::Left, 180, 160, true, true));
    const TerrainCell& c = f.terrain.grid.cell(3, 5);
    EXPECT_EQ(c.diagonal, 2);
    EXPECT_FLOAT_EQ(c.center.x, 35.0f);
    EXPECT_TRUE(out.terrainModified);
    EXPECT_TRUE(f.terrain.modified);
    ASSERT_EQ(f.terrain.history.undoList.size(), 1u);
    EXPECT_TRUE(f.terrain.history.undoList.front().hasCells);
    EXPECT_FALSE(f.terrain.history.undoList.front().hasPoints);
    EXPECT_FALSE(f.options.drag.active);
}

struct DragCase {
    const char* what;
    int view;
    int snap;
    float zoom;
    DragAxis axis;
    int dx, dy;  // right and up positive
    float startZ;
    TerrainPoint delta;
};

TEST(MouseTools, DragStepByViewSnapAndZoom) {
    const DragCase cases[] = {
        {"XY raw pixels", kViewXY, 0, 1, DragAxis::XYPlane, 3, 2, 100, {3, 2, 0}},
        {"snap 16 moves nothing per pixel", kViewXY, 16, 1, DragAxis::XYPlane, 1, 0, 100, {0, 0, 0}},
        {"snap 1 moves 10 per pixel", kViewXY, 1, 1, DragAxis::XYPlane, 1, 0, 100, {10, 0, 0}},
        {"snap 2 at zoom 2", kViewXY, 2, 2, DragAxis::XYPlane, 1, -1, 100, {5, -5, 0}},
        {"snap 4 at zoom 0.5 truncates", kViewXY, 4, 0.5f, DragAxis::XYPlane, 3, 0, 100, {6, 0, 0}},
        {"raw pixels at zoom 2 are halved", kViewXY, 0, 2, DragAxis::XYPlane, 3, 0, 100, {1.5f, 0, 0}},
        {"XZ never changes y", kViewXZ, 0, 1, DragAxis::XYPlane, 4, 3, 100, {4, 0, 3}},
        {"YZ never changes x", kViewYZ, 0, 1, DragAxis::XYPlane, 4, 3, 100, {0, 3, 4}},
        {"All In One plane", kViewAllInOne, 0, 1, DragAxis::XYPlane, 4, 3, 100, {4, 3, 0}},
        {"All In One z axis", kViewAllInOne, 0, 1, DragAxis::ZAxis, 4, 3, 100, {0, 0, 3}},
        {"z stops at 255", kViewXZ, 0, 1, DragAxis::XYPlane, 0, 10, 250, {0, 0, 5}},
        {"z stops at 0", kViewYZ, 0, 1, DragAxis::XYPlane, -5, 0, 2, {0, 0, -2}},
        {"Free Rotate does not drag", kViewFreeRotate, 0, 1, DragAxis::XYPlane, 4, 3, 100, {0, 0, 0}},
    };
    for (const DragCase& k : cases) {
        ViewFixture f;
        const GridIndex s{3, 5};
        f.terrain.grid.point(3, 5).z = k.startZ;
        f.terrain.selection.add(s);
        f.options.drag = {true, false};
        f.options.snapDivisor = k.snap;
        f.options.dragAxis = k.axis;
        ViewCamera& cam = f.cameras[k.view];
        cam.zoom = {k.zoom, k.zoom, k.zoom};
        cam.lastMouseX = 100;
        cam.lastMouseY = 100;
        const TerrainPoint before = f.terrain.grid.point(3, 5);
        MouseOutcome out = applyMouse(f.terrain, f.cameras, f.options, move(k.view, true, false, 100 + k.dx, 100 - k.dy));
        const TerrainPoint after = f.terrain.grid.point(3, 5);
        EXPECT_FLOAT_EQ(after.x - before.x, k.delta.x) << k.what;
        EXPECT_FLOAT_EQ(after.y - before.y, k.delta.y) << k.what;
        EXPECT_FLOAT_EQ(after.z - before.z, k.delta.z) << k.what;
        bool drags = k.view != kViewFreeRotate;
        EXPECT_EQ(out.terrainModified, drags) << k.what;
        EXPECT_EQ(f.terrain.history.undoList.size(), drags ? 1u : 0u) << k.what;
        EXPECT_EQ(cam.lastMouseX, 100 + k.dx) << k.what;
    }
}

TEST(MouseTools, TheUndoSnapshotIsTakenOnTheFirstMoveOnly) {
    ViewFixture f;
    f.options.snapDivisor = 0;
    applyMouse(f.terrain, f.cameras, f.options, press(0, MouseButton::Left, kPointX, kPointY));
    EXPECT_FALSE(f.terrain.history.canUndo());  // a click alone takes none
    MouseOutcome first = applyMouse(f.terrain, f.cameras, f.options, move(0, true, false, kPointX + 2, kPointY));
    MouseOutcome second = applyMouse(f.terrain, f.cameras, f.options, move(0, true, false, kPointX + 5, kPointY - 1));
    EXPECT_TRUE(first.historyChanged);
    EXPECT_FALSE(second.historyChanged);
    EXPECT_EQ(f.terrain.history.undoList.size(), 1u);
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).x, 35.0f);
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).y, 51.0f);
    EXPECT_FLOAT_EQ(f.terrain.grid.cell(3, 5).center.x, 37.5f);  // centres follow

    MouseOutcome up = applyMouse(f.terrain, f.cameras, f.options, {MouseEventKind::Release, 0, MouseButton::Left});
    EXPECT_TRUE(up.repaintOverhead);
    EXPECT_FALSE(f.options.drag.active);
    undo(f.terrain.history, f.terrain.grid);
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).x, 30.0f);
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).y, 50.0f);
}

TEST(MouseTools, ReshapeWithAndWithoutFreezeSelected) {
    for (bool freeze : {false, true}) {
        ViewFixture f;
        f.options.snapDivisor = 0;
        f.options.reshapeOn = true;
        f.options.freezeSelected = freeze;
        f.terrain.selection.add({3, 5});
        f.options.drag = {true, false};
        f.cameras[kViewXZ].lastMouseX = 0;
        f.cameras[kViewXZ].lastMouseY = 0;
        applyMouse(f.terrain, f.cameras, f.options, move(kViewXZ, true, false, 0, -4));  // 4 up: z + 4
        EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).z, freeze ? 0.0f : 4.0f) << freeze;
        // Peak pulls [4][5] by the step over a tenth of its distance to the selected point:
        // 10 when frozen, sqrt(10^2 + 4^2) once the point has moved up.
        EXPECT_NEAR(f.terrain.grid.point(4, 5).z, freeze ? 4.0f : 4.0f / 1.0770330f, 1e-4) << freeze;
        EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).y, 50.0f);
    }
}

// Every other row of the table, from the last position (100, 100) to (104, 97): dx 4, dy 3.
TEST(MouseTools, CameraAndViewAreaRows) {
    struct Case {
        const char* what;
        int view;
        bool left, right, shift, ctrl;
        std::function<void(ViewFixture&)> setup;
        std::function<void(const ViewFixture&, const MouseOutcome&)> check;
        bool positionKept = false;
    };
    auto none = [](ViewFixture&) {};
    const Case cases[] = {
        {"left pans the active view when not kept centred", kViewXY, true, false, false, false,
         [](ViewFixture& f) { f.options.keepTerrainCentered = false; },
         [](const ViewFixture& f, const MouseOutcome& o) {
             EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.x, -75.0f + 4.0f);
             EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.y, -75.0f + 3.0f);
             EXPECT_TRUE(o.cameraChanged);
         }},
        {"left does nothing when kept centred", kViewXY, true, false, false, false, none,
         [](const ViewFixture& f, const MouseOutcome& o) {
             EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.x, -75.0f);
             EXPECT_FALSE(o.cameraChanged);
         }},
        {"left in Free Rotate with a drag pans", kViewFreeRotate, true, false, false, false,
         [](ViewFixture& f) {
             f.options.keepTerrainCentered = false;
             f.options.activeView = kViewFreeRotate;
             f.options.drag = {true, false};
             f.terrain.selection.add({3, 5});
         },
         [](const ViewFixture& f, const MouseOutcome&) {
             EXPECT_FLOAT_EQ(f.cameras[kViewFreeRotate].pan.x, -71.0f);
             EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).x, 30.0f);
         }},
        {"right turns the free views", kViewAllInOne, false, true, false, false, none,
         [](const ViewFixture& f, const MouseOutcome& o) {
             EXPECT_FLOAT_EQ(f.cameras[kViewAllInOne].angles.x, -3.0f);
             EXPECT_FLOAT_EQ(f.cameras[kViewAllInOne].angles.y, 4.0f);
             EXPECT_TRUE(f.terrain.modified);
             EXPECT_TRUE(o.redrawThisView);
         }},
        {"right does not turn the fixed views", kViewXZ, false, true, false, false, none,
         [](const ViewFixture& f, const MouseOutcome&) {
             EXPECT_FLOAT_EQ(f.cameras[kViewXZ].angles.x, 270.0f);
             EXPECT_FALSE(f.terrain.modified);
         }},
        {"both buttons move the view area", kViewXY, true, true, false, false, none,
         [](const ViewFixture& f, const MouseOutcome& o) {
             EXPECT_EQ(f.terrain.view.viewX, 4);
             EXPECT_EQ(f.terrain.view.viewY, 3);
             EXPECT_FLOAT_EQ(f.cameras[kViewYZ].pivot.x, 115.0f);  // re-centred
             EXPECT_TRUE(o.viewAreaMoved);
         }},
        {"the view area stops at the grid edge", kViewXY, true, true, false, false,
         [](ViewFixture& f) { f.terrain.view.viewX = 239; },
         [](const ViewFixture& f, const MouseOutcome&) { EXPECT_EQ(f.terrain.view.viewX, 240); }},
        {"left and Shift zoom out", kViewXZ, true, false, true, false, none,
         [](const ViewFixture& f, const MouseOutcome&) {
             EXPECT_FLOAT_EQ(f.cameras[kViewXZ].zoom.x, 0.4f);
             EXPECT_FLOAT_EQ(f.cameras[kViewXZ].zoom.z, 0.4f);
             EXPECT_TRUE(f.terrain.modified);
         }},
        {"zoom stops at 0.1", kViewXZ, true, false, true, false,
         [](ViewFixture& f) { f.cameras[kViewXZ].lastMouseY = 200; },
         [](const ViewFixture& f, const MouseOutcome&) { EXPECT_FLOAT_EQ(f.cameras[kViewXZ].zoom.y, 0.1f); }},
        {"right and Shift turn about z", kViewFreeRotate, false, true, true, false, none,
         [](const ViewFixture& f, const MouseOutcome&) {
             EXPECT_FLOAT_EQ(f.cameras[kViewFreeRotate].angles.z, 4.0f);
             EXPECT_FLOAT_EQ(f.cameras[kViewFreeRotate].angles.x, 0.0f);
         }},
        {"right and Ctrl select the point under the mouse", kViewXY, false, true, false, true, none,
         [](const ViewFixture& f, const MouseOutcome& o) {
             EXPECT_EQ(items(f.terrain), (std::deque<GridIndex>{{8, 8}}));
             EXPECT_TRUE(o.selectionChanged);
         }},
        {"in Deselect mode they deselect", kViewXY, false, true, false, true,
         [](ViewFixture& f) {
             f.options.selectMode = SelectMode::Deselect;
             f.terrain.selection.add({8, 8});
             f.terrain.selection.add({1, 1});
         },
         [](const ViewFixture& f, const MouseOutcome&) {
             EXPECT_EQ(items(f.terrain), (std::deque<GridIndex>{{1, 1}}));
         }},
        {"left and Ctrl is not in the table", kViewXY, true, false, false, true,
         [](ViewFixture& f) { f.options.keepTerrainCentered = false; },
         [](const ViewFixture& f, const MouseOutcome&) { EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.x, -75.0f); },
         true},
        {"both buttons with Shift are not in the table", kViewXY, true, true, true, false, none,
         [](const ViewFixture& f, const MouseOutcome&) { EXPECT_EQ(f.terrain.view.viewX, 0); }, true},
    };
    for (const Case& k : cases) {
        ViewFixture f;
        ViewCamera& cam = f.cameras[k.view];
        cam.lastMouseX = 100;
        cam.lastMouseY = 100;
        // In a 203 x 199 XY view, (104, 97) lies over point [8][8] alone.
        f.cameras[kViewXY].width = 203;
        f.cameras[kViewXY].height = 199;
        k.setup(f);
        MouseOutcome out = applyMouse(f.terrain, f.cameras, f.options, move(k.view, k.left, k.right, 104, 97, k.shift, k.ctrl));
        SCOPED_TRACE(k.what);
        k.check(f, out);
        EXPECT_EQ(cam.lastMouseX, k.positionKept ? 100 : 104);
    }
}

}  // namespace
}  // namespace landforge
