#include "landforge/view/overhead_map.h"

#include <gtest/gtest.h>

namespace landforge {
namespace {

constexpr std::uint32_t kOutline = 0xffdc0e76u;  // (220, 14, 118)
constexpr std::uint32_t kLow = 0xff7f0000u;      // height 0

std::uint32_t at(const std::vector<std::uint32_t>& px, int x, int y) {
    return px[static_cast<std::size_t>(y) * kOverheadSize + x];
}

TEST(OverheadMap, PixelsShowPointsNorthUpAndSkipUnsetHeights) {
    TerrainState t;
    initTerrainState(t, 1);
    t.view = {100, 100, 16, 16};  // out of the way
    t.grid.point(10, 200).z = 255;
    t.grid.point(254, 2).z = 127.5f;
    t.grid.point(11, 200).z = kUnsetHeight;
    auto px = overheadPixels(t);
    ASSERT_EQ(px.size(), 255u * 255u);
    EXPECT_EQ(at(px, 10, 56), 0xff00ff00u);   // [10][256 - 56] in the high colour
    EXPECT_EQ(at(px, 254, 254), 0xffffff00u); // [254][2] in the base colour
    EXPECT_EQ(at(px, 11, 56), 0u);            // unset: not painted
    EXPECT_EQ(at(px, 50, 50), kLow);
    for (int x = 0; x < kOverheadSize; ++x) EXPECT_EQ(at(px, x, 0), 0u) << x;  // row 0 stays unpainted
}

TEST(OverheadMap, TheViewAreaOutline) {
    TerrainState t;
    initTerrainState(t, 1);
    t.view = {20, 30, 16, 16};
    auto px = overheadPixels(t);
    struct Case {
        int x, y;
        bool outline;
    };
    // Vertical edges in columns 20 and 36 over rows 226 down to 211; horizontal edges in rows
    // 226 and 210 over columns 20 to 35.
    const Case cases[] = {{20, 211, true},  {36, 226, true},  {36, 211, true},  {20, 210, true},
                          {35, 210, true},  {30, 226, true},  {36, 210, false}, {36, 227, false},
                          {21, 220, false}, {19, 220, false}, {37, 215, false}, {20, 209, false}};
    for (const Case& k : cases)
        EXPECT_EQ(at(px, k.x, k.y), k.outline ? kOutline : kLow) << k.x << "," << k.y;

    t.view = {0, 0, 16, 16};  // the top edge falls below the client area
    px = overheadPixels(t);
    EXPECT_EQ(at(px, 0, 254), kOutline);
    EXPECT_EQ(at(px, 16, 241), kOutline);
    EXPECT_EQ(at(px, 8, 240), kOutline);
    EXPECT_EQ(at(px, 8, 241), kLow);
}

}  // namespace
}  // namespace landforge
