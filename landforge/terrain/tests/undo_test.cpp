#include "landforge/terrain/undo.h"

#include <gtest/gtest.h>

namespace landforge {
namespace {

TEST(Undo, KeepsOnlyTheLastTenAndANewSnapshotClearsRedo) {
    Heightfield g;
    UndoHistory h;
    for (int k = 1; k <= 11; ++k) {
        takeSnapshot(h, g, SnapshotKind::Points, kFullRect);
        g.point(0, 0).z = static_cast<float>(k);
    }
    EXPECT_EQ(h.undoList.size(), 10u);
    int undone = 0;
    while (undo(h, g)) ++undone;
    EXPECT_EQ(undone, 10);
    EXPECT_EQ(g.point(0, 0).z, 1.0f) << "the state before the second operation";
    EXPECT_FALSE(h.canUndo());
    EXPECT_EQ(h.redoList.size(), 10u);
    ASSERT_TRUE(redo(h, g));
    EXPECT_EQ(g.point(0, 0).z, 2.0f);
    takeSnapshot(h, g, SnapshotKind::Cells, kFullRect);
    EXPECT_FALSE(h.canRedo());
    EXPECT_FALSE(redo(h, g));
}

TEST(Undo, RedoGivesBackWhatUndoTookAway) {
    Heightfield g;
    UndoHistory h;
    takeSnapshot(h, g, SnapshotKind::PointsAndCells, kFullRect);
    g.point(4, 4).z = 99;
    updateTrisFull(g);
    ASSERT_NE(g.cell(3, 3).diagonal, 1);
    undo(h, g);
    EXPECT_EQ(g.point(4, 4).z, 0.0f);
    EXPECT_EQ(g.cell(3, 3).diagonal, 1);
    redo(h, g);
    EXPECT_EQ(g.point(4, 4).z, 99.0f);
    EXPECT_EQ(g.cell(3, 3).diagonal, 2);
}

TEST(Undo, SnapshotKindsRestoreOnlyTheirParts) {
    Heightfield g;
    UndoHistory h;
    takeSnapshot(h, g, SnapshotKind::Cells, kFullRect);
    g.point(1, 1).z = 40;
    updateTrisFull(g);
    g.cell(254, 254).diagonal = 7;
    undo(h, g);
    EXPECT_EQ(g.point(1, 1).z, 40.0f) << "a cells-only snapshot leaves the points";
    EXPECT_EQ(g.cell(0, 0).diagonal, 1);
    EXPECT_EQ(g.cell(254, 254).diagonal, 1) << "the last of the 255 x 255 cells is restored";

    takeSnapshot(h, g, SnapshotKind::Points, kFullRect);
    g.point(1, 1).z = 0;
    g.cell(0, 0).diagonal = 2;
    undo(h, g);
    EXPECT_EQ(g.point(1, 1).z, 40.0f);
    EXPECT_EQ(g.cell(0, 0).diagonal, 2) << "a points-only snapshot leaves the cells";
}

TEST(Undo, ViewSnapshotRestoresTheAreaAsTakenEvenAfterTheViewMoved) {
    Heightfield g;
    UndoHistory h;
    GridRect view{10, 20, 4, 3};
    takeSnapshot(h, g, SnapshotKind::PointsAndCells, view);
    for (TerrainPoint& p : g.points) p.z = 7;
    updateTrisFull(g);
    g.cell(12, 21).diagonal = 2;
    g.cell(13, 21).diagonal = 2;  // beyond the interior (cells 10..12 x 20..21)
    undo(h, g);
    EXPECT_EQ(g.point(10, 20).z, 0.0f);
    EXPECT_EQ(g.point(13, 22).z, 0.0f);
    EXPECT_EQ(g.point(14, 22).z, 7.0f);
    EXPECT_EQ(g.point(9, 20).z, 7.0f);
    EXPECT_EQ(g.cell(12, 21).diagonal, 1);
    EXPECT_EQ(g.cell(12, 21).center.z, 0.0f);
    EXPECT_EQ(g.cell(13, 21).diagonal, 2);
    // Redo holds the same rectangle: it brings back the 7s there only.
    ASSERT_EQ(h.redoList.front().rect, view);
    redo(h, g);
    EXPECT_EQ(g.point(10, 20).z, 7.0f);
}

TEST(Undo, RectangleOutsideTheGridTakesNothing) {
    Heightfield g;
    UndoHistory h;
    takeSnapshot(h, g, SnapshotKind::Points, {250, 0, 10, 10});
    EXPECT_FALSE(h.canUndo());
}

}  // namespace
}  // namespace landforge
