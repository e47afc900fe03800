#include "landforge/view/view_camera.h"

#include <gtest/gtest.h>

#include "landforge/view/picking.h"
#include "landforge/view/tests/view_test_util.h"

namespace landforge {
namespace {

using testing::ViewFixture;

TEST(ViewCamera, ZoomStopsAtATenthInAllThreeComponents) {
    ViewCamera c;
    zoomBy(c, 0.5f);
    EXPECT_FLOAT_EQ(c.zoom.z, 1.5f);
    zoomBy(c, -5.0f);
    EXPECT_FLOAT_EQ(c.zoom.x, 0.1f);
    EXPECT_FLOAT_EQ(c.zoom.y, 0.1f);
    EXPECT_FLOAT_EQ(c.zoom.z, 0.1f);
}

TEST(ViewCamera, AngleLimits) {
    struct Case {
        Vec3 start, turn, expected;
    };
    const Case cases[] = {
        {{80, 0, 0}, {20, 0, 0}, {90, 0, 0}},      // x stops at 90
        {{-80, 0, 0}, {-25, 0, 0}, {-90, 0, 0}},   // and at -90
        {{0, 359, 0}, {0, 2, 0}, {0, 1, 0}},       // y past 360 comes back by 360
        {{0, -359, 0}, {0, -2, 0}, {0, -1, 0}},
        {{0, 0, 350}, {0, 0, 10}, {0, 0, 360}},    // 360 itself is still inside
        {{0, 0, 359}, {0, 0, 725}, {0, 0, 364 - 360}},
    };
    for (const Case& k : cases) {
        ViewCamera c;
        c.angles = k.start;
        rotateBy(c, k.turn.x, k.turn.y, k.turn.z);
        EXPECT_FLOAT_EQ(c.angles.x, k.expected.x);
        EXPECT_FLOAT_EQ(c.angles.y, k.expected.y);
        EXPECT_FLOAT_EQ(c.angles.z, k.expected.z);
    }
}

TEST(ViewCamera, RecentrePivotsOnTheViewAreaAndSetsTheFixedAngles) {
    ViewFixture f;
    f.terrain.view = {100, 50, 4, 2};
    f.terrain.grid.point(100, 50).z = 80;  // centroid z = 80 / 8
    for (ViewCamera& c : f.cameras) c.angles = {10, 20, 30};
    f.cameras[kViewAllInOne].zoom = {3, 3, 3};
    recentre(f.cameras, f.terrain, f.options);
    for (const ViewCamera& c : f.cameras) {
        EXPECT_FLOAT_EQ(c.pivot.x, 1015.0f);
        EXPECT_FLOAT_EQ(c.pivot.y, 505.0f);
        EXPECT_FLOAT_EQ(c.pivot.z, 10.0f);
        EXPECT_FLOAT_EQ(c.pan.x, -1015.0f);  // Keep Terrain Centered is on
        EXPECT_FLOAT_EQ(c.pan.z, -10.0f);
    }
    EXPECT_FLOAT_EQ(f.cameras[kViewXY].angles.x, 0.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewXZ].angles.x, 270.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewYZ].angles.y, 90.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewYZ].angles.z, 0.0f);
    // The free views keep their angles and every zoom stays until a reset.
    EXPECT_FLOAT_EQ(f.cameras[kViewFreeRotate].angles.y, 20.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewAllInOne].zoom.x, 3.0f);

    recentre(f.cameras, f.terrain, f.options, {false, true});
    EXPECT_FLOAT_EQ(f.cameras[kViewFreeRotate].angles.y, 0.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewAllInOne].angles.x, 0.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewAllInOne].zoom.z, 1.0f);
}

TEST(ViewCamera, APanSurvivesRecentringUntilAResetWhenNotKeptCentred) {
    ViewFixture f;
    f.options.keepTerrainCentered = false;
    panBy(f.cameras[kViewXY], 30, -7);
    f.terrain.grid.point(0, 0).z = 256;  // an edit moves the centroid
    recentre(f.cameras, f.terrain, f.options);
    EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.x, -75.0f + 30.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.y, -75.0f - 7.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewXY].pivot.z, 1.0f);
    recentre(f.cameras, f.terrain, f.options, {true, false});
    EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.x, -75.0f);
    EXPECT_FLOAT_EQ(f.cameras[kViewXY].pan.z, -1.0f);
}

// One pixel is two units at zoom 1; the pivot sits in the middle of the viewport; the fixed
// views look down z, along y and along x.
TEST(ViewCamera, EachViewShowsItsPlane) {
    struct Case {
        int view;
        TerrainPoint vertex;  // relative to the pivot
        double x, y;          // window position, y from the bottom
    };
    const Case cases[] = {
        {kViewXY, {10, 20, 50}, 205, 160},
        {kViewXZ, {10, 50, 20}, 205, 160},   // x right, z up
        {kViewYZ, {50, 20, 10}, 205, 160},   // z right, y up
        {kViewFreeRotate, {-10, -20, 0}, 195, 140},
    };
    ViewFixture f;
    for (const Case& k : cases) {
        WindowPosition w = projectToWindow(f.cameras[k.view], f.terrain.view, k.vertex);
        EXPECT_NEAR(w.x, k.x, 1e-3) << viewName(k.view);
        EXPECT_NEAR(w.y, k.y, 1e-3) << viewName(k.view);
    }
    f.cameras[kViewXY].zoom = {2, 2, 2};
    WindowPosition w = projectToWindow(f.cameras[kViewXY], f.terrain.view, {10, 20, 0});
    EXPECT_NEAR(w.x, 210, 1e-3);
    EXPECT_NEAR(w.y, 170, 1e-3);
}

TEST(ViewCamera, HigherPointsAreNearerInTheTopView) {
    ViewFixture f;
    double low = projectToWindow(f.cameras[kViewXY], f.terrain.view, {0, 0, 0}).depth;
    double high = projectToWindow(f.cameras[kViewXY], f.terrain.view, {0, 0, 100}).depth;
    EXPECT_LT(high, low);
    EXPECT_GT(low, 0.0);
    EXPECT_LT(low, 1.0);
    EXPECT_FLOAT_EQ(shadowFogEnd(f.cameras[kViewXY], f.terrain.view), 320.0f);
}

}  // namespace
}  // namespace landforge
