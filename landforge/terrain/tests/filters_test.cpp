#include "landforge/terrain/filters.h"

#include <gtest/gtest.h>

namespace landforge {
namespace {

TEST(Filters, NoiseWithNegativeSpanAddsTwoToFive) {
    TerrainState s;
    s.random.seed(1);
    addRandomNoise(s, -2, 2);
    // Draws 41, 18467, 6334, 26500: remainders by -4 are 1, 3, 2, 0.
    EXPECT_EQ(s.grid.point(0, 0).z, 3.0f);
    EXPECT_EQ(s.grid.point(1, 0).z, 5.0f);
    EXPECT_EQ(s.grid.point(2, 0).z, 4.0f);
    EXPECT_EQ(s.grid.point(3, 0).z, 2.0f);
    for (const TerrainPoint& p : s.grid.points) {
        ASSERT_GE(p.z, 2.0f);
        ASSERT_LE(p.z, 5.0f);
    }
    EXPECT_EQ(s.history.undoList.size(), 1u);
    EXPECT_FALSE(s.history.undoList.front().hasCells);
}

TEST(Filters, NoiseClampsAtZeroOnlyAndEqualLimitsDoNotDivide) {
    TerrainState s;
    s.random.seed(1);
    addRandomNoise(s, 2, -2);  // 41 mod 4 = 1: -2 + 1 = -1 -> 0
    EXPECT_EQ(s.grid.point(0, 0).z, 0.0f);
    EXPECT_EQ(s.grid.point(1, 0).z, 1.0f);  // 18467 mod 4 = 3
    for (TerrainPoint& p : s.grid.points) p.z = 254;
    addRandomNoise(s, 7, 7);
    EXPECT_EQ(s.grid.point(9, 9).z, 261.0f) << "no upper clamp";
    // A span beyond int must not overflow: 2^32 - 1 leaves every draw whole, so each point gets
    // 261 - 2^31 + r, which is negative and clamped.
    addRandomNoise(s, 2147483647, -2147483647 - 1);
    for (const TerrainPoint& p : s.grid.points) ASSERT_EQ(p.z, 0.0f);
}

TEST(Filters, FilterNoisePropagatesTowardHigherIndices) {
    TerrainState s;
    for (int i = 0; i < kGridSize; ++i) s.grid.point(i, 0).z = (i % 2) ? 0.9f : 0.0f;
    s.grid.point(0, 1).z = 3;
    filterNoise(s, 1.0f);
    // Each value is copied onward before the next comparison, so 0 runs along the whole row
    // (reading the old values would leave 0.9 on every even point after the first).
    EXPECT_EQ(s.grid.point(2, 0).z, 0.0f);
    EXPECT_EQ(s.grid.point(255, 0).z, 0.0f);
    EXPECT_EQ(s.grid.point(0, 1).z, 3.0f) << "differs by 3, not less than 1";
    // The pass reaches far beyond the view area: Undo gives back the whole grid.
    ASSERT_EQ(s.history.undoList.front().rect, kFullRect);
    ASSERT_TRUE(undo(s.history, s.grid));
    EXPECT_EQ(s.grid.point(255, 0).z, 0.9f);
    EXPECT_EQ(s.grid.point(2, 0).z, 0.0f);
    EXPECT_EQ(s.grid.point(3, 0).z, 0.9f);
}

TEST(Filters, FilterNoiseCopiesOnlyDifferencesBelowTheMaximum) {
    TerrainState s;
    s.grid.point(1, 0).z = 1.0f;    // difference exactly 1: kept
    s.grid.point(0, 5).z = 10.0f;
    s.grid.point(1, 5).z = 10.5f;   // becomes 10
    s.grid.point(0, 6).z = 30.0f;   // 20 apart from [0][5], kept
    filterNoise(s, 0.25f);          // below 1 counts as 1
    EXPECT_EQ(s.grid.point(1, 0).z, 1.0f);
    EXPECT_EQ(s.grid.point(1, 5).z, 10.0f);
    EXPECT_EQ(s.grid.point(0, 6).z, 30.0f);
}

TEST(Filters, FlattenMovesTowardTheOldMean) {
    TerrainState s;
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i) s.grid.point(i, j).z = (i % 2) ? 100.0f : 50.0f;
    EXPECT_EQ(meanHeight(s.grid), 75.0f);
    flattenTerrain(s, 50);
    EXPECT_EQ(s.grid.point(0, 0).z, 62.5f);
    EXPECT_EQ(s.grid.point(1, 0).z, 87.5f);
    flattenTerrain(s, 400);  // clamped to 100
    EXPECT_EQ(s.grid.point(0, 0).z, 75.0f);
    EXPECT_EQ(s.grid.point(1, 0).z, 75.0f);
}

TEST(Filters, FlattenAtFullStrengthGivesExactlyTheMeanForAnyHeights) {
    TerrainState s;
    // 16.18824 and 310.25936 average to 163.2238; in float arithmetic 16.18824 - (16.18824 -
    // 163.2238) lands one step below the mean.
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i) s.grid.point(i, j).z = (i % 2) ? 310.259361f : 16.18824f;
    float mean = meanHeight(s.grid);
    EXPECT_EQ(mean, 163.2238f);
    flattenTerrain(s, 100);
    EXPECT_EQ(s.grid.point(0, 0).z, mean);
    EXPECT_EQ(s.grid.point(1, 0).z, mean);
    EXPECT_EQ(s.history.undoList.size(), 1u);
    EXPECT_FALSE(s.history.undoList.front().hasCells);
}

