#include "landforge/view/picking.h"

#include <gtest/gtest.h>

#include "landforge/view/tests/view_test_util.h"

namespace landforge {
namespace {

using testing::ViewFixture;

struct PickCase {
    const char* what;
    int view;
    float zoom;
    double ratio;  // device pixels per logical pixel
    int mouseX, mouseY;  // logical, y from the top
    std::optional<GridIndex> expected;
};

// The 16 x 16 flat view area's centroid (75, 75, 0) sits at the middle (200, 150) of a 400 x
// 300 view; point [i][j] is 5 pixels per step from there at zoom 1. Points [3][4] and [7][2]
// are raised (z 40 and 30) so the side views can tell them from their rows.
TEST(Picking, KnownPointsInEachView) {
    const PickCase cases[] = {
        // XY: [3][5] at x 200 + (30 - 75) / 2 = 177.5, y from the bottom 137.5.
        {"XY hit", kViewXY, 1, 1, 177, 300 - 137, GridIndex{3, 5}},
        {"XY within 3 pixels", kViewXY, 1, 1, 180, 300 - 140, GridIndex{3, 5}},
        {"XY next point", kViewXY, 1, 1, 182, 300 - 137, GridIndex{4, 5}},
        {"XY outside the view area", kViewXY, 1, 1, 10, 10, std::nullopt},
        // Zoom 2: [3][5] at (155, 125), the square 6 pixels wide.
        {"XY zoom 2 widens the square", kViewXY, 2, 1, 160, 300 - 125, GridIndex{3, 5}},
        {"XY zoom 1 misses left of the area", kViewXY, 1, 1, 158, 300 - 137, std::nullopt},
        {"XY on a 2x screen", kViewXY, 1, 2, 177, 300 - 137, GridIndex{3, 5}},
        // XZ: x right, z up; a flat column hits its first row.
        {"XZ flat column", kViewXZ, 1, 1, 177, 150, GridIndex{3, 0}},
        {"XZ raised point", kViewXZ, 1, 1, 177, 150 - 20, GridIndex{3, 4}},
        // YZ: z right, y up: [7][2] at x 200 + (30 - z0) / 2, y 150 + (20 - 75) / 2.
        {"YZ raised point", kViewYZ, 1, 1, 215, 300 - 122, GridIndex{7, 2}},
        {"YZ flat row", kViewYZ, 1, 1, 200, 300 - 122, GridIndex{0, 2}},
        {"Free Rotate as XY", kViewFreeRotate, 1, 1, 177, 300 - 137, GridIndex{3, 5}},
    };
    for (const PickCase& k : cases) {
        ViewFixture f;
        f.terrain.grid.point(3, 4).z = 40;
        f.terrain.grid.point(7, 2).z = 30;
        recentre(f.cameras, f.terrain, f.options, {true, false});
        ViewCamera& cam = f.cameras[k.view];
        cam.zoom = {k.zoom, k.zoom, k.zoom};
        cam.devicePixelRatio = k.ratio;
        EXPECT_EQ(pickPoint(f.terrain, cam, k.mouseX, k.mouseY), k.expected) << k.what;
    }
}

TEST(Picking, SelectedPointsComeFirstThenRowsInOrder) {
    ViewFixture f;
    const ViewCamera& xy = f.cameras[kViewXY];
    // x 180 lies 2.5 pixels from both [3][5] and [4][5].
    EXPECT_EQ(pickPoint(f.terrain, xy, 180, 300 - 137), (GridIndex{3, 5}));
    f.terrain.selection.add({9, 9});
    f.terrain.selection.add({4, 5});
    EXPECT_EQ(pickPoint(f.terrain, xy, 180, 300 - 137), (GridIndex{4, 5}));
    // A selected point outside the view area is still found.
    f.terrain.selection.add({20, 5});
    EXPECT_EQ(pickPoint(f.terrain, xy, 200 + (200 - 75) / 2, 300 - 137), (GridIndex{20, 5}));
}

TEST(Picking, CellsByTheirCentres) {
    ViewFixture f;
    const ViewCamera& xy = f.cameras[kViewXY];
    // Cell [3][5] centre (35, 55): x 180, y from the bottom 140.
    EXPECT_EQ(pickCell(f.terrain, xy, 180, 160), (GridIndex{3, 5}));
    // The last row and column of points have no cells.
    EXPECT_EQ(pickPoint(f.terrain, xy, 240, 150), (GridIndex{15, 7}));
    EXPECT_EQ(pickCell(f.terrain, xy, 240, 150), std::nullopt);
}

}  // namespace
}  // namespace landforge
