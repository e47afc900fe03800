// Erosion on a generated terrain: same settings same bytes, one undo step, nothing outside the
// area touched, heights kept finite and in range, and a cancelled run changing nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "landforge/terrain/erosion.h"
#include "landforge/terrain/generator.h"

namespace landforge {
namespace {

struct Case {
    const char* name;
    bool hydraulic;
    GridRect area;
};

const Case kCases[] = {
    {"thermal full", false, kFullRect},
    {"thermal view", false, {40, 70, 50, 30}},
    {"hydraulic full", true, kFullRect},
    {"hydraulic view", true, {40, 70, 50, 30}},
    {"hydraulic corner view", true, {250, 0, 6, 6}},
};

ErosionRun runFor(const TerrainState& s, const Case& c, std::uint32_t seed = 7) {
    if (!c.hydraulic) return ErosionRun::thermal(s.grid, c.area, {20, 5.0f, 0.5f});
    HydraulicSettings h;
    h.droplets = 4000;
    h.seed = seed;
    return ErosionRun::hydraulic(s.grid, c.area, h);
}

TerrainState generated(std::uint32_t seed = 99) {
    TerrainState s;
    initTerrainState(s, 5);
    generateTerrain(s.grid, s.random, seed, 2.0f, false);
    updateTrisFull(s.grid);
    return s;
}

bool sameBytes(const Heightfield& a, const Heightfield& b) {
    return std::memcmp(a.points.data(), b.points.data(), a.points.size() * sizeof(TerrainPoint)) == 0 &&
           std::memcmp(a.cells.data(), b.cells.data(), a.cells.size() * sizeof(TerrainCell)) == 0;
}

bool inside(const GridRect& r, int i, int j) { return i >= r.x && j >= r.y && i < r.x + r.width && j < r.y + r.height; }

TEST(Erosion, EachRunIsDeterministicUndoableAndStaysInItsArea) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const TerrainState before = generated();
        TerrainState a = before, b = before;
        ASSERT_TRUE(runErosion(a, runFor(a, c)));
        ASSERT_TRUE(runErosion(b, runFor(b, c)));
        EXPECT_TRUE(sameBytes(a.grid, b.grid));
        EXPECT_TRUE(a.modified);
        ASSERT_EQ(a.history.undoList.size(), 1u);

        int changedInside = 0;
        for (int j = 0; j < kGridSize; ++j)
            for (int i = 0; i < kGridSize; ++i) {
                const TerrainPoint &p = a.grid.point(i, j), &q = before.grid.point(i, j);
                if (!inside(c.area, i, j)) {
                    ASSERT_EQ(std::memcmp(&p, &q, sizeof p), 0) << i << "," << j;
                } else {
                    changedInside += p.z != q.z;
                }
                ASSERT_EQ(p.x, q.x);
                ASSERT_EQ(p.y, q.y);
            }
        EXPECT_GT(changedInside, c.area.width * c.area.height / 10);

        // The cells touching the area follow the new heights; Undo gives back the exact terrain.
        Heightfield recomputed = a.grid;
        updateTrisFull(recomputed);
        EXPECT_TRUE(sameBytes(recomputed, a.grid));
        Heightfield eroded = a.grid;
        ASSERT_TRUE(undo(a.history, a.grid));
        EXPECT_TRUE(sameBytes(a.grid, before.grid));
        ASSERT_TRUE(redo(a.history, a.grid));
        EXPECT_TRUE(sameBytes(a.grid, eroded));
    }
}

TEST(Erosion, HydraulicSeedChoosesTheDroplets) {
    const TerrainState before = generated();
    TerrainState a = before, b = before;
    runErosion(a, runFor(a, kCases[2], 1));
    runErosion(b, runFor(b, kCases[2], 2));
    EXPECT_FALSE(sameBytes(a.grid, b.grid));
}

TEST(Erosion, HarshSettingsKeepHeightsFiniteAndInTheStartRange) {
    // A checkerboard of 0 and 255 with a cliff, and the harshest settings both accept.
    TerrainState s;
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i) s.grid.point(i, j).z = ((i + j) % 2 || i > 200) ? 255.0f : 0.0f;
    HydraulicSettings wild{40000, 10.0f, 1.0f, 1.0f, 0.0f, 3};
    const ErosionRun runs[] = {ErosionRun::thermal(s.grid, kFullRect, {100, 0.0f, 1.0f}),
                               ErosionRun::hydraulic(s.grid, kFullRect, wild),
                               ErosionRun::hydraulic(s.grid, {0, 0, 2, 2}, wild)};
    for (const ErosionRun& run : runs) {
        TerrainState t = s;
        ASSERT_TRUE(runErosion(t, run));
        for (const TerrainPoint& p : t.grid.points) {
            ASSERT_TRUE(std::isfinite(p.z));
            ASSERT_GE(p.z, 0.0f);
            ASSERT_LE(p.z, 255.0f);
        }
    }
}

TEST(Erosion, SettingsOutsideTheirRangesAreLimited) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    ThermalSettings t = withLimits(ThermalSettings{0, nan, 7.0f});
    EXPECT_EQ(t.iterations, 1);
    EXPECT_EQ(t.talusAngle, ThermalSettings{}.talusAngle);
    EXPECT_EQ(t.amount, 1.0f);
    HydraulicSettings h = withLimits(HydraulicSettings{5000000, -1.0f, 2.0f, nan, 1.0f, 9});
    EXPECT_EQ(h.droplets, 1000000);
    EXPECT_EQ(h.rain, 0.01f);
    EXPECT_EQ(h.erosionRate, 1.0f);
    EXPECT_EQ(h.depositionRate, HydraulicSettings{}.depositionRate);
    EXPECT_EQ(h.evaporation, 0.99f);
    EXPECT_EQ(h.seed, 9u);
}

TEST(Erosion, CancelLeavesTheTerrainAndTheUndoListAlone) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const TerrainState before = generated();
        TerrainState s = before;
        int calls = 0;
        double last = 0;
        bool done = runErosion(s, runFor(s, c), [&](double share) {
            EXPECT_GE(share, last);
            last = share;
            return ++calls < 3;
        });
        EXPECT_FALSE(done);
        EXPECT_EQ(calls, 3);
        EXPECT_TRUE(sameBytes(s.grid, before.grid));
        EXPECT_TRUE(s.history.undoList.empty());
        EXPECT_FALSE(s.modified);
    }
}

}  // namespace
}  // namespace landforge
