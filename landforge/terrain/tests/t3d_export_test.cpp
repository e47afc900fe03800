#include "landforge/terrain/t3d_export.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "landforge/terrain/generator.h"

namespace landforge {
namespace {

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
    return n;
}

TEST(T3dExport, FlatFullTerrainStartsWithTheFirstTriangleOfCellZero) {
    Heightfield g;
    std::string text = t3dText(exportArea(g, kFullRect), 1);
    const std::string head =
        "Begin PolyList\r\n"
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   +0.000000,+0.000000,-1.000000\r\n"
        "      TextureU +1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+16.000000,+0.000000\r\n"
        "   End Polygon\r\n"
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   +0.000000,+0.000000,-1.000000\r\n"
        "      TextureU +1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+16.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+16.000000,+0.000000\r\n"
        "   End Polygon\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(count(text, "   Begin Polygon\r\n"), 131071u);
    EXPECT_EQ(count(text, "   End Polygon\r\n"), 131071u);
    EXPECT_EQ(count(text, "-0.000000"), 0u);
    const std::string tail =
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   +0.000000,+0.000000,-1.000000\r\n"
        "      TextureU +1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+0.000000,-32.000000\r\n"
        "      Vertex   +0.000000,+4080.000000,-32.000000\r\n"
        "      Vertex   +4080.000000,+4080.000000,-32.000000\r\n"
        "      Vertex   +4080.000000,+0.000000,-32.000000\r\n"
        "   End Polygon\r\n"
        "End PolyList\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(T3dExport, FlatNormalIsDownwardInAllFourTriangleCases) {
    Heightfield g;
    g.cell(0, 0).diagonal = 2;
    std::string text = t3dText(exportArea(g, {0, 0, 2, 2}), 1);
    EXPECT_EQ(count(text, "      Normal   +0.000000,+0.000000,-1.000000\r\n"), 3u);  // two triangles + bottom
    EXPECT_EQ(count(text, "Begin Polygon"), 2u + 4u + 1u);
    // Diagonal 2: B, D, A then D, B, C.
    EXPECT_NE(text.find("      Vertex   +16.000000,+0.000000,+0.000000\r\n"
                        "      Vertex   +0.000000,+16.000000,+0.000000\r\n"
                        "      Vertex   +0.000000,+0.000000,+0.000000\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("      Vertex   +0.000000,+16.000000,+0.000000\r\n"
                        "      Vertex   +16.000000,+0.000000,+0.000000\r\n"
                        "      Vertex   +16.000000,+16.000000,+0.000000\r\n"),
              std::string::npos);
}

TEST(T3dExport, SlopedNormalAndScaledVertices) {
    Heightfield g;
    g.point(1, 0).z = 10;  // cell [0][0] diagonal 1: A (0,0,0) B (10,0,10) C (10,10,0)
    std::string text = t3dText(exportArea(g, {0, 0, 2, 2}), 1);
    // (A - B) x (C - B) = (-10,0,-10) x (0,10,-10) = (100, -100, -100), unit: (0.57735, -0.57735, -0.57735).
    EXPECT_NE(text.find("      Normal   +0.577350,-0.577350,-0.577350\r\n"), std::string::npos);
    EXPECT_NE(text.find("      Vertex   +16.000000,+0.000000,+16.000000\r\n"), std::string::npos);
}

TEST(T3dExport, ScaleMultipliesInDoublePrecision) {
    Heightfield g;
    g.point(0, 0).z = 123;
    std::string text = t3dText(exportArea(g, {0, 0, 2, 2}), 1);
    EXPECT_NE(text.find("      Vertex   +0.000000,+0.000000,+196.800000\r\n"), std::string::npos);
    std::string scaled = t3dText(exportArea(g, {0, 0, 2, 2}), 3);
    EXPECT_NE(scaled.find("      Vertex   +48.000000,+48.000000,+0.000000\r\n"), std::string::npos);
    // Base: lowest z 0 -> -32 at any scale.
    EXPECT_NE(scaled.find(",-32.000000\r\n"), std::string::npos);
}

TEST(T3dExport, BaseIsCappedAt255BeforeTheDrop) {
    Heightfield g;
    for (TerrainPoint& p : g.points) p.z = 200;
    std::string text = t3dText(exportArea(g, {0, 0, 2, 2}), 1);
    EXPECT_NE(text.find("      Vertex   +0.000000,+0.000000,+223.000000\r\n"), std::string::npos);
    for (TerrainPoint& p : g.points) p.z = 100;
    text = t3dText(exportArea(g, {0, 0, 2, 2}), 1);
    EXPECT_NE(text.find("      Vertex   +0.000000,+0.000000,+128.000000\r\n"), std::string::npos);  // 160 - 32
}

TEST(T3dExport, WallsInTheirOrderForATwoByTwoView) {
    Heightfield g;
    std::string text = t3dText(exportArea(g, {40, 50, 2, 2}), 1);  // rebased to the origin
    const std::string walls =
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   +0.000000,+1.000000,+0.000000\r\n"
        "      TextureU -1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+0.000000,-32.000000\r\n"
        "      Vertex   +16.000000,+0.000000,-32.000000\r\n"
        "   End Polygon\r\n"
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   +0.000000,+1.000000,+0.000000\r\n"
        "      TextureU +1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+16.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+16.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+16.000000,-32.000000\r\n"
        "      Vertex   +0.000000,+16.000000,-32.000000\r\n"
        "   End Polygon\r\n"
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   +1.000000,+0.000000,+0.000000\r\n"
        "      TextureU +1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+16.000000,+0.000000\r\n"
        "      Vertex   +0.000000,+16.000000,-32.000000\r\n"
        "      Vertex   +0.000000,+0.000000,-32.000000\r\n"
        "   End Polygon\r\n"
        "   Begin Polygon\r\n"
        "      Origin   +0.000000,+0.000000,+0.000000\r\n"
        "      Normal   -1.000000,+0.000000,+0.000000\r\n"
        "      TextureU +1.000000,+0.000000,+0.000000\r\n"
        "      TextureV +0.000000,+1.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+16.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+0.000000,+0.000000\r\n"
        "      Vertex   +16.000000,+0.000000,-32.000000\r\n"
        "      Vertex   +16.000000,+16.000000,-32.000000\r\n"
        "   End Polygon\r\n";
    std::size_t at = text.find("      Normal   +0.000000,+1.000000,+0.000000\r\n");
    ASSERT_NE(at, std::string::npos);
    at = text.rfind("   Begin Polygon\r\n", at);
    EXPECT_EQ(text.substr(at, walls.size()), walls);
}

TEST(T3dExport, OneByOneViewWritesOnlyTheBottom) {
    Heightfield g;
    g.point(7, 7).z = 5;
    std::string text = t3dText(exportArea(g, {7, 7, 1, 1}), 1);
    EXPECT_EQ(count(text, "Begin Polygon"), 1u);
    EXPECT_EQ(count(text, "      Vertex   +0.000000,+0.000000,-24.000000\r\n"), 4u);  // 8 - 32
}

TEST(T3dExport, CellsWithoutADiagonalWriteNothing) {
    Heightfield g;
    g.cell(0, 0).diagonal = 0;
    std::string text = t3dText(exportArea(g, {0, 0, 3, 2}), 1);
    EXPECT_EQ(count(text, "Begin Polygon"), 2u + 2 * 2 + 2 + 1);
}

TEST(T3dExport, FileHoldsTheSameTextAndAFailedWriteLeavesNothing) {
    korvath::testing::TempDir dir;
    TerrainState s;
    TerrainParameters p;
    p.seed = 99;
    changeTerrainParameters(s, p);
    ExportArea area = exportArea(s.grid, kFullRect);
    ASSERT_TRUE(writeT3dFile(area, 2, (dir / "out.t3d").string()).ok());
    EXPECT_EQ(dir.read("out.t3d"), t3dText(area, 2));
    dir.write("blocker", "x");
    korvath::Status bad = writeT3dFile(area, 1, (dir / "blocker" / "out.t3d").string());
    EXPECT_FALSE(bad.ok());
    dir.makeDir("folder.t3d");
    EXPECT_FALSE(writeT3dFile(area, 1, (dir / "folder.t3d").string()).ok());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

// An export over a file a map folder links to replaces the linked file and keeps its bits.
TEST(T3dExport, ReplacingAnExportKeepsTheLinkAndItsMode) {
    namespace fs = std::filesystem;
    korvath::testing::TempDir dir;
    TerrainState s;
    ExportArea area = exportArea(s.grid, kFullRect);
    fs::path real = dir.write("maps/arena.t3d", "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    std::error_code linked;
    fs::create_symlink("maps/arena.t3d", dir / "arena.t3d", linked);
    if (linked) GTEST_SKIP() << "no symbolic links here (Windows needs a right Wine does not give): " << linked.message();
    ASSERT_TRUE(writeT3dFile(area, 1, (dir / "arena.t3d").string()).ok());
    EXPECT_TRUE(fs::is_symlink(dir / "arena.t3d"));
    EXPECT_EQ(dir.read("maps/arena.t3d"), t3dText(area, 1));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace landforge
