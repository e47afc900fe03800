#include "landforge/terrain/generator.h"

#include <limits>

#include <gtest/gtest.h>

namespace landforge {
namespace {

TEST(LcgRandom, FirstDrawsForSeedsOneAndZero) {
    LcgRandom r;
    r.seed(1);
    int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int e : expected) EXPECT_EQ(r.next(), e);
    r.seed(0);
    EXPECT_EQ(r.next(), 38);
}

TEST(Generator, DisplacedMidpointWidensNarrowSpans) {
    LcgRandom r;
    // Four heights 240: lo becomes 238; the draw 41 gives 41 mod 4 = 1, (1 - 2) / 2 -> 0, + 239.
    r.seed(1);
    EXPECT_EQ(displacedMidpoint(240, 240, 2.0f, r), 239.0f);
    r.seed(1);
    EXPECT_EQ(displacedMidpoint(240, 240, 1.0f, r), 238.0f);
    // Four heights 10: hi becomes 12; (1 - 2) / 1 = -1, + 11.
    r.seed(1);
    EXPECT_EQ(displacedMidpoint(10, 10, 1.0f, r), 10.0f);
}

TEST(Generator, DisplacedMidpointOfZeroTo200StaysInItsBounds) {
    LcgRandom r;
    r.seed(12345);
    float lo2 = 1e9f, hi2 = -1e9f, lo1 = 1e9f, hi1 = -1e9f;
    for (int k = 0; k < 20000; ++k) {
        float a = displacedMidpoint(200, 0, 2.0f, r);
        float b = displacedMidpoint(200, 0, 1.0f, r);
        lo2 = std::min(lo2, a);
        hi2 = std::max(hi2, a);
        lo1 = std::min(lo1, b);
        hi1 = std::max(hi1, b);
    }
    EXPECT_EQ(lo2, 0.0f);
    EXPECT_EQ(hi2, 199.0f);
    EXPECT_EQ(lo1, -100.0f);
    EXPECT_EQ(hi1, 299.0f);
}

TEST(Generator, HugeOrEqualHeightsNeverDivideByZero) {
    LcgRandom r;
    r.seed(3);
    // At 1e30 the +2 is lost to rounding, leaving a span of 0.
    float v = displacedMidpoint(1e30f, 1e30f, 2.0f, r);
    EXPECT_EQ(v, 1e30f);
    // The span overflows to infinity: the draw is then far below it, giving minus infinity
    // rather than a crash in the remainder.
    EXPECT_EQ(displacedMidpoint(3e38f, -3e38f, 2.0f, r), -std::numeric_limits<float>::infinity());
}

TEST(Generator, SeedOneGivesTheHandWorkedFirstHeights) {
    Heightfield g;
    LcgRandom r;
    generateTerrain(g, r, 1, 2.0f, false);
    EXPECT_EQ(g.point(0, 0).z, 41.0f);
    EXPECT_EQ(g.point(255, 0).z, 107.0f);
    EXPECT_EQ(g.point(0, 255).z, 214.0f);
    EXPECT_EQ(g.point(255, 255).z, 235.0f);
    EXPECT_EQ(g.point(127, 127).z, 44.0f);
    EXPECT_EQ(g.point(127, 0).z, 169.0f);
    EXPECT_EQ(g.point(0, 127).z, 3.0f);
    EXPECT_EQ(g.point(127, 255).z, 33.0f);
    EXPECT_EQ(g.point(255, 127).z, 187.0f);
    // Level 2, first square (centre [63][63], corners 41, 169, 3, 44), then its edges.
    EXPECT_EQ(g.point(63, 63).z, 117.0f);
    EXPECT_EQ(g.point(63, 0).z, 78.0f);
    EXPECT_EQ(g.point(63, 127).z, 12.5f);
    EXPECT_EQ(g.point(0, 63).z, 16.0f);
    EXPECT_EQ(g.point(127, 63).z, 82.5f);
    // Second square of the row: corners 169, 107, 44, 187, draw 9961.
    EXPECT_EQ(g.point(191, 63).z, 162.5f);
    for (const TerrainPoint& p : g.points) ASSERT_NE(p.z, kUnsetHeight);
}

TEST(Generator, EqualSeedsGiveEqualTerrainsAndCellsAreRechosen) {
    TerrainState a, b;
    TerrainParameters p;
    p.seed = 987654;
    p.dampening = 1.5f;
    changeTerrainParameters(a, p);
    changeTerrainParameters(b, p);
    for (std::size_t k = 0; k < a.grid.points.size(); ++k) ASSERT_EQ(a.grid.points[k].z, b.grid.points[k].z);
    Heightfield recomputed = a.grid;
    updateTrisFull(recomputed);
    for (std::size_t k = 0; k < a.grid.cells.size(); ++k)
        ASSERT_EQ(a.grid.cells[k].diagonal, recomputed.cells[k].diagonal);
    EXPECT_EQ(a.history.undoList.size(), 1u);
}

TEST(Generator, ParameterDialogClampsItsValues) {
    TerrainState s;
    TerrainParameters p;
    p.dampening = 0.25f;
    p.initialHeight = 300;
    p.seaLevel = 255;
    changeTerrainParameters(s, p);
    EXPECT_EQ(s.params.dampening, 1.0f);
    EXPECT_EQ(s.params.initialHeight, 255.0f);
    EXPECT_EQ(s.params.seaLevel, 254.0f);
    p.initialHeight = -3;
    p.seaLevel = -1;
    changeTerrainParameters(s, p);
    EXPECT_EQ(s.params.initialHeight, 0.0f);
    EXPECT_EQ(s.params.seaLevel, 0.0f);
}

TEST(Generator, FillInKeepsNonZeroHeightsAndOnlyFillsZeros) {
    TerrainState s;
    initTerrainState(s, 77);
    for (TerrainPoint& p : s.grid.points) p.z = 5;
    std::uint32_t before = s.params.seed;
    fillInRandomTerrain(s);
    EXPECT_NE(s.params.seed, before) << "Fill In draws a new seed";
    for (const TerrainPoint& p : s.grid.points) ASSERT_EQ(p.z, 5.0f);
    EXPECT_EQ(s.history.undoList.size(), 1u);

    // A hole of zeros in the middle of a set terrain gets values; the rest stays.
    for (int j = 100; j < 110; ++j)
        for (int i = 100; i < 110; ++i) s.grid.point(i, j).z = 0;
    fillInRandomTerrain(s);
    EXPECT_EQ(s.grid.point(99, 99).z, 5.0f);
    int changed = 0;
    for (int j = 100; j < 110; ++j)
        for (int i = 100; i < 110; ++i) changed += s.grid.point(i, j).z != 0.0f;
    EXPECT_GT(changed, 90);
}

TEST(Generator, NewRandomTerrainDrawsTheSeedFromTheGenerator) {
    TerrainState s;
    initTerrainState(s, 1);
    EXPECT_EQ(s.params.seed, 41u);
    newRandomTerrain(s);
    EXPECT_EQ(s.params.seed, 18467u);
    Heightfield expected;
    LcgRandom r;
    generateTerrain(expected, r, 18467, 2.0f, false);
    EXPECT_EQ(s.grid.point(77, 200).z, expected.point(77, 200).z);
}

}  // namespace
}  // namespace landforge
