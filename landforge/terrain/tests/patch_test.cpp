#include "landforge/terrain/patch.h"

#include <gtest/gtest.h>

#include "landforge/terrain/image_patch.h"

namespace landforge {
namespace {

// A flat patch of the given size and height.
void flatPatch(TerrainState& s, int w, int h, float z) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) s.patch.point(i, j) = {10.0f * i, 10.0f * j, z};
    s.patch.importWidth = w;
    s.patch.importHeight = h;
}

TEST(Patch, ImportStartsAtTheViewOriginPulledBackToFit) {
    TerrainState s;
    s.view = {250, 3, 16, 16};
    flatPatch(s, 10, 4, 1);
    startImport(s);
    EXPECT_TRUE(s.importing);
    EXPECT_EQ(s.patch.importX, 246);
    EXPECT_EQ(s.patch.importY, 3);
}

TEST(Patch, ArrowKeysStopAtTheGridEdges) {
    TerrainState s;
    s.view = {0, 0, 16, 16};
    flatPatch(s, 255, 250, 1);
    startImport(s);
    EXPECT_FALSE(movePatch(s, PatchKey::Left));
    EXPECT_FALSE(movePatch(s, PatchKey::Down));
    EXPECT_TRUE(movePatch(s, PatchKey::Right));
    EXPECT_FALSE(movePatch(s, PatchKey::Right)) << "x + 1 + 255 would exceed 256";
    for (int k = 0; k < 6; ++k) EXPECT_TRUE(movePatch(s, PatchKey::Up));
    EXPECT_FALSE(movePatch(s, PatchKey::Up));
    EXPECT_EQ(s.patch.importX, 1);
    EXPECT_EQ(s.patch.importY, 6);
    EXPECT_TRUE(movePatch(s, PatchKey::Down));
    EXPECT_EQ(s.patch.importY, 5);
}

TEST(Patch, WideBitmapCanOnlySitAtXZero) {
    TerrainState s;
    s.view = {40, 0, 16, 16};
    GreyImage image{300, 10, std::vector<float>(3000, 7.0f)};
    ASSERT_TRUE(loadImagePatch(s.patch, image));
    EXPECT_EQ(s.patch.importWidth, 256);
    EXPECT_EQ(s.patch.importHeight, 10);
    startImport(s);
    EXPECT_EQ(s.patch.importX, 0);
    EXPECT_FALSE(movePatch(s, PatchKey::Right));
    EXPECT_FALSE(movePatch(s, PatchKey::Left));
}

TEST(Patch, BlendModesAddSubtractReplace) {
    for (auto [mode, expected] : {std::pair{ImportMode::Add, 75.0f}, std::pair{ImportMode::Subtract, 25.0f},
                                  std::pair{ImportMode::Replace, 100.0f}}) {
        TerrainState s;
        for (TerrainPoint& p : s.grid.points) p.z = 50;
        s.view = {20, 30, 16, 16};
        flatPatch(s, 3, 2, 100);
        setImportMode(s.patch, mode, 50);
        startImport(s);
        commitImport(s);
        EXPECT_EQ(s.grid.point(20, 30).z, expected);
        EXPECT_EQ(s.grid.point(22, 31).z, expected);
        EXPECT_EQ(s.grid.point(23, 31).z, 50.0f);
        EXPECT_EQ(s.grid.point(22, 31).x, 220.0f) << "the patch is moved to its place";
        EXPECT_EQ(s.grid.point(22, 31).y, 310.0f);
        EXPECT_FALSE(s.importing);
    }
}

