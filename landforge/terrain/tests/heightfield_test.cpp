#include "landforge/terrain/heightfield.h"

#include <gtest/gtest.h>

namespace landforge {
namespace {

void setCell(Heightfield& g, float z00, float z10, float z11, float z01) {
    g.point(0, 0).z = z00;
    g.point(1, 0).z = z10;
    g.point(1, 1).z = z11;
    g.point(0, 1).z = z01;
    updateTrisCells(g, 0, 0, 0, 0);
}

TEST(Heightfield, FreshGridIsSpacedTenApartAtHeightZero) {
    Heightfield g;
    EXPECT_EQ(g.point(3, 7).x, 30.0f);
    EXPECT_EQ(g.point(3, 7).y, 70.0f);
    EXPECT_EQ(g.point(255, 255).x, 2550.0f);
    EXPECT_EQ(g.point(255, 255).z, 0.0f);
}

TEST(Heightfield, CellSplitsAlongTheDiagonalWhoseEndsDifferLess) {
    Heightfield g;
    setCell(g, 0, 0, 0, 0);  // flat
    EXPECT_EQ(g.cell(0, 0).diagonal, 1);
    setCell(g, 0, 10, 10, 0);  // |z00 - z11| = |z01 - z10| = 10: tie
    EXPECT_EQ(g.cell(0, 0).diagonal, 1);
    setCell(g, 0, 5, 20, 5);  // 20 > 0
    EXPECT_EQ(g.cell(0, 0).diagonal, 2);
    EXPECT_EQ(g.cell(0, 0).center.x, 5.0f);  // midpoint of [1][0] (10,0,5) and [0][1] (0,10,5)
    EXPECT_EQ(g.cell(0, 0).center.y, 5.0f);
    EXPECT_EQ(g.cell(0, 0).center.z, 5.0f);
    setCell(g, 4, 0, 8, 20);  // |4 - 8| = 4 < 20
    EXPECT_EQ(g.cell(0, 0).diagonal, 1);
    EXPECT_EQ(g.cell(0, 0).center.z, 6.0f);
}

TEST(Heightfield, UpdateTrisRectCoversOnlyTheInteriorCells) {
    Heightfield g;
    // z = 10 i j makes every cell prefer diagonal 2: |z00 - z11| = 10 (i + j + 1) > 10 |i - j|.
    for (int j = 0; j < kGridSize; ++j)
        for (int i = 0; i < kGridSize; ++i) g.point(i, j).z = static_cast<float>(10 * i * j);
    updateTrisRect(g, {2, 3, 4, 3});  // cells [2..4] x [3..4]
    for (int j = 2; j <= 5; ++j)
        for (int i = 1; i <= 5; ++i) {
            bool inside = i >= 2 && i <= 4 && j >= 3 && j <= 4;
            EXPECT_EQ(g.cell(i, j).diagonal, inside ? 2 : 1) << i << "," << j;
        }
    EXPECT_EQ(g.cell(2, 3).center.z, 85.0f);  // diagonal 2 ends: [3][3] = 90 and [2][4] = 80
}

TEST(Heightfield, RefreshCentresKeepsTheDiagonal) {
    Heightfield g;
    g.point(1, 1).z = 50;  // cell [0][0] would now choose diagonal 2
    refreshCentres(g, {0, 0, 2, 2});
    EXPECT_EQ(g.cell(0, 0).diagonal, 1);
    EXPECT_EQ(g.cell(0, 0).center.z, 25.0f);
    EXPECT_EQ(g.cell(1, 0).center.z, 0.0f);
}

TEST(Heightfield, ColoursRunFromBaseToHighAndLow) {
    HeightColors c;
    EXPECT_EQ(heightColor(c, 127.5f), (Rgb{255, 255, 0}));
    EXPECT_EQ(heightColor(c, 255.0f), (Rgb{0, 255, 0}));
    EXPECT_EQ(heightColor(c, 0.0f), (Rgb{127, 0, 0}));
    // t = 0.5 toward high: 255 + 0.5 * (0 - 255) = 127.5, truncated
    EXPECT_EQ(heightColor(c, 191.25f), (Rgb{127, 255, 0}));
    // t = (127.5 - 100) / 127.5 toward low: red 255 - 0.2157 * 128 = 227.39, green 255 * 0.784 = 200.0
    EXPECT_EQ(heightColor(c, 100.0f), (Rgb{227, 200, 0}));
}

TEST(Heightfield, ColoursOfHeightsOutsideTheRangeStayInsideAByte) {
    HeightColors c;
    EXPECT_EQ(heightColor(c, 1e30f), (Rgb{0, 255, 0}));
    EXPECT_EQ(heightColor(c, -3e38f), (Rgb{127, 0, 0}));
    EXPECT_EQ(heightColor(c, -1.0f), (Rgb{127, 0, 0}));
}

TEST(Heightfield, AveragePointOfGridAndView) {
    Heightfield g;
    g.point(0, 0).z = 65536.0f;
    TerrainPoint full = averagePoint(g, kFullRect);
    EXPECT_FLOAT_EQ(full.z, 1.0f);
    EXPECT_FLOAT_EQ(full.x, 1275.0f);
    TerrainPoint view = averagePoint(g, {0, 0, 2, 2});
    EXPECT_FLOAT_EQ(view.z, 16384.0f);
    EXPECT_FLOAT_EQ(view.x, 5.0f);
}

}  // namespace
}  // namespace landforge