TEST(Filters, AverageUsesAlreadyUpdatedNeighboursAndKeepsBorders) {
    TerrainState s;
    s.grid.point(1, 1).z = 40;
    averageTerrain(s, 100);
    // [1][1]: avg of neighbours 0, so 40 + (0 - 40) * 0.5 = 20.
    EXPECT_EQ(s.grid.point(1, 1).z, 20.0f);
    // [2][1]: neighbours [1][1] (already 20) and zeros: avg 5, 0 + 5 * 0.5 = 2.5.
    EXPECT_EQ(s.grid.point(2, 1).z, 2.5f);
    // [1][2]: neighbour [1][1] = 20, [2][2]... not yet: avg 5 -> 2.5.
    EXPECT_EQ(s.grid.point(1, 2).z, 2.5f);
    for (int i = 0; i < kGridSize; ++i) {
        s.grid.point(i, 0).z = 9;
        s.grid.point(0, i).z = 9;
    }
    averageTerrain(s, 0);  // clamped to 1 %
    EXPECT_EQ(s.grid.point(0, 0).z, 9.0f);
    EXPECT_EQ(s.grid.point(5, 0).z, 9.0f);
}

TEST(Filters, RaiseAndLowerClampOverTheViewArea) {
    TerrainState s;
    s.view = {10, 10, 4, 4};
    raiseTerrain(s, RaiseLowerMode::ByHeight, 300);
    EXPECT_EQ(s.grid.point(10, 10).z, 255.0f);
    EXPECT_EQ(s.grid.point(13, 13).z, 255.0f);
    EXPECT_EQ(s.grid.point(14, 13).z, 0.0f);
    lowerTerrain(s, RaiseLowerMode::ByHeight, 100);
    EXPECT_EQ(s.grid.point(11, 11).z, 155.0f);
    lowerTerrain(s, RaiseLowerMode::ToHeight, -20);
    EXPECT_EQ(s.grid.point(11, 11).z, 0.0f);
    raiseTerrain(s, RaiseLowerMode::ToHeight, -20);
    EXPECT_EQ(s.grid.point(11, 11).z, -20.0f) << "raise clamps only from above";
    // Each command keeps the view area for Undo.
    ASSERT_EQ(s.history.undoList.size(), 4u);
    EXPECT_EQ(s.history.undoList.front().rect, (GridRect{10, 10, 4, 4}));
    for (int k = 0; k < 4; ++k) ASSERT_TRUE(undo(s.history, s.grid));
    EXPECT_EQ(s.grid.point(11, 11).z, 0.0f);
    EXPECT_EQ(s.grid.point(13, 13).z, 0.0f);
}

}  // namespace
}  // namespace landforge