TEST(Patch, CommitSelectsThePatchAndRechoosesTheCellsAroundIt) {
    TerrainState s;
    s.view = {100, 100, 2, 2};
    flatPatch(s, 2, 2, 80);
    startImport(s);
    movePatch(s, PatchKey::Right);
    s.grid.cell(103, 101).diagonal = 7;
    s.grid.cell(100, 98).diagonal = 7;
    commitImport(s);
    // The patch covers points [101..102] x [100..101]; selection is its rectangle, newest first.
    ASSERT_EQ(s.selection.size(), 4u);
    EXPECT_EQ(s.selection.items().front(), (GridIndex{102, 101}));
    EXPECT_EQ(s.selection.items().back(), (GridIndex{101, 100}));
    // One cell before the patch: |[100][99] - [101][100]| = 80 > |[100][100] - [101][99]| = 0.
    EXPECT_EQ(s.grid.cell(100, 99).diagonal, 2);
    // The patch's last cell: |[102][101] - [103][102]| = 80 > 0.
    EXPECT_EQ(s.grid.cell(102, 101).diagonal, 2);
    EXPECT_EQ(s.grid.cell(103, 101).diagonal, 7) << "beyond the cells touching the patch";
    EXPECT_EQ(s.grid.cell(100, 98).diagonal, 7);
}

TEST(Patch, CommitAtTheGridCornerRechoosesTheLastCellAndNoFurther) {
    TerrainState s;
    flatPatch(s, 3, 2, 60);
    s.view = {253, 254, 3, 2};
    startImport(s);
    ASSERT_EQ(s.patch.importX, 253);
    ASSERT_EQ(s.patch.importY, 254);
    s.grid.cell(251, 253).diagonal = 7;
    commitImport(s);
    // One cell before the patch on both axes: [252][253] spans heights 0 at [252][253] and 60 at
    // [253][254] on diagonal 1, 0 and 0 on diagonal 2.
    EXPECT_EQ(s.grid.cell(252, 253).diagonal, 2);
    EXPECT_EQ(s.grid.cell(254, 254).diagonal, 1);  // flat inside the patch
    EXPECT_EQ(s.grid.cell(251, 253).diagonal, 7);
    EXPECT_EQ(s.grid.point(255, 255).z, 60.0f);
}

TEST(Patch, ImportWeightIsClampedLikeTheDialog) {
    ImportPatch p;
    setImportMode(p, ImportMode::Add, 0);
    EXPECT_EQ(p.importWeight, 1);
    setImportMode(p, ImportMode::Add, 250);
    EXPECT_EQ(p.importWeight, 100);
}

TEST(Patch, CopyAndPasteMoveThePointsAndCells) {
    TerrainState s;
    s.view = {10, 10, 3, 3};
    s.grid.point(10, 10).z = 30;
    updateTrisFull(s.grid);
    ASSERT_EQ(s.grid.cell(10, 10).diagonal, 2);
    copyViewArea(s);
    s.view = {50, 60, 16, 16};
    ASSERT_EQ(startPaste(s), PasteStart::Started);
    movePatch(s, PatchKey::Up);
    commitPaste(s);
    EXPECT_FALSE(s.pasting);
    EXPECT_EQ(s.grid.point(50, 61).z, 30.0f);
    EXPECT_EQ(s.grid.point(50, 61).x, 500.0f);
    EXPECT_EQ(s.grid.point(50, 61).y, 610.0f);
    EXPECT_EQ(s.grid.cell(50, 61).diagonal, 2);
    EXPECT_EQ(s.grid.cell(50, 61).center.x, 505.0f);
    EXPECT_EQ(s.grid.cell(50, 61).center.y, 615.0f);
    EXPECT_EQ(s.selection.size(), 9u);
    ASSERT_EQ(s.history.undoList.size(), 1u);
    EXPECT_EQ(s.history.undoList.front().rect, (GridRect{50, 61, 3, 3}));
    ASSERT_TRUE(undo(s.history, s.grid));
    EXPECT_EQ(s.grid.point(50, 61).z, 0.0f);
    EXPECT_EQ(s.grid.cell(50, 61).diagonal, 1);
}

TEST(Patch, PasteIsRefusedWhileImportingOrWithAnEmptyClipboard) {
    TerrainState s;
    EXPECT_EQ(startPaste(s), PasteStart::ClipboardEmpty);
    copyViewArea(s);
    flatPatch(s, 2, 2, 1);
    startImport(s);
    EXPECT_EQ(startPaste(s), PasteStart::ImportActive);
    cancelPatches(s);
    EXPECT_FALSE(s.importing);
    EXPECT_EQ(s.grid.point(0, 0).z, 0.0f);
}

