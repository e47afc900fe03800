#include "landforge/view/terrain_mesh.h"

#include <gtest/gtest.h>

#include "landforge/terrain/patch.h"
#include "landforge/view/tests/view_test_util.h"

namespace landforge {
namespace {

using testing::ViewFixture;

struct Vertex {
    float x, y, z;
    int r, g, b;
};

Vertex vertexAt(const TerrainMesh& m, int k) {
    const float* p = &m.positions[static_cast<std::size_t>(k) * 3];
    const std::uint8_t* c = &m.colors[static_cast<std::size_t>(k) * 3];
    return {p[0], p[1], p[2], c[0], c[1], c[2]};
}

struct OneCell : ViewFixture {
    OneCell() { testing::makeOneCell(terrain); }
    const Vec3 pivot{100, 200, 10};
};

TEST(TerrainMesh, TrianglesInCellOrderMinusThePivotWithCornerColours) {
    OneCell f;
    TerrainMesh m;
    buildTerrainMesh(f.terrain, true, f.pivot, m);
    ASSERT_EQ(m.vertexCount(), 6);
    // (00, 10, 11) and (00, 11, 01).
    const Vertex expected[] = {{0, 0, -10, 127, 0, 0},      {10, 0, 245, 0, 255, 0},
                               {10, 10, 117.5f, 255, 255, 0}, {0, 0, -10, 127, 0, 0},
                               {10, 10, 117.5f, 255, 255, 0}, {0, 10, -10, 127, 0, 0}};
    for (int k = 0; k < 6; ++k) {
        Vertex v = vertexAt(m, k);
        EXPECT_FLOAT_EQ(v.x, expected[k].x) << k;
        EXPECT_FLOAT_EQ(v.y, expected[k].y) << k;
        EXPECT_FLOAT_EQ(v.z, expected[k].z) << k;
        EXPECT_EQ((Rgb{v.r, v.g, v.b}), (Rgb{expected[k].r, expected[k].g, expected[k].b})) << k;
    }
}

TEST(TerrainMesh, FlatShadingGivesEachTriangleTheTruncatedMean) {
    OneCell f;
    f.terrain.grid.cell(10, 20).diagonal = 2;
    TerrainMesh m;
    buildTerrainMesh(f.terrain, false, f.pivot, m);
    ASSERT_EQ(m.vertexCount(), 6);
    // Diagonal 2: (10, 01, 00) and (01, 10, 11).
    EXPECT_FLOAT_EQ(vertexAt(m, 0).x, 10.0f);
    EXPECT_FLOAT_EQ(vertexAt(m, 1).y, 10.0f);
    EXPECT_FLOAT_EQ(vertexAt(m, 5).z, 117.5f);
    // high, low, low: (0 + 127 + 127) / 3 = 84.67 -> 84, 255 / 3 = 85.
    for (int k = 0; k < 3; ++k) EXPECT_EQ((Rgb{vertexAt(m, k).r, vertexAt(m, k).g, vertexAt(m, k).b}), (Rgb{84, 85, 0}));
    // low, high, base: (127 + 0 + 255) / 3 = 127.33 -> 127, 510 / 3 = 170.
    for (int k = 3; k < 6; ++k)
        EXPECT_EQ((Rgb{vertexAt(m, k).r, vertexAt(m, k).g, vertexAt(m, k).b}), (Rgb{127, 170, 0}));
}

TEST(TerrainMesh, CellsWithoutTrianglesAndTinyAreas) {
    ViewFixture f;
    TerrainMesh m;
    f.terrain.view = {0, 0, 1, 1};
    buildTerrainMesh(f.terrain, true, {}, m);
    EXPECT_EQ(m.vertexCount(), 0);
    f.terrain.view = {0, 0, 3, 2};
    f.terrain.grid.cell(0, 0).diagonal = 0;
    f.terrain.grid.cell(1, 0).diagonal = 7;
    buildTerrainMesh(f.terrain, true, {}, m);
    EXPECT_EQ(m.vertexCount(), 0);
    f.terrain.grid.cell(1, 0).diagonal = 2;
    buildTerrainMesh(f.terrain, true, {}, m);
    EXPECT_EQ(m.vertexCount(), 6);
    EXPECT_FLOAT_EQ(vertexAt(m, 0).x, 20.0f);  // the second cell's first vertex [2][0]
}

TEST(TerrainMesh, ImportPreviewIsWhiteAtTheBlendedPosition) {
    OneCell f;
    ImportPatch& p = f.terrain.patch;
    p.importWidth = 1;
    p.importHeight = 2;
    p.point(0, 0) = {0, 0, 100};
    p.point(0, 1) = {0, 10, 100};
    startImport(f.terrain);  // at the view origin (10, 20)
    setImportMode(p, ImportMode::Add, 50);
    TerrainMesh m;
    buildTerrainMesh(f.terrain, true, f.pivot, m);
    ASSERT_EQ(m.vertexCount(), 6);
    Vertex v00 = vertexAt(m, 0), v10 = vertexAt(m, 1), v01 = vertexAt(m, 5);
    EXPECT_FLOAT_EQ(v00.z, 50.0f - 10.0f);  // 0 + (100 - 0) * 0.5
    EXPECT_EQ((Rgb{v00.r, v00.g, v00.b}), (Rgb{255, 255, 255}));
    EXPECT_FLOAT_EQ(v01.z, 40.0f);
    EXPECT_FLOAT_EQ(v10.z, 245.0f);  // outside the patch: as it stands, in its own colour
    EXPECT_EQ((Rgb{v10.r, v10.g, v10.b}), (Rgb{0, 255, 0}));
    EXPECT_FLOAT_EQ(f.terrain.grid.point(10, 20).z, 0.0f);  // the terrain itself is untouched
}

TEST(TerrainMesh, TheCacheRebuildsWhenAnythingShownChanges) {
    OneCell f;
    TerrainMeshCache cache;
    EXPECT_FLOAT_EQ(cache.mesh(f.terrain, true, f.pivot).positions[2], -10.0f);
    f.terrain.grid.point(10, 20).z = 20;
    EXPECT_FLOAT_EQ(cache.mesh(f.terrain, true, f.pivot).positions[2], 10.0f);
    const int smoothRed = cache.mesh(f.terrain, true, f.pivot).colors[0];
    const int flatRed = cache.mesh(f.terrain, false, f.pivot).colors[0];
    EXPECT_NE(flatRed, smoothRed);  // the triangle's mean, not the corner's colour
    f.terrain.colors.lowColor = {0, 0, 0};
    EXPECT_NE(cache.mesh(f.terrain, false, f.pivot).colors[0], flatRed);
    f.terrain.grid.cell(10, 20).diagonal = 0;
    EXPECT_EQ(cache.mesh(f.terrain, false, f.pivot).vertexCount(), 0);
    f.terrain.grid.cell(10, 20).diagonal = 1;
    EXPECT_FLOAT_EQ(cache.mesh(f.terrain, false, {0, 0, 0}).positions[0], 100.0f);
    f.terrain.view.viewX = 11;
    EXPECT_FLOAT_EQ(cache.mesh(f.terrain, false, {0, 0, 0}).positions[0], 110.0f);
}

}  // namespace
}  // namespace landforge
