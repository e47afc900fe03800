#include "landforge/terrain/terrain_edits.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "landforge/terrain/terrain_file.h"

namespace landforge {
namespace {

class TerrainEdits : public ::testing::Test {
protected:
    std::string path(const char* name) const { return (dir / name).string(); }
    korvath::testing::TempDir dir;
    TerrainState state;
};

TEST_F(TerrainEdits, SaveAndOpenSetTheDocumentState) {
    state.grid.point(2, 3).z = 44;
    state.modified = true;
    ASSERT_TRUE(saveTerrain(state, path("hill.lfg"), kFullRect).ok());
    EXPECT_EQ(state.fileName, "hill.lfg");
    EXPECT_FALSE(state.modified);
    newTerrain(state);
    EXPECT_EQ(state.fileName, "(untitled)");
    EXPECT_EQ(state.grid.point(2, 3).z, 0.0f);
    ASSERT_TRUE(openTerrain(state, path("hill.lfg")).ok());
    EXPECT_EQ(state.grid.point(2, 3).z, 44.0f);
    EXPECT_EQ(state.filePath, path("hill.lfg"));
    EXPECT_EQ(state.history.undoList.size(), 2u);
    undo(state.history, state.grid);
    EXPECT_EQ(state.grid.point(2, 3).z, 0.0f);
}

TEST_F(TerrainEdits, RefusedOpenLeavesTerrainNameAndUndoAlone) {
    state.grid.point(1, 1).z = 5;
    state.fileName = "mine.lfg";
    dir.write("bad.lfg", std::string("\x01\x01\x00\x00\x05\x00\x00\x00", 8));  // width 257
    korvath::Status s = openTerrain(state, path("bad.lfg"));
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.error(), "The terrain size 257 x 5 is outside 1-256.");
    EXPECT_FALSE(openTerrain(state, path("none.lfg")).ok());
    EXPECT_EQ(state.grid.point(1, 1).z, 5.0f);
    EXPECT_EQ(state.fileName, "mine.lfg");
    EXPECT_TRUE(state.history.undoList.empty());
}

TEST_F(TerrainEdits, FailedSaveKeepsTheOldFileAndName) {
    dir.write("blocker", "x");
    korvath::Status s = saveTerrain(state, path("blocker") + "/t.lfg", kFullRect);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(state.fileName, "(untitled)");
    EXPECT_EQ(dir.read("blocker"), "x");
    EXPECT_FALSE(saveTerrain(state, path("v.lfg"), {250, 0, 16, 16}).ok());
    EXPECT_EQ(dir.read("v.lfg"), "");
}

TEST_F(TerrainEdits, ImportTerrainPlacesThePatchAndEscapeDropsIt) {
    TerrainState other;
    other.grid.point(0, 0).z = 90;
    dir.write("p.lfg", writeDocument(other.grid, {0, 0, 3, 3}));
    state.view.viewX = 254;
    ASSERT_TRUE(importTerrain(state, path("p.lfg")).ok());
    EXPECT_TRUE(state.importing);
    EXPECT_EQ(state.patch.importX, 253);
    EXPECT_EQ(state.history.undoList.size(), 1u);
}

TEST_F(TerrainEdits, FailedBitmapImportEndsTheImportButKeepsItsSnapshot) {
    korvath::Status s = importBitmap(state, std::nullopt);
    EXPECT_EQ(s.error(), "The file is either corrupted or not in bitmap format.");
    EXPECT_FALSE(state.importing);
    EXPECT_EQ(state.history.undoList.size(), 1u);
    ASSERT_TRUE(importBitmap(state, GreyImage{1, 1, {3.5f}}).ok());
    EXPECT_TRUE(state.importing);
    EXPECT_EQ(state.patch.point(0, 0).z, 3.5f);
}

TEST_F(TerrainEdits, ExportsEndTheImportAndScaleZeroWritesNothing) {
    ASSERT_TRUE(importBitmap(state, GreyImage{1, 1, {200.0f}}).ok());
    ASSERT_TRUE(exportT3d(state, path("a.t3d"), {0, 0, 2, 2}, 0).ok());
    EXPECT_FALSE(state.importing);
    EXPECT_FALSE(std::filesystem::exists(path("a.t3d")));
    ASSERT_TRUE(exportT3d(state, path("a.t3d"), {0, 0, 2, 2}, 1).ok());
    EXPECT_EQ(dir.read("a.t3d").find("200"), std::string::npos) << "the patch is not exported";
    ASSERT_TRUE(exportBitmap(state, path("a.bmp"), {0, 0, 2, 2}).ok());
    EXPECT_EQ(dir.read("a.bmp").size(), 54u + 2 * 8);
}

TEST_F(TerrainEdits, UpdateTrisAndFlipTakeCellsOnlySnapshots) {
    state.grid.point(1, 1).z = 30;
    updateTrisCommand(state, false);
    EXPECT_EQ(state.grid.cell(0, 0).diagonal, 2);
    EXPECT_FALSE(state.history.undoList.front().hasPoints);
    EXPECT_EQ(state.history.undoList.front().rect, (GridRect{0, 0, 16, 16}));
    ASSERT_TRUE(flipCellDiagonal(state, 0, 0));
    EXPECT_EQ(state.grid.cell(0, 0).diagonal, 1);
    EXPECT_EQ(state.grid.cell(0, 0).center.z, 15.0f);
    EXPECT_EQ(state.grid.cell(0, 0).center.x, 5.0f);
    EXPECT_FALSE(flipCellDiagonal(state, 255, 0));
    undo(state.history, state.grid);
    EXPECT_EQ(state.grid.cell(0, 0).diagonal, 2);
    EXPECT_EQ(state.grid.point(1, 1).z, 30.0f);
}

TEST_F(TerrainEdits, ViewAreaIsClampedAndPulledBack) {
    state.view.viewX = 10;
    changeViewArea(state, 300, 0);
    EXPECT_EQ(state.view.viewWidth, 256);
    EXPECT_EQ(state.view.viewX, 0);
    EXPECT_EQ(state.view.viewHeight, 1);
    changeViewArea(state, 16, 16);
    centreViewOnOverhead(state, 0, 255);
    EXPECT_EQ(state.view.viewX, 0);
    EXPECT_EQ(state.view.viewY, 0);
    centreViewOnOverhead(state, 100, 100);
    EXPECT_EQ(state.view.viewX, 92);
    EXPECT_EQ(state.view.viewY, 148);
    centreViewOnOverhead(state, 255, 1);
    EXPECT_EQ(state.view.viewX, 240);
    EXPECT_EQ(state.view.viewY, 240);
}

TEST_F(TerrainEdits, PointInformationListsTheSelectionNewestFirst) {
    state.grid.point(3, 4).z = -2.5f;
    state.selection.add({3, 4});
    state.selection.add({0, 1});
    EXPECT_EQ(pointInfoText(state),
              "point-1 (0,1)\tX=+0.000000\tY=+10.000000\tZ=+0.000000\t"
              "point-2 (3,4)\tX=+30.000000\tY=+40.000000\tZ=-2.500000\t");
}

}  // namespace
}  // namespace landforge