TEST(Patch, PasteStartIsPulledBackWhenTheViewMovedToTheEdge) {
    TerrainState s;
    s.view = {0, 0, 16, 16};
    copyViewArea(s);
    s.view = {250, 252, 4, 4};  // the clipboard's 16 x 16 would pass the grid's edge here
    ASSERT_EQ(startPaste(s), PasteStart::Started);
    EXPECT_EQ(s.pasteX, 240);
    EXPECT_EQ(s.pasteY, 240);
    commitPaste(s);
    EXPECT_EQ(s.grid.point(255, 255).x, 2550.0f);
}

TEST(Patch, ArrowKeysMoveBothAnActivePasteAndAnImportStartedDuringIt) {
    TerrainState s;
    s.view = {10, 20, 4, 4};
    copyViewArea(s);
    ASSERT_EQ(startPaste(s), PasteStart::Started);
    flatPatch(s, 2, 2, 9);
    startImport(s);
    EXPECT_TRUE(movePatch(s, PatchKey::Right));
    EXPECT_TRUE(movePatch(s, PatchKey::Up));
    EXPECT_EQ(s.patch.importX, 11);
    EXPECT_EQ(s.patch.importY, 21);
    EXPECT_EQ(s.pasteX, 11);
    EXPECT_EQ(s.pasteY, 21);
    // With the paste at the right edge, the import alone moves right.
    s.pasteX = 252;
    EXPECT_TRUE(movePatch(s, PatchKey::Right));
    EXPECT_EQ(s.patch.importX, 12);
    EXPECT_EQ(s.pasteX, 252);
}

TEST(Patch, EnterCommitsTheImportFirst) {
    TerrainState s;
    s.view = {0, 0, 2, 2};
    copyViewArea(s);
    ASSERT_EQ(startPaste(s), PasteStart::Started);
    flatPatch(s, 2, 2, 9);
    startImport(s);
    commitPatches(s);
    EXPECT_FALSE(s.importing);
    EXPECT_FALSE(s.pasting);
    EXPECT_EQ(s.grid.point(0, 0).z, 0.0f) << "the paste of the old flat copy came after the import";
}

TEST(Patch, PreviewOfEveryPointIsWhatEnterCommits) {
    for (ImportMode mode : {ImportMode::Add, ImportMode::Replace, ImportMode::Subtract}) {
        TerrainState s;
        for (int k = 0; k < 30; ++k) s.grid.point(k, 5).z = static_cast<float>(3 * k);
        s.view = {4, 4, 6, 6};
        copyViewArea(s);
        ASSERT_EQ(startPaste(s), PasteStart::Started);
        movePatch(s, PatchKey::Right);  // the paste moves away from where it was copied
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 5; ++i) s.patch.point(i, j) = {10.0f * i + 1, 10.0f * j, 20.0f + i};
        s.patch.importWidth = 5;
        s.patch.importHeight = 3;
        setImportMode(s.patch, mode, 40);
        startImport(s);
        movePatch(s, PatchKey::Right);  // import and paste overlap over [6..9] x [4..6]
        std::vector<TerrainPoint> preview;
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i) preview.push_back(blendedPatchPoint(s, i, j));
        EXPECT_TRUE(insideActivePatch(s, 10, 9));
        EXPECT_FALSE(insideActivePatch(s, 4, 4));
        commitPatches(s);
        std::size_t k = 0;
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i, ++k) {
                const TerrainPoint& t = s.grid.point(i, j);
                ASSERT_TRUE(t.x == preview[k].x && t.y == preview[k].y && t.z == preview[k].z)
                    << "point " << i << "," << j << " mode " << static_cast<int>(mode);
            }
        EXPECT_FALSE(insideActivePatch(s, 10, 9));
    }
}

}  // namespace
}  // namespace landforge
