#include "landforge/terrain/drag.h"

#include <gtest/gtest.h>

namespace landforge {
namespace {

TEST(Drag, SnapDivisorSetsTheWorldStepPerPixel) {
    EXPECT_EQ(dragWorldStep(DragView::XY, 1, 0, 16, 1.0f).dx, 0.0f);  // trunc(10 / 16)
    EXPECT_EQ(dragWorldStep(DragView::XY, 1, 0, 1, 1.0f).dx, 10.0f);
    EXPECT_EQ(dragWorldStep(DragView::XY, 3, 0, 4, 1.0f).dx, 7.0f);   // trunc(7.5)
    EXPECT_EQ(dragWorldStep(DragView::XY, 3, 0, 0, 1.0f).dx, 3.0f);   // raw pixels
    EXPECT_EQ(dragWorldStep(DragView::XY, 4, 0, 0, 2.0f).dx, 2.0f);   // divided by the zoom
    EXPECT_EQ(dragWorldStep(DragView::XY, 1, 0, 2, 2.0f).dx, 5.0f);   // trunc(10 / 2 * 2) / 2
}

TEST(Drag, EachViewMovesItsOwnAxes) {
    WorldStep xz = dragWorldStep(DragView::XZ, 2, 3, 0, 1.0f);
    EXPECT_EQ(xz.dx, 2.0f);
    EXPECT_EQ(xz.dy, 0.0f);
    EXPECT_EQ(xz.dz, 3.0f);
    WorldStep yz = dragWorldStep(DragView::YZ, 2, 3, 0, 1.0f);
    EXPECT_EQ(yz.dx, 0.0f);
    EXPECT_EQ(yz.dy, 3.0f);
    EXPECT_EQ(yz.dz, 2.0f);
    WorldStep z = dragWorldStep(DragView::AllInOneZ, 2, 3, 0, 1.0f);
    EXPECT_EQ(z.dx, 0.0f);
    EXPECT_EQ(z.dz, 3.0f);
}

TEST(Drag, FirstStepTakesTheViewSnapshotAndZIsClamped) {
    TerrainState s;
    s.view = {0, 0, 4, 4};
    s.selection.add({1, 1});
    s.grid.point(2, 2).z = 300;  // out of range, but not changed by an XY step
    s.selection.add({2, 2});
    DragState drag;
    EXPECT_FALSE(dragStep(s, drag, {}, {1, 1, 0}));
    drag.active = true;
    ASSERT_TRUE(dragStep(s, drag, {}, {1, 2, 0}));
    ASSERT_TRUE(dragStep(s, drag, {}, {0, 0, 250}));
    EXPECT_EQ(s.history.undoList.size(), 1u);
    EXPECT_EQ(s.history.undoList.front().rect, (GridRect{0, 0, 4, 4}));
    EXPECT_EQ(s.grid.point(1, 1).x, 11.0f);
    EXPECT_EQ(s.grid.point(1, 1).y, 12.0f);
    EXPECT_EQ(s.grid.point(1, 1).z, 250.0f);
    EXPECT_EQ(s.grid.point(2, 2).z, 255.0f);
    EXPECT_TRUE(s.modified);
    // Cell [1][1] keeps diagonal 1, whose ends [1][1] and [2][2] both moved by (1, 2).
    EXPECT_EQ(s.grid.cell(1, 1).diagonal, 1);
    EXPECT_EQ(s.grid.cell(1, 1).center.x, 16.0f);
    EXPECT_EQ(s.grid.cell(1, 1).center.y, 17.0f);
}

TEST(Drag, FrozenSelectionStaysWhileTheReshapePullsTheRest) {
    TerrainState s;
    s.view = {0, 0, 3, 1};
    s.selection.add({0, 0});
    DragState drag{true, false};
    dragStep(s, drag, {true, true}, {0, 0, 10});
    EXPECT_EQ(s.grid.point(0, 0).z, 0.0f);
    EXPECT_FLOAT_EQ(s.grid.point(1, 0).z, 10.0f);  // Peak at distance 10
    dragStep(s, drag, {true, false}, {0, 0, 10});
    EXPECT_EQ(s.grid.point(0, 0).z, 10.0f);
}

}  // namespace
}  // namespace landforge
