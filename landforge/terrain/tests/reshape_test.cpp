#include "landforge/terrain/reshape.h"

#include <cmath>

#include <gtest/gtest.h>

namespace landforge {
namespace {

// A state whose view area is 11 x 1 points along x at height 100, point [0][0] selected.
TerrainState lineState(ReshapeMethod method) {
    TerrainState s;
    s.view = {0, 0, 11, 1};
    for (int i = 0; i < 11; ++i) s.grid.point(i, 0).z = 100;
    s.selection.add({0, 0});
    s.tools.method = method;
    return s;
}

TEST(Reshape, PeakPullFallsOffAsTenOverDistanceWithinTheRadius) {
    TerrainState s = lineState(ReshapeMethod::Peak);
    applyReshape(s, {0, 0, 8});
    EXPECT_EQ(s.grid.point(0, 0).z, 100.0f) << "the selected point itself is not pulled";
    EXPECT_FLOAT_EQ(s.grid.point(1, 0).z, 108.0f);  // d = 10, v = 1
    EXPECT_FLOAT_EQ(s.grid.point(2, 0).z, 104.0f);  // d = 20, v = 2
    EXPECT_FLOAT_EQ(s.grid.point(4, 0).z, 102.0f);  // d = 40 = radius
    EXPECT_EQ(s.grid.point(5, 0).z, 100.0f);
    s = lineState(ReshapeMethod::Peak);
    applyReshape(s, {5, -5, 0});
    EXPECT_FLOAT_EQ(s.grid.point(1, 0).x, 15.0f);
    EXPECT_FLOAT_EQ(s.grid.point(1, 0).y, -5.0f);
}

TEST(Reshape, PeakSkipsAPointOnTopOfASelectedPoint) {
    TerrainState s = lineState(ReshapeMethod::Peak);
    s.grid.point(1, 0) = s.grid.point(0, 0);
    applyReshape(s, {0, 0, 8});
    EXPECT_EQ(s.grid.point(1, 0).z, 100.0f);
}

TEST(Reshape, DomeRisesAsACircleAndNothingWithoutHeightChange) {
    TerrainState s = lineState(ReshapeMethod::Dome);
    applyReshape(s, {3, 3, 0});
    for (int i = 0; i < 11; ++i) EXPECT_EQ(s.grid.point(i, 0).z, 100.0f);
    applyReshape(s, {0, 0, 10});
    // R = 80: d = 40 gives sqrt(6400 - 1600) / 80 * 10 = 8.660...
    EXPECT_NEAR(s.grid.point(4, 0).z, 100.0f + std::sqrt(4800.0f) / 8.0f, 1e-4);
    EXPECT_NEAR(s.grid.point(8, 0).z, 100.0f, 1e-5);  // d = R
    EXPECT_EQ(s.grid.point(9, 0).z, 100.0f);
}

TEST(Reshape, RippleFollowsTheSineOverTheRadius) {
    TerrainState s = lineState(ReshapeMethod::Ripple);
    setRippleMethod(s.tools, 8, 1);
    applyReshape(s, {0, 0, 10});
    EXPECT_NEAR(s.grid.point(2, 0).z, 110.0f, 1e-4);  // quarter cycle
    EXPECT_NEAR(s.grid.point(4, 0).z, 100.0f, 1e-4);  // half
    EXPECT_NEAR(s.grid.point(6, 0).z, 90.0f, 1e-4);   // three quarters
}

TEST(Reshape, HeightsAreClampedAfterEachSelectedPoint) {
    TerrainState s = lineState(ReshapeMethod::Dome);
    s.selection.add({10, 0});
    applyReshape(s, {0, 0, 500});
    for (int i = 1; i < 10; ++i) EXPECT_EQ(s.grid.point(i, 0).z, 255.0f);
    s = lineState(ReshapeMethod::Dome);
    s.selection.add({10, 0});
    applyReshape(s, {0, 0, -5000});
    EXPECT_EQ(s.grid.point(5, 0).z, 0.0f);
}

TEST(Reshape, RadiusDialogsStoreTenTimesTheInputAtLeastOne) {
    ToolSettings t;
    setPeakRadius(t, 3);
    EXPECT_EQ(t.peakRadius, 30.0f);
    EXPECT_EQ(t.method, ReshapeMethod::Peak);
    setDomeRadius(t, 0);
    EXPECT_EQ(t.domeRadius, 1.0f);
    EXPECT_EQ(t.method, ReshapeMethod::Dome);
    setRippleMethod(t, -4, 0);
    EXPECT_EQ(t.rippleRadius, 1.0f);
    EXPECT_EQ(t.rippleCycles, 1);
}

}  // namespace
}  // namespace landforge
