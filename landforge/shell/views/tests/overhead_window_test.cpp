#include "landforge/shell/views/overhead_window.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "common/testing/qt_application.h"
#include "landforge/shell/views/tests/gl_test_app.h"

namespace landforge {
namespace {

TEST(OverheadWindow, PaintsTheMapAndOutlineAndCentresTheViewAreaOnAClick) {
    korvath::testing::ensureApplication();
    TerrainState terrain;
    initTerrainState(terrain, 1);
    ViewCameras cameras;
    ViewOptions options;
    terrain.view = {20, 30, 16, 16};
    terrain.grid.point(100, 56).z = 255;
    OverheadWindow w(terrain, cameras, options);
    ASSERT_TRUE(testing::showAndWait(w, 255, 255));
    EXPECT_EQ(w.windowTitle(), "Overhead View");
    EXPECT_EQ(w.size(), QSize(255, 255));

    // In client pixels, also on a screen with more device pixels.
    auto picture = [&w] { return w.grab().toImage().scaled(255, 255, Qt::IgnoreAspectRatio, Qt::FastTransformation); };
    QImage img = picture();
    img.save("/tmp/lfview-overhead.png");
    EXPECT_EQ(img.pixelColor(100, 200), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(101, 200), QColor(127, 0, 0));
    EXPECT_EQ(img.pixelColor(20, 220), QColor(220, 14, 118));
    EXPECT_EQ(img.pixelColor(28, 210), QColor(220, 14, 118));
    EXPECT_EQ(img.pixelColor(28, 220), QColor(127, 0, 0));

    QSignalSpy moved(&w, &OverheadWindow::viewAreaMoved);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(0, 255 - 1));
    EXPECT_EQ(terrain.view.viewX, 0);
    EXPECT_EQ(terrain.view.viewY, 0);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(128, 100));
    EXPECT_EQ(terrain.view.viewX, 120);
    EXPECT_EQ(terrain.view.viewY, 148);
    EXPECT_FLOAT_EQ(cameras[kViewXY].pivot.x, 1275.0f);  // re-centred on the new area
    EXPECT_EQ(moved.count(), 2);
    EXPECT_EQ(picture().pixelColor(120, 108), QColor(220, 14, 118));

    QSignalSpy closed(&w, &OverheadWindow::closed);
    w.close();
    EXPECT_EQ(closed.count(), 1);
}

}  // namespace
}  // namespace landforge
